#include "stroke_drawing.h"

#include "drawing.h"
#include "shell.h"

#include <QPainter>
#include <QPolygon>

namespace {

QPen round_pen(ColorRef c, int width) {
    QPen pen(colorref(c));
    pen.setWidth(width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void draw_stroke_lines(Surface& s, const StrokeSet& set, const StrokeStyle& style) {
    const int limit = style.stroke_limit < 0 ? set.stroke_count()
                                             : std::min(style.stroke_limit, set.stroke_count());
    auto p = s.painter(true);
    p->setPen(round_pen(style.colour, style.pen_width));
    for (int k = 0; k < limit; ++k) {
        const auto& points = set.stroke(k);
        if (points.size() < 2) continue; // one point: nothing follows the move to it
        QPolygon line;
        line.reserve(int(points.size()));
        for (const StrokePoint& pt : points)
            line << QPoint(pt.x, pt.y);
        p->drawPolyline(line);
    }
}

void draw_stroke_markers(Surface& s, const StrokeSet& set, const StrokeStyle& style) {
    for (int k = 0; k < set.stroke_count(); ++k) {
        const int n = set.point_count(k);
        if (n == 0) continue;
        const BoxPoint off = practice_marker_offset(set, k, style.pen_width);
        const StrokePoint& p0 = set.point(k, 0);
        if (style.arrows) {
            const StrokePoint& target = set.point(k, static_arrow_target(n));
            DrawDirectionArrow(s, ArrowFlavour::Practice, p0.x + off.x, p0.y + off.y,
                               target.x + off.x, target.y + off.y);
        }
        if (style.numbers)
            DrawStrokeNumber(s, MarkerFlavour::Practice, p0.x + off.x, p0.y + off.y, k + 1,
                             stroke_colours::StaticMarker);
    }
}

FontSpec marker_font(MarkerFlavour flavour) {
    if (flavour == MarkerFlavour::Review) return {QStringLiteral("Arial"), 8, false};
    return {QStringLiteral("Arial"), 11, true};
}

ColorRef marker_fill(MarkerFlavour flavour) {
    return flavour == MarkerFlavour::Practice ? stroke_colours::MarkerFill : RGB(255, 255, 255);
}

} // namespace

void DrawStrokes(Surface& s, const StrokeSet& set, const StrokeStyle& style) {
    if (style.clear_first) fill_sunken_box(s, 0, 0, s.width(), s.height(), 0); // whitens first
    draw_stroke_lines(s, set, style);
    if (style.numbers || style.arrows) draw_stroke_markers(s, set, style);
}

void DrawStrokeNumber(Surface& s, MarkerFlavour flavour, int x, int y, int number, ColorRef circle,
                      int stroke_index, const StrokeStarts* starts) {
    const BoxPoint at = number_marker_position(flavour, starts, stroke_index, x, y);
    const NumberMarkerLayout m = number_marker_layout(flavour, at.x, at.y, number);
    s.fill_ellipse(m.left, m.top, m.right, m.bottom, marker_fill(flavour), circle, 2);
    s.text(m.text_x, m.text_y, QString::number(number), marker_font(flavour),
           stroke_colours::MarkerText);
}

void DrawDirectionArrow(Surface& s, ArrowFlavour flavour, int x0, int y0, int x1, int y1) {
    const ArrowGeometry g = arrow_geometry(flavour, x0, y0, x1, y1);
    auto p = s.painter(true);
    p->setPen(round_pen(stroke_colours::Arrow, 2));
    p->drawLine(QPoint(g.tail.x, g.tail.y), QPoint(g.tip.x, g.tip.y));
    p->drawLine(QPoint(g.tip.x, g.tip.y), QPoint(g.barb1.x, g.barb1.y));
    p->drawLine(QPoint(g.tip.x, g.tip.y), QPoint(g.barb2.x, g.barb2.y));
}

void DrawKanjiGlyph(Surface& s, char16_t kanji, int size, int x, int y) {
    if (kanji == 0) return;
    s.text(x, y, QString(QChar(kanji)), {App_JapaneseFace(), size}, stroke_colours::Glyph);
}

void DrawShownStrokes(Surface& s, const StrokeSet& set) {
    DrawStrokes(s, set, {stroke_colours::ShownStrokes, 16, true, true, true, -1});
}

void DrawTracingTemplate(Surface& s, const StrokeSet& set) {
    DrawStrokes(s, set, {stroke_colours::Template, 10, false, false, true, -1});
}

void DrawFinishedStrokes(Surface& s, const StrokeSet& set, int last) {
    DrawTracingTemplate(s, set);
    DrawStrokes(s, set, {stroke_colours::FinishedStrokes, 16, false, false, false, last + 1});
}
