#include "stroke_drawing.h"

#include "cell_metrics.h"
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

FontSpec marker_font(MarkerFlavour flavour) {
    if (flavour == MarkerFlavour::Review) return {QStringLiteral("Arial"), 8, false};
    return {QStringLiteral("Arial"), 11, true};
}

ColorRef marker_fill(MarkerFlavour flavour) {
    return flavour == MarkerFlavour::Practice ? stroke_colours::MarkerFill : RGB(255, 255, 255);
}

// Draws markers and arrows with one painter, one font and one arrow pen, however many there are.
class MarkerPainter {
  public:
    MarkerPainter(Surface& s, MarkerFlavour flavour)
        : painter_(s.painter(true)), flavour_(flavour), font_(make_font(marker_font(flavour))),
          ascent_(cell_ascent(font_)), arrow_pen_(round_pen(stroke_colours::Arrow, 2)) {
        painter_->setFont(font_);
    }

    // The circle with its 2-pixel outline inside its bounds, then the number. The outline is the
    // whole disc in the circle's colour with the inner disc filled over it: the same ring as a
    // 2-pixel pen along the inset circle, at a third of the cost of stroking it.
    void number(int x, int y, int number, ColorRef circle) {
        const NumberMarkerLayout m = number_marker_layout(flavour_, x, y, number);
        const QRectF bounds(m.left, m.top, m.right - m.left, m.bottom - m.top);
        painter_->setPen(Qt::NoPen);
        painter_->setBrush(colorref(circle));
        painter_->drawEllipse(bounds);
        painter_->setBrush(colorref(marker_fill(flavour_)));
        painter_->drawEllipse(bounds.adjusted(2, 2, -2, -2));
        painter_->setPen(colorref(stroke_colours::MarkerText));
        painter_->drawText(QPoint(m.text_x, m.text_y + ascent_), QString::number(number));
    }

    void arrow(ArrowFlavour flavour, int x0, int y0, int x1, int y1) {
        const ArrowGeometry g = arrow_geometry(flavour, x0, y0, x1, y1);
        painter_->setPen(arrow_pen_);
        const QPoint tip(g.tip.x, g.tip.y);
        const QLine lines[3] = {{QPoint(g.tail.x, g.tail.y), tip},
                                {tip, QPoint(g.barb1.x, g.barb1.y)},
                                {tip, QPoint(g.barb2.x, g.barb2.y)}};
        painter_->drawLines(lines, 3);
    }

  private:
    std::unique_ptr<QPainter> painter_;
    MarkerFlavour flavour_;
    QFont font_;
    int ascent_;
    QPen arrow_pen_;
};

// Per stroke its arrow, then its number, both moved along the stroke when it starts on an earlier
// one.
void draw_stroke_markers(Surface& s, const StrokeSet& set, const StrokeStyle& style) {
    MarkerPainter markers(s, MarkerFlavour::Practice);
    for (int k = 0; k < set.stroke_count(); ++k) {
        const int n = set.point_count(k);
        if (n == 0) continue;
        const BoxPoint off = practice_marker_offset(set, k, style.pen_width);
        const BoxPoint at{set.point(k, 0).x + off.x, set.point(k, 0).y + off.y};
        if (style.arrows) {
            const StrokePoint& target = set.point(k, static_arrow_target(n));
            markers.arrow(ArrowFlavour::Practice, at.x, at.y, target.x + off.x, target.y + off.y);
        }
        if (style.numbers) markers.number(at.x, at.y, k + 1, stroke_colours::StaticMarker);
    }
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
    MarkerPainter(s, flavour).number(at.x, at.y, number, circle);
}

void DrawDirectionArrow(Surface& s, ArrowFlavour flavour, int x0, int y0, int x1, int y1) {
    MarkerPainter(s, MarkerFlavour::Practice).arrow(flavour, x0, y0, x1, y1);
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
