// Gallery: caption bars on a window's top edge, active (pointer away, over the bar, pressed,
// over each glyph, glyph pressed) and inactive, with and without the minimise glyph.
#include "caption_bar.h"
#include "drawing.h"
#include "gallery.h"

#include <QPainter>

namespace {

constexpr int kWidth = 360;
constexpr int kRow = 36; // a bar, a little of the window below it and the gap to the next

struct Variant {
    const char* title;
    bool with_minimise;
    bool active;
    QPoint move; // (-1, -1): pointer elsewhere
    bool press;
};

QImage window_top(const Variant& v) {
    CaptionBarState st(kWidth, 20, v.with_minimise);
    st.set_active(v.active);
    if (v.move.x() >= 0) st.mouse_move(v.move);
    if (v.press) st.mouse_down(v.move);
    Surface s(kWidth, kRow - 6);
    draw_lined_background(s, 2, 20, kWidth - 2, kRow - 6 - 20, v.active);
    Surface bar(kWidth, 20);
    CaptionBar::paint(bar, st, v.title);
    s.copy_from(bar, 0, 0);
    draw_window_border(s, false);
    return s.image();
}

void caption(Gallery& g) {
    const QPoint title(120, 10), close(kWidth - 16, 10), minimise(kWidth - 35, 10);
    const Variant variants[] = {
        {"Brushwise", true, true, {-1, -1}, false},
        {"Brushwise", true, true, title, false},
        {"Brushwise", true, true, close, false},
        {"Brushwise", true, true, minimise, true},
        {"Brushwise", true, false, {-1, -1}, false},
        {"Kanji Meaning Multichoice", false, true, title, true},
        {"Kanji Meaning Multichoice", false, true, close, true},
        {"Kanji Meaning Multichoice", false, false, {-1, -1}, false},
    };
    QImage sheet(kWidth + 20, int(std::size(variants)) * kRow + 14, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    int y = 10;
    for (const Variant& v : variants) {
        p.drawImage(10, y, window_top(v));
        y += kRow;
    }
    p.end();
    g.save("caption_bar", sheet);
}

GalleryRegistration reg("caption", &caption);

} // namespace
