#pragma once
// Drawing primitives shared by every screen and control: labels, the lined panel background,
// the window border, the sunken box and text shortening.
#include "surface.h"

#include <functional>

// The style argument of draw_label.
enum LabelStyle : int {
    LabelVerdana = 0,
    LabelTimes = 1,
    LabelTahomaBoldShadow = 2,
    LabelTahoma = 3,
    LabelTahomaBold = 4,
    LabelArialGrey = 9,
    LabelVerdanaBold = 10,
    LabelTimesBold = 11,
};

// The font of a label style at the given character height.
FontSpec label_font(int style, int size);

// Text at (x + 2, y) in the style's font: navy when enabled, else disabled grey; style 9 always
// label grey; style 2 when enabled first draws a grey shadow at (x + 4, y + 2).
void draw_label(Surface& s, int x, int y, const QString& text, int size, int style, bool enabled);

// White, with one-pixel lines from x to x + w at y, y + 2, ... up to and including y + h.
void draw_lined_background(Surface& s, int x, int y, int w, int h, bool active);

// The two-pixel border round the whole surface (the window's client area).
void draw_window_border(Surface& s, bool light);

// A box with a two-line graded border and rounded corners (image 610 for variant 0, else 620);
// the fill variant first fills the box white.
void draw_sunken_box(Surface& s, int x, int y, int w, int h, int variant);
void fill_sunken_box(Surface& s, int x, int y, int w, int h, int variant);

// Shortens `text` so that it fits `max_width` pixels, ending it with "..". Texts of five
// characters or fewer are never shortened. Returns 1 when it shortened the text, else 0.
int fit_text_to_width(const FontSpec& font, int max_width, QString& text);
// The same with any measure of a text's width.
int fit_text_to_width(const std::function<int(const QString&)>& measure, int max_width,
                      QString& text);
