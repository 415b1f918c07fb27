#include "list_view_frame.h"

#include "drawing.h"
#include "list_view_style.h"

void draw_list_frame(Surface& s, bool lines_active, ColorRef outline) {
    const int w = s.width();
    const int h = s.height();
    const int c = list_style::CornerSquare;
    // The bottom squares start 15 above the bottom edge, so their last line falls on it.
    draw_lined_background(s, 0, 0, c, c, lines_active);
    draw_lined_background(s, w - c, 0, c, c, lines_active);
    draw_lined_background(s, w - c, h - 15, c, c, lines_active);
    draw_lined_background(s, 0, h - 15, c, c, lines_active);
    s.rounded_rect(0, 0, w, h, list_style::Rounding, list_style::Rounding, palette::White, outline);
}
