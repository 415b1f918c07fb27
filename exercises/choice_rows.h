#pragma once
// How the five rows of a multiple-choice panel look: each row's text (shortened to fit), its
// colour and place, its bullet frame and whether hovering it opens the popup with the full text.
#include "choice_question.h"
#include "placed_text.h"

#include <array>

constexpr int kChoicePanelWidth = 300;
constexpr int kChoicePanelHeight = 160;
constexpr int kChoiceRowHeight = 32;
constexpr int kChoiceTextX = 33;
constexpr int kBulletWidth = 26;
constexpr int kBulletHeight = 25;

namespace choice_colour {
constexpr ColorRef Row = 0x800000;
constexpr ColorRef Highlight = 0xff0000; // hovered row, or the right row once answered
constexpr ColorRef Faded = 0xdcdcdc;     // the other rows once answered
constexpr ColorRef PopupFill = 0xf5ffff;
constexpr ColorRef PopupBorder = 0x808080;
} // namespace choice_colour

// Frames of the bullet image, by their x in it.
enum BulletFrame : int {
    BulletIdle = 0,
    BulletOther = 26,
    BulletHovered = 52,
    BulletAnswered = 78
};

struct ChoiceRowLook {
    PlacedText text; // as drawn, possibly shortened with ".."
    QString full;    // the whole text
    // Meaning and ON: 1 when the text was shortened; KUN: the whole text's width in pixels.
    int flag = 0;
    bool needs_popup = false;
    int bullet_frame = BulletIdle;
    int bullet_y = 0;
};

struct ChoicePanelView {
    bool romaji = false;   // ON and KUN: romaji texts instead of kana
    bool answered = false; // answered right or shown: the rows are frozen
    int hover_row = -1;
    bool pressed = false;
};

// Tahoma 22; kana (ON and KUN without romaji) in the Japanese face, bold.
FontSpec choice_row_font(ChoiceKind kind, bool romaji);
// The popup's font: the same faces at 20.
FontSpec choice_popup_font(ChoiceKind kind, bool romaji);

std::array<ChoiceRowLook, kChoiceRows> layout_choice_rows(ChoiceKind kind,
                                                          const ChoiceQuestion& question,
                                                          const ChoicePanelView& view,
                                                          const TextMeasure& measure);

// The popup's width for a text: its width in the popup font plus 20, at least 267.
int choice_popup_width(const QString& text, const FontSpec& font, const TextMeasure& measure);

// The row under a point of the panel, -1 outside the panel.
int choice_row_at(QPoint point);
