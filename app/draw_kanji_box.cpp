#include "draw_kanji_box.h"

#include "drawing.h"

#include <QMouseEvent>

namespace {

constexpr ColorRef kGuideColour = RGB(232, 232, 232);

InkPoint ink_point(const QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    return {p.x(), p.y()};
}

} // namespace

DrawKanjiBox::DrawKanjiBox(QWidget* parent, int x, int y, std::function<void()> on_change)
    : SurfaceWidget(parent, kSize, kSize), cursors_(PracticeCursors_Load()),
      on_change_(std::move(on_change)) {
    move(x, y);
    setMouseTracking(true);
    show_cursor();
    refresh();
    show();
}

// The sunken box with faint centre lines to size the kanji by, and every stroke drawn so far.
void DrawKanjiBox::render() {
    Surface& s = surface();
    fill_sunken_box(s, 0, 0, kSize, kSize, 0);
    for (int at = 8; at < kSize - 8; at += 8) {
        s.fill_rect(at, kSize / 2, at + 4, kSize / 2 + 1, kGuideColour);
        s.fill_rect(kSize / 2, at, kSize / 2 + 1, at + 4, kGuideColour);
    }
    for (const InkStroke& stroke : ink_) {
        draw_dot(stroke.front());
        for (size_t i = 1; i < stroke.size(); ++i)
            draw_segment(stroke[i - 1], stroke[i]);
    }
}

void DrawKanjiBox::draw_dot(InkPoint p) {
    surface().fill_ellipse(p.x - kInkWidth / 2, p.y - kInkWidth / 2, p.x + kInkWidth / 2,
                           p.y + kInkWidth / 2, kInkColour, kInkColour, 1);
}

void DrawKanjiBox::draw_segment(InkPoint from, InkPoint to) {
    surface().line(from.x, from.y, to.x, to.y, kInkColour, kInkWidth, true);
}

void DrawKanjiBox::show_cursor() {
    if (drawing_)
        setCursor(cursors_.drawing);
    else if (int(ink_.size()) >= kMaxStrokes)
        setCursor(cursors_.refused);
    else
        setCursor(cursors_.idle);
}

// A press while a stroke is still open (its release went elsewhere) ends that stroke first.
void DrawKanjiBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (drawing_) end_stroke();
    if (int(ink_.size()) >= kMaxStrokes) return; // the refused cursor says so
    drawing_ = true;
    ink_.push_back({ink_point(event)});
    draw_dot(ink_.back().front());
    show_cursor();
    update();
}

void DrawKanjiBox::mouseMoveEvent(QMouseEvent* event) {
    if (!drawing_) return;
    const InkPoint p = ink_point(event);
    InkStroke& stroke = ink_.back();
    if (p == stroke.back() || stroke.size() >= kMaxPoints) return;
    draw_segment(stroke.back(), p);
    stroke.push_back(p);
    update();
}

void DrawKanjiBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !drawing_) return;
    mouseMoveEvent(event); // the release's own point
    end_stroke();
}

void DrawKanjiBox::end_stroke() {
    drawing_ = false;
    show_cursor();
    update();
    if (on_change_) on_change_();
}

void DrawKanjiBox::undo_stroke() {
    drawing_ = false;
    if (!ink_.empty()) ink_.pop_back();
    show_cursor();
    refresh();
    if (on_change_) on_change_();
}

void DrawKanjiBox::clear() {
    drawing_ = false;
    ink_.clear();
    show_cursor();
    refresh();
    if (on_change_) on_change_();
}
