// The caption bar's images. 810 is the bar itself, 20 high, in two 9-wide columns (active from
// x 0, inactive from x 9), whose pieces the bar stretches across the window; every column of
// the bar is the same, so the stretched bar is seamless. 820 (close) and 840 (minimise) are
// four 19 x 14 cells (normal, hovered, pressed, disabled) drawn at row 4 of the bar; 850 is the
// 12 x 12 window icon in three cells (normal, hovered or pressed, inactive) drawn at row 5. The
// glyph and icon cells are transparent round their glyph, plate or tile, so the bar shows
// through them.
#include "art_palette.h"
#include "artwork.h"
#include "brush.h"
#include "paint_util.h"

namespace art {
namespace {

constexpr int kBarHeight = 20;
constexpr int kBarColumn = 9;
constexpr int kGlyphW = 19, kGlyphH = 14;
constexpr int kIconCell = 12;

QRgb bar_pixel(bool active, int row) {
    if (row == kBarHeight - 1) return active ? qRgb(196, 206, 232) : qRgb(226, 226, 228);
    const double t = double(row) / (kBarHeight - 2);
    return active ? mix(qRgb(226, 234, 252), kWhite, t) : mix(qRgb(244, 244, 246), kWhite, t);
}

// An opaque piece of the bar showing its rows from `first_row` on.
QImage bar_cell(int w, int h, int first_row, bool active) {
    QImage cell = transparent(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            set_plain_pixel(cell, x, y, bar_pixel(active, first_row + y));
    return cell;
}

// The rounded plate under a hovered or pressed glyph.
void paint_plate(QPainter& p, bool pressed) {
    const QRgb fill = pressed ? qRgb(198, 212, 246) : qRgb(232, 239, 254);
    p.setPen(QPen(QColor::fromRgb(pressed ? kOutlinePressed : kOutlineHover), 1));
    p.setBrush(QColor::fromRgb(fill));
    p.drawPath(pixel_rounded_rect(1, 0, kGlyphW - 2, kGlyphH - 1, 3));
}

using GlyphPainter = void (*)(QPainter&, QRgb);

void paint_cross(QPainter& p, QRgb colour) {
    p.setPen(QPen(QColor::fromRgb(colour), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6.6, 4.1), QPointF(12.4, 9.9));
    p.drawLine(QPointF(12.4, 4.1), QPointF(6.6, 9.9));
}

void paint_dash(QPainter& p, QRgb colour) {
    p.fillRect(QRect(6, 8, 7, 2), QColor::fromRgb(colour));
}

QImage glyph_strip(GlyphPainter glyph) {
    QImage strip = transparent(kGlyphW * 4, kGlyphH);
    const QRgb colours[] = {kGlyph, kMediumBlue, kNavy, kGlyphPale};
    for (int state = 0; state < 4; ++state) {
        QImage cell = transparent(kGlyphW, kGlyphH);
        QPainter p;
        begin_smooth(p, cell);
        if (state == 1 || state == 2) paint_plate(p, state == 2);
        if (state == 2) p.translate(1, 1);
        glyph(p, colours[state]);
        p.end();
        QPainter(&strip).drawImage(state * kGlyphW, 0, cell);
    }
    return strip;
}

// The window icon: the program's emblem in white on an ink-blue tile, as on its icon.
void paint_icon(QImage& cell, QRgb tile) {
    {
        QPainter p;
        begin_smooth(p, cell);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromRgb(tile));
        p.drawRoundedRect(QRectF(0, 0, kIconCell, kIconCell), 2.5, 2.5);
    }
    paint_brush_strokes(cell, emblem_strokes(), QRectF(1, 1, 10, 10), Qt::white);
}

} // namespace

QImage caption_background() {
    QImage image = bar_cell(2 * kBarColumn, kBarHeight, 0, true);
    QPainter(&image).drawImage(kBarColumn, 0, bar_cell(kBarColumn, kBarHeight, 0, false));
    return image;
}

QImage caption_close() {
    return glyph_strip(&paint_cross);
}
QImage caption_minimise() {
    return glyph_strip(&paint_dash);
}

QImage caption_icon() {
    QImage strip = transparent(kIconCell * 3, kIconCell);
    const QRgb tiles[] = {kNavy, qRgb(24, 64, 224), qRgb(200, 202, 212)};
    for (int cell = 0; cell < 3; ++cell) {
        QImage icon = transparent(kIconCell, kIconCell);
        paint_icon(icon, tiles[cell]);
        QPainter(&strip).drawImage(cell * kIconCell, 0, icon);
    }
    return strip;
}

} // namespace art
