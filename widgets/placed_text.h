#pragma once
// A line of text as a layout decides it: what, where, in which font and colour. Layouts return
// these so that they can be checked without pixels; painting draws them in order.
#include "surface.h"

#include <functional>
#include <vector>

struct PlacedText {
    QString text;
    int x = 0;
    int y = 0;
    FontSpec font;
    ColorRef colour = 0;
};

// The width of a text in a font, in pixels.
using TextMeasure = std::function<int(const QString& text, const FontSpec& font)>;

inline void draw_placed(Surface& s, const std::vector<PlacedText>& lines) {
    for (const PlacedText& t : lines)
        s.text(t.x, t.y, t.text, t.font, t.colour);
}
