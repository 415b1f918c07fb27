#pragma once
// The colours of the program's artwork. The program writes its colours as 0x00BBGGRR values;
// from_colorref turns them into the QRgb values the painters use.
#include <QColor>
#include <cstdint>

namespace art {

constexpr QRgb from_colorref(uint32_t c) {
    return 0xff000000u | ((c & 0xffu) << 16) | (c & 0xff00u) | ((c >> 16) & 0xffu);
}
constexpr QRgb grey(int level) {
    return qRgb(level, level, level);
}

// The program's palette.
constexpr QRgb kNavy = from_colorref(0x800000);
constexpr QRgb kBrightBlue = from_colorref(0xff0000);
constexpr QRgb kMediumBlue = from_colorref(0xc00000);
constexpr QRgb kLabelGrey = from_colorref(0xc0c0c0);
constexpr QRgb kDisabledGrey = from_colorref(0xdcdcdc);
constexpr QRgb kLineActive = from_colorref(0xdcdcdc);
constexpr QRgb kLineInactive = from_colorref(0xf0f0f0);
constexpr QRgb kWhite = from_colorref(0xffffff);
constexpr QRgb kBorderDark = from_colorref(0x808080);
constexpr QRgb kBorderLight = from_colorref(0xe4e4e4);

// Tints of the navy used by the artwork: soft blue-greys for outlines and pale blues for fills.
constexpr QRgb kOutline = qRgb(150, 162, 200);
constexpr QRgb kOutlineHover = qRgb(96, 120, 200);
constexpr QRgb kOutlinePressed = qRgb(70, 92, 172);
constexpr QRgb kOutlinePale = qRgb(220, 222, 228);
constexpr QRgb kOutlineFaint = qRgb(232, 232, 236);
constexpr QRgb kFillTop = qRgb(255, 255, 255);
constexpr QRgb kFillBottom = qRgb(226, 233, 248);
constexpr QRgb kFillHoverBottom = qRgb(206, 220, 252);
constexpr QRgb kFillPressedTop = qRgb(198, 212, 244);
constexpr QRgb kFillPressedBottom = qRgb(232, 238, 252);
constexpr QRgb kFillPaleBottom = qRgb(246, 246, 247);
constexpr QRgb kShadow = qRgb(234, 236, 242);
constexpr QRgb kGlyph = qRgb(104, 114, 158);
constexpr QRgb kGlyphPale = qRgb(206, 206, 210);
constexpr QRgb kInk = qRgb(14, 22, 92); // brush ink: a deep navy
constexpr QRgb kWarningRed = qRgb(200, 48, 48);

// Grey levels of the sunken box's two border lines, side by side: top, right, bottom, left.
struct SideGreys {
    int top, right, bottom, left;
};
constexpr SideGreys kSunkenOuter{153, 228, 249, 143};
constexpr SideGreys kSunkenInner{180, 225, 242, 198};

// The lined panel background: a line on every even row, white between.
constexpr QRgb lined_pixel(bool active, int row) {
    return row % 2 == 0 ? (active ? kLineActive : kLineInactive) : kWhite;
}

} // namespace art
