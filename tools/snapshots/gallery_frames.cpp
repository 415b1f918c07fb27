// Gallery: the drawing helpers and the frames (GroupFrame, Panel, sunken boxes, window border,
// label styles, the lined background).
#include "drawing.h"
#include "gallery.h"
#include "gallery_sheet.h"
#include "group_frame.h"
#include "palette.h"
#include "panel.h"

namespace {

// The frame's pieces are transparent round the frame line, so the bottom corners (at h - 13)
// meet the panel's line rows at either parity: the frames come in odd heights, like the exercise
// counter's 51, and in even ones.
void frames(Gallery& g) {
    QWidget* host = g.host(520, 420);
    GroupFrame::create(host, 10, 10, 240, 91, QStringLiteral("List Management"));
    GroupFrame::create(host, 270, 10, 240, 90, QStringLiteral("List Management"))
        ->set_active(false);
    GroupFrame::create(host, 10, 110, 240, 50, {});
    GroupFrame::create(host, 270, 110, 240, 51, {})->set_active(false);
    const auto contents = [](Surface& s) {
        draw_label(s, 14, 30, QStringLiteral("Kanji in list: 10"), 12, LabelTahomaBold, true);
    };
    Panel::create(host, 10, 180, 240, 110, QStringLiteral("Learning List Status"), contents, {});
    Panel::create(host, 270, 180, 240, 110, QStringLiteral("Learning List Status"), contents, {})
        ->set_active(0);
    Panel::create(host, 10, 300, 240, 100, {}, contents, {});
    settle();
    g.save("frames", *host);
}

void drawing(Gallery& g) {
    Surface s(560, 420);
    draw_lined_background(s, 0, 0, 280, 420, true);
    draw_lined_background(s, 280, 0, 280, 420, false);
    fill_sunken_box(s, 20, 20, 240, 70, 0);
    fill_sunken_box(s, 300, 20, 240, 70, 1);
    draw_label(s, 30, 40, QStringLiteral("sunken box, variant 0"), 12, LabelTahoma, true);
    draw_label(s, 310, 40, QStringLiteral("sunken box, variant 1"), 12, LabelTahoma, true);
    const char* names[] = {"0 Verdana",    "1 Times",         "2 Tahoma bold shadow",
                           "3 Tahoma",     "4 Tahoma bold",   "5 default",
                           "9 Arial grey", "10 Verdana bold", "11 Times bold"};
    const int styles[] = {0, 1, 2, 3, 4, 5, 9, 10, 11};
    for (int i = 0; i < 9; ++i) {
        draw_label(s, 20, 110 + i * 24, QString::fromLatin1(names[i]), 14, styles[i], true);
        draw_label(s, 300, 110 + i * 24, QString::fromLatin1(names[i]), 14, styles[i], false);
    }
    QString shortened = QStringLiteral("a meaning far too long for its box");
    const FontSpec font{QStringLiteral("Tahoma"), 12, true};
    fit_text_to_width(font, 160, shortened);
    s.fill_rect(20, 340, 180, 356, palette::White);
    s.frame_rect(19, 339, 181, 357, palette::BorderDark);
    s.text(20, 340, shortened, font, palette::Navy);
    draw_label(s, 200, 340, QStringLiteral("fit_text_to_width, 160 px"), 12, LabelTahoma, true);
    draw_window_border(s, false);
    g.save("drawing", s.image());

    Surface light(200, 100);
    draw_lined_background(light, 0, 0, 200, 100, true);
    draw_window_border(light, true);
    g.save("window_border_light", light.image());
}

GalleryRegistration reg_frames("frames", &frames);
GalleryRegistration reg_drawing("drawing", &drawing);

} // namespace
