// Gallery: the edit box (empty, with text, disabled) and the text display in its three
// layouts: large, small on one line, two small lines with a shortened tail.
#include "edit_box.h"
#include "gallery.h"
#include "text_display.h"

#include <QApplication>
#include <QLineEdit>

namespace {

void edit_boxes(Gallery& g) {
    QWidget* host = g.host(400, 120);
    EditBox::create(host, 20, 20, 148, 23, 14, EditAutoScroll, nullptr);
    EditBox* filled = EditBox::create(host, 20, 55, 148, 23, 14, EditAutoScroll, nullptr);
    filled->edit()->setText("moon");
    EditBox* disabled = EditBox::create(host, 200, 20, 148, 23, 14, EditAutoScroll, nullptr);
    disabled->edit()->setText("disabled");
    disabled->enable(false);
    EditBox::create(host, 200, 55, 148, 0, 12, EditAutoScroll, nullptr)
        ->edit()
        ->setText(QString::fromUtf8("つき"));
    QApplication::processEvents();
    g.save("edit_box", *host);
}

void text_displays(Gallery& g) {
    QWidget* host = g.host(360, 240);
    TextDisplay::create(host, 20, 20, 320, 60, QString::fromUtf8("日"), false, -7, 2);
    TextDisplay::create(host, 20, 90, 320, 60, "day, sun, Japan", false, -7, 2);
    TextDisplay::create(host, 20, 160, 320, 60,
                        "long time ago, old times, ancient, antiquity, the past, former", false, -7,
                        2);
    QApplication::processEvents();
    g.save("text_display", *host);

    QWidget* other_host = g.host(360, 170);
    TextDisplay::create(other_host, 20, 20, 320, 60, "moon", true, -7, 2);
    TextDisplay::create(other_host, 20, 90, 320, 60, QString::fromUtf8("ニチ、ジツ"), true, -7, 2);
    QApplication::processEvents();
    g.save("text_display_bold", *other_host);
}

void edit(Gallery& g) {
    edit_boxes(g);
    text_displays(g);
}

GalleryRegistration reg("edit", &edit);

} // namespace
