#include "group_frame.h"

#include "drawing.h"
#include "palette.h"
#include "toolkit_images.h"

#include <QRegion>

namespace {

constexpr int kCorner = 13;
constexpr int kInactiveColumn = 14;
constexpr int kCornerRows[4] = {0, 14, 28, 42}; // top-left, top-right, bottom-left, bottom-right
constexpr int kEdgeRow = 56;
constexpr int kTitleOffset = 6;

FontSpec title_font() {
    return FontSpec{QStringLiteral("Tahoma"), 12, true};
}

} // namespace

GroupFrame* GroupFrame::create(QWidget* parent, int x, int y, int w, int h, const QString& title) {
    auto* frame = new GroupFrame(parent, w, h, title);
    frame->move(x, y);
    frame->show();
    return frame;
}

GroupFrame::GroupFrame(QWidget* parent, int w, int h, const QString& title)
    : SurfaceWidget(parent, w, h), title_(title) {
    setAccessibleName(title_);
    if (!title_.isEmpty()) title_width_ = surface().text_width(title_, title_font()) + 8;
    const int t = title_offset();
    QRegion ring(0, 0, w, h);
    ring = ring.xored(QRegion(6, t + 10, w - 12, h - 16 - t));
    setMask(ring);
    render();
}

int GroupFrame::title_offset() const {
    return title_.isEmpty() ? 0 : kTitleOffset;
}

void GroupFrame::set_active(bool active) {
    if (active == active_) return;
    active_ = active;
    refresh();
}

void GroupFrame::render() {
    Surface& s = surface();
    draw_lined_background(s, 0, 0, s.width(), s.height() + title_offset(), active_);
    draw_corners_and_edges(active_ ? 0 : kInactiveColumn);
    if (!title_.isEmpty()) draw_title();
}

void GroupFrame::draw_corners_and_edges(int c) {
    Surface& s = surface();
    const QImage& img = toolkit_image(image_id::GroupFrame);
    const int w = s.width(), t = title_offset();
    const int bottom = s.height() - kCorner; // H - t - 13 with H = h + t
    s.blit(0, t, img, c, kCornerRows[0], kCorner, kCorner);
    s.blit(w - kCorner, t, img, c, kCornerRows[1], kCorner, kCorner);
    s.blit(0, bottom, img, c, kCornerRows[2], kCorner, kCorner);
    s.blit(w - kCorner, bottom, img, c, kCornerRows[3], kCorner, kCorner);
    for (int y = t + kCorner; y < bottom; y += 2) {
        s.blit(0, y, img, c + 3, kEdgeRow, 3, 2);
        s.blit(w - 3, y, img, c + 3, kEdgeRow, 3, 2);
    }
    s.stretch_blit(kCorner, t, w - 2 * kCorner, 3, img, c, kEdgeRow, 1, 3);
    s.stretch_blit(kCorner, s.height() - 3, w - 2 * kCorner, 3, img, c, kEdgeRow, 1, 3);
}

void GroupFrame::draw_title() {
    Surface& s = surface();
    draw_lined_background(s, 12, 0, title_width_, 12, active_);
    s.text(16, 1, title_, title_font(), palette::Navy);
}
