#pragma once
// Word-wrapped text laid out line by line in the toolkit's own cell metrics: each line one line
// height (the font's Windows ascent plus descent) below the previous, the first at the top of the
// rectangle, every line placed by the top-left of its cell like any other text.
#include "placed_text.h"

struct WrapBox {
    int left = 0;
    int top = 0;
    int right = 0; // excluded; lines are broken to fit between left and right
};

// Line feeds end a line; a line wider than the box is broken at the last blank that keeps it
// inside (the blank is dropped); a word wider than the box stands alone on its line. An empty
// line still takes its line height.
std::vector<PlacedText> wrap_text(const WrapBox& box, const QString& text, const FontSpec& font,
                                  ColorRef colour, int line_height, const TextMeasure& measure,
                                  Qt::Alignment align = Qt::AlignLeft);
