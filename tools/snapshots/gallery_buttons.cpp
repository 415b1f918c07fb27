// Gallery: Button in every look, and the explanation popup.
#include "button.h"
#include "explanation_popup.h"
#include "gallery.h"
#include "gallery_sheet.h"

namespace {

Button* make(QWidget* host, int y, const QString& caption, ColorRef swatch = 0) {
    return Button::create(
        host, 10, y, caption, 12, nullptr, [] {}, QString(), -1, swatch);
}

// Waits for the blink timer to reach the bright phase.
void wait_for_blink_phase(Button* b, int phase) {
    for (int i = 0; i < 150 && b->behaviour().blink != phase; ++i)
        settle(10);
}

void buttons(Gallery& g) {
    QWidget* host = g.host(700, 480);
    host->activateWindow();
    settle();
    GallerySheet sheet(3);
    int y = 0;
    auto add = [&](const QString& label, Button* b) {
        settle();
        sheet.add(label, *b);
        y += 30;
    };
    add("normal", make(host, y, "Review Learning List"));
    Button* hover = make(host, y, "Review Learning List");
    send_mouse(hover, QEvent::MouseMove, QPoint(20, 10));
    add("hover", hover);
    Button* pressed = make(host, y, "Review Learning List");
    pressed->set_sound(false);
    send_mouse(pressed, QEvent::MouseButtonPress, QPoint(20, 10));
    add("pressed", pressed);
    Button* disabled = make(host, y, "Review Learning List");
    disabled->enable(false);
    add("disabled", disabled);
    Button* greyed = make(host, y, "Review Learning List");
    greyed->set_shown_active(false);
    add("greyed", greyed);
    Button* focused = make(host, y, "Review Learning List");
    focused->focus();
    add("focused", focused);
    Button* blink = make(host, y, "Next");
    blink->attention(true);
    wait_for_blink_phase(blink, 2);
    add("blink, bright phase", blink);
    Button* alt = make(host, y, "Exit");
    alt->set_style(true);
    add("alternative style", alt);
    const ColorRef swatches[] = {0xd2d2d2, 0x7878d2, 0x78d278, 0xd27878, 0x4c92ff, 0xeaeab2};
    for (ColorRef c : swatches)
        add(QStringLiteral("swatch %1").arg(c, 6, 16, QChar('0')),
            make(host, y, "Kanji Meaning Multichoice", c));
    Button* swatch_hover = make(host, y, "Kanji Meaning Multichoice", 0x7878d2);
    send_mouse(swatch_hover, QEvent::MouseMove, QPoint(20, 10));
    add("swatch, hover", swatch_hover);
    Button* swatch_greyed = make(host, y, "Kanji Meaning Multichoice", 0x7878d2);
    swatch_greyed->set_shown_active(false);
    add("swatch, greyed", swatch_greyed);

    const QString note = QStringLiteral("Practise writing each kanji stroke by stroke");
    Surface popup(ExplanationPopup::size_for(note).width(),
                  ExplanationPopup::size_for(note).height());
    ExplanationPopup::paint(popup, note);
    sheet.add("explanation popup", popup.image());
    g.save("buttons", sheet.image());
    pressed->hold(0);
}

GalleryRegistration reg("buttons", &buttons);

} // namespace
