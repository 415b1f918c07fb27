#include "practice_drawing.h"

#include "stroke_drawing.h"

void DrawPracticeEffects(Surface& box, const StrokeSet& set, const PracticeEffects& fx) {
    if (fx.dot) {
        const BoxPoint m = *fx.dot;
        box.fill_ellipse(m.x - 6, m.y - 6, m.x + 6, m.y + 6, kInkColour, kInkColour, 1);
    }
    if (fx.ink)
        box.line(fx.ink->from.x, fx.ink->from.y, fx.ink->to.x, fx.ink->to.y, kInkColour, kInkWidth,
                 true);
    if (fx.finished_through >= 0) DrawFinishedStrokes(box, set, fx.finished_through);
    if (fx.corner_pixel) box.set_pixel(fx.corner_pixel->x, fx.corner_pixel->y, kCornerPixelColour);
}
