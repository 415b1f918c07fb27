#pragma once
// Colours and metrics of the list controls.
#include "palette.h"

namespace list_style {
constexpr int RowHeight = 25;    // one item; the column rule counts rows of this height
constexpr int TextMargin = 6;    // left margin of an item's text in its column
constexpr int Rounding = 20;     // corner ellipse of the frame
constexpr int CornerSquare = 20; // the lined squares behind the rounded corners
constexpr ColorRef ItemDisabled = 0xd2d2d2;
constexpr ColorRef PairSecondColumn = 0x808080;
constexpr ColorRef PairDisabledSecond = 0xc0c0c0;
constexpr ColorRef OutlineEnabled = 0xc0c0c0;
constexpr ColorRef OutlineDisabled = 0xdcdcdc;
constexpr ColorRef FooterText = 0xdcdcdc; // "Double click kanji for details"
constexpr int FooterSize = 10;
// Selected rows keep their own text colours on a pale blue, stronger while the list has focus.
constexpr ColorRef SelectionFocused = RGB(204, 220, 248);
constexpr ColorRef SelectionUnfocused = RGB(230, 236, 246);
constexpr ColorRef FocusOutline = RGB(150, 175, 225);
} // namespace list_style
