// Gallery: CheckBox and RadioButton in every value and look, wrapped captions.
#include "check_box.h"
#include "gallery.h"
#include "gallery_sheet.h"
#include "radio_button.h"

namespace {

const QString kCaption = QStringLiteral("Automatically progress to next kanji");

CheckBox* box(QWidget* host, bool checked, const QString& caption = kCaption, int max = -1) {
    return CheckBox::create(host, nullptr, caption, 10, 10, max, 0, checked, {});
}

void check_boxes(Gallery& g) {
    QWidget* host = g.host(600, 400);
    host->activateWindow();
    settle();
    GallerySheet sheet(2);
    auto add = [&](const QString& label, QWidget* w) {
        settle();
        sheet.add(label, *w);
    };
    add("value 0, unchecked", box(host, false));
    add("value 2, checked", box(host, true));
    CheckBox* pressed = box(host, false);
    send_mouse(pressed, QEvent::MouseButtonPress, QPoint(5, 5));
    add("value 1, pressed", pressed);
    CheckBox* pressed_checked = box(host, true);
    send_mouse(pressed_checked, QEvent::MouseButtonPress, QPoint(5, 5));
    add("value 3, checked and pressed", pressed_checked);
    CheckBox* hovered = box(host, true);
    send_mouse(hovered, QEvent::MouseMove, QPoint(5, 5));
    add("hovered, checked", hovered);
    CheckBox* focused = box(host, true);
    focused->focus();
    add("focused", focused);
    CheckBox* greyed = box(host, true);
    greyed->set_greyed(true);
    add("greyed", greyed);
    CheckBox* disabled = box(host, true);
    disabled->set_enabled(false);
    add("disabled", disabled);
    CheckBox* locked = box(host, true);
    locked->set_locked(true);
    add("locked", locked);
    CheckBox* unlined = box(host, false);
    unlined->set_lined(false);
    add("background without lines", unlined);
    add("wrapped at a space (max 200)",
        box(host, true, QStringLiteral("Exclude completed Kanji from Individual Exercises"), 200));
    add("wrapped without a space (max 150)",
        box(host, false, QStringLiteral("Donotshowthiswarningagainplease."), 150));
    g.save("check_boxes", sheet.image());
}

RadioButton* radio(QWidget* host, bool checked, const QString& caption = "ON Pronunciation") {
    return RadioButton::create(host, nullptr, caption, 10, 10, -1, checked, true, {});
}

void radio_buttons(Gallery& g) {
    QWidget* host = g.host(500, 300);
    settle();
    GallerySheet sheet(2);
    auto add = [&](const QString& label, QWidget* w) {
        settle();
        sheet.add(label, *w);
    };
    add("unselected", radio(host, false));
    add("selected", radio(host, true));
    RadioButton* hovered = radio(host, false);
    send_mouse(hovered, QEvent::MouseMove, QPoint(5, 5));
    add("hovered", hovered);
    RadioButton* hovered_sel = radio(host, true);
    send_mouse(hovered_sel, QEvent::MouseMove, QPoint(5, 5));
    add("hovered, selected", hovered_sel);
    RadioButton* pressed = radio(host, false);
    send_mouse(pressed, QEvent::MouseButtonPress, QPoint(5, 5));
    add("pressed", pressed);
    RadioButton* disabled = radio(host, false);
    disabled->set_enabled(false);
    add("disabled", disabled);
    add("not lined", RadioButton::create(host, nullptr, "Meaning", 10, 10, -1, true, false, {}));
    add("wrapped (max 150)",
        RadioButton::create(host, nullptr, "KUN Pronunciation in romaji or kana", 10, 10, 150,
                            false, true, {}));
    g.save("radio_buttons", sheet.image());
}

GalleryRegistration reg_checks("check_boxes", &check_boxes);
GalleryRegistration reg_radios("radio_buttons", &radio_buttons);

} // namespace
