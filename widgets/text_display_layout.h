#pragma once
// Where a TextDisplay puts its text: one line in the large font when it fits, else one line
// in the small font, else two small lines broken at the last space of the first 29 characters
// with the tail shortened to fit.
#include "placed_text.h"

struct TextDisplayGeometry {
    int w = 0;
    int h = 0;
    bool bold = false;
    int y_offset = 0;   // top of the large single line
    int size_delta = 0; // the large font is h - size_delta high
    ColorRef colour = 0;
};

std::vector<PlacedText> layout_text_display(const TextDisplayGeometry& g, const QString& text,
                                            const TextMeasure& measure);
