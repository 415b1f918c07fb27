#include "preview_scene.h"

#include "art_palette.h"
#include "artwork.h"
#include "paint_util.h"

#include <QFont>

namespace art {
namespace {

constexpr int kSceneW = 560, kSceneH = 330;

QFont ui_font(int px, bool bold) {
    QFont f("Liberation Sans");
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

void lined(QPainter& p, QRect r, bool active) {
    p.fillRect(r, Qt::white);
    const QColor line = QColor::fromRgb(active ? kLineActive : kLineInactive);
    for (int y = r.top(); y <= r.bottom(); y += 2)
        p.fillRect(QRect(r.left(), y, r.width(), 1), line);
}

// One-pixel frames and lines of the scene are drawn without antialiasing, as the controls do.
struct Crisp {
    explicit Crisp(QPainter& p) : p_(p) { p_.setRenderHint(QPainter::Antialiasing, false); }
    ~Crisp() { p_.setRenderHint(QPainter::Antialiasing, true); }
    QPainter& p_;
};

void button(QPainter& p, int x, int y, const QImage& strip, int slice, const QString& text) {
    const int w = 28 + p.fontMetrics().horizontalAdvance(text);
    const int sx = slice * 34;
    p.drawImage(QPoint(x, y), strip, QRect(sx, 0, 10, 24));
    p.drawImage(QRect(x + 10, y, w - 20, 24), strip, QRect(sx + 10, 0, 14, 24));
    p.drawImage(QPoint(x + w - 10, y), strip, QRect(sx + 24, 0, 10, 24));
    const QRgb colours[] = {kNavy, kMediumBlue, kMediumBlue, from_colorref(0xe1e1e1),
                            from_colorref(0xebebeb)};
    const int d = slice == 2 ? 1 : 0;
    p.setPen(QColor::fromRgb(colours[slice]));
    p.drawText(x + 14 + d, y + 3 + 2 * d + p.fontMetrics().ascent(), text);
}

void buttons(QPainter& p, int x, int y) {
    p.setFont(ui_font(12, true));
    const char* captions[] = {"Start", "Hover", "Pressed", "Disabled", "Greyed"};
    for (int style = 0; style < 2; ++style) {
        const QImage strip = button_faces(style == 1);
        int bx = x;
        for (int s = 0; s < 5; ++s) {
            button(p, bx, y + style * 30, strip, s, captions[s]);
            bx += 28 + p.fontMetrics().horizontalAdvance(captions[s]) + 8;
        }
    }
}

void caption_bar(QPainter& p, int x, int y, int w, bool active, int glyph_state) {
    const int c = active ? 0 : 9;
    const QImage bar = caption_background();
    p.drawImage(QPoint(x + 2, y), bar, QRect(c + 2, 0, 5, 20));
    p.drawImage(QRect(x + 5, y, w - 9, 20), bar, QRect(c + 5, 0, 1, 20));
    p.drawImage(QPoint(x + w - 6, y), bar, QRect(c + 3, 0, 4, 20));
    p.setFont(ui_font(11, false));
    p.setPen(QColor::fromRgb(active ? kBorderDark : qRgb(200, 200, 200)));
    p.drawText(x + 22, y + 4 + p.fontMetrics().ascent(), "Kanji Meaning Multichoice");
    p.drawImage(QPoint(x + 5, y + 5), caption_icon(), QRect(active ? 0 : 24, 0, 12, 12));
    p.drawImage(QPoint(x + w - 25, y + 4), caption_close(), QRect(glyph_state * 19, 0, 19, 14));
    const int min_state = glyph_state == 3 ? 3 : (glyph_state + 1) % 3;
    p.drawImage(QPoint(x + w - 44, y + 4), caption_minimise(), QRect(min_state * 19, 0, 19, 14));
}

void window_frame(QPainter& p, QRect r, bool active, int glyph_state) {
    Crisp crisp(p);
    lined(p, r, active);
    caption_bar(p, r.x(), r.y(), r.width(), active, glyph_state);
    p.setPen(QColor::fromRgb(kBorderDark));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(Qt::white);
    p.drawRect(r.adjusted(1, 1, -2, -2));
}

void group_box(QPainter& p, int x, int y, int w, int h, bool active, const QString& title) {
    const QImage f = group_frame();
    const int c = active ? 0 : 14, t = 6, H = h + t;
    p.drawImage(QPoint(x, y + t), f, QRect(c, 0, 13, 13));
    p.drawImage(QPoint(x + w - 13, y + t), f, QRect(c, 14, 13, 13));
    p.drawImage(QPoint(x, y + H - t - 13), f, QRect(c, 28, 13, 13));
    p.drawImage(QPoint(x + w - 13, y + H - t - 13), f, QRect(c, 42, 13, 13));
    for (int yy = t + 13; yy < H - t - 13; yy += 2) {
        p.drawImage(QPoint(x, y + yy), f, QRect(c + 3, 56, 3, 2));
        p.drawImage(QPoint(x + w - 3, y + yy), f, QRect(c + 3, 56, 3, 2));
    }
    p.drawImage(QRect(x + 13, y + t, w - 26, 3), f, QRect(c, 56, 1, 3));
    p.drawImage(QRect(x + 13, y + H - t - 3, w - 26, 3), f, QRect(c, 56, 1, 3));
    p.setFont(ui_font(12, true));
    lined(p, QRect(x + 12, y, p.fontMetrics().horizontalAdvance(title) + 8, 12), active);
    p.setPen(QColor::fromRgb(kNavy));
    p.drawText(x + 16, y + 1 + p.fontMetrics().ascent(), title);
}

// The straight sides run between the corner pieces only, and the white inside stays within the
// borders: the pieces are transparent outside their bend, so nothing may be under them there.
void sunken_box(QPainter& p, int x, int y, int w, int h, int variant) {
    Crisp crisp(p);
    p.fillRect(QRect(x + 2, y + 2, w - 4, h - 4), Qt::white);
    const SideGreys rings[] = {kSunkenOuter, kSunkenInner};
    for (int ring = 0; ring < 2; ++ring) {
        const SideGreys& g = rings[ring];
        const int r = x + w - 1 - ring, b = y + h - 1 - ring;
        p.fillRect(QRect(x + 7, y + ring, w - 14, 1), QColor::fromRgb(grey(g.top)));
        p.fillRect(QRect(r, y + 6, 1, h - 12), QColor::fromRgb(grey(g.right)));
        p.fillRect(QRect(x + 6, b, w - 12, 1), QColor::fromRgb(grey(g.bottom)));
        p.fillRect(QRect(x + ring, y + 7, 1, h - 13), QColor::fromRgb(grey(g.left)));
    }
    const QImage c = sunken_corners(variant);
    p.drawImage(QPoint(x, y), c, QRect(0, 0, 7, 7));
    p.drawImage(QPoint(x + w - 7, y), c, QRect(8, 0, 7, 6));
    p.drawImage(QPoint(x + w - 6, y + h - 6), c, QRect(16, 0, 6, 6));
    p.drawImage(QPoint(x, y + h - 6), c, QRect(23, 0, 6, 6));
}

void check_box(QPainter& p, int x, int y, int cell, bool hovered, const QString& text) {
    Crisp crisp(p);
    p.fillRect(QRect(x + 2, y + 2, 12, 12), Qt::white);
    p.setPen(QColor::fromRgb(hovered ? kBorderDark : kLabelGrey));
    p.drawRect(x + 2, y + 2, 11, 11);
    p.setPen(QColor::fromRgb(hovered ? kLabelGrey : from_colorref(0xdedede)));
    p.drawPolyline(
        QPolygon({QPoint(x + 13, y + 3), QPoint(x + 13, y + 13), QPoint(x + 2, y + 13)}));
    // The mark as it shows over white, ANDed into the box.
    QImage mark = filled(12, 12, kWhite);
    QPainter(&mark).drawImage(0, 0, check_marks(), cell * 12, 0, 12, 12);
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.drawImage(QPoint(x + 3, y + 2), mark);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setFont(ui_font(12, false));
    p.setPen(QColor::fromRgb(hovered ? kMediumBlue : kNavy));
    p.drawText(x + 20, y + p.fontMetrics().ascent(), text);
}

void choices(QPainter& p, int x, int y) {
    const char* rows[] = {"eternity", "river", "water", "ice"};
    const QImage bullets = choice_bullets();
    p.setFont(ui_font(20, false));
    for (int r = 0; r < 4; ++r) {
        const int frame = r == 1 ? 52 : 26;
        p.drawImage(QPoint(x, y + 5 + 32 * r), bullets, QRect(frame, 0, 26, 25));
        p.setPen(QColor::fromRgb(r == 1 ? kBrightBlue : kNavy));
        p.drawText(x + 33, y + 32 * r + p.fontMetrics().ascent() + 4, rows[r]);
    }
}

} // namespace

QImage preview_scene() {
    QImage scene = filled(kSceneW, kSceneH, kWhite);
    QPainter p;
    begin_smooth(p, scene);
    window_frame(p, QRect(0, 0, 360, 180), true, 1);
    window_frame(p, QRect(0, 188, 360, 140), false, 3);
    buttons(p, 12, 30);
    group_box(p, 12, 92, 200, 72, true, "Options");
    check_box(p, 26, 112, 0, false, "Show Kanji Meanings");
    check_box(p, 26, 132, 1, true, "Automatically progress");
    sunken_box(p, 224, 98, 120, 70, 0);
    group_box(p, 12, 220, 200, 71, false, "Inactive"); // an odd height: other row parity
    check_box(p, 26, 244, 2, false, "Pale mark");
    sunken_box(p, 224, 226, 120, 70, 1);
    p.drawImage(QPoint(230, 236), question_icon());
    p.drawImage(QPoint(290, 236), notice_icon());
    choices(p, 380, 20);
    return scene;
}

} // namespace art
