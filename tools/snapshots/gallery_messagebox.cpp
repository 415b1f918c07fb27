// Gallery: the message box as OK notice, Yes/No question and with the check box.
#include "gallery.h"
#include "gallery_sheet.h"
#include "message_box.h"

#include <QTimer>

namespace {

// Shows the box, grabs it once it is up, then closes it with the close glyph.
QImage shoot(QWidget* owner, const QString& text, int kind) {
    QImage shot;
    QTimer::singleShot(50, owner, [&] {
        QWidget* box = open_message_box();
        if (!box) return;
        settle(50);
        shot = box->grab().toImage();
        send_mouse(box, QEvent::MouseButtonPress, QPoint(box->width() - 16, 10));
        send_mouse(box, QEvent::MouseButtonRelease, QPoint(box->width() - 16, 10));
    });
    // A slot no screen uses; nothing is ticked, so nothing is stored.
    show_message_box(owner, text, kind, kind / 10 == 1 ? 90 : -1);
    return shot;
}

void message_boxes(Gallery& g) {
    QWidget* owner = g.host(672, 499);
    settle();
    g.save("message_box_ok", shoot(owner, "Exercise Complete.", MessageOk));
    g.save("message_box_yes_no",
           shoot(owner, "Would you like to mark removed words as completed?", MessageYesNo));
    g.save("message_box_three_lines",
           shoot(owner,
                 "Unable to proceed. The Learning List is currently empty.\nClick the 'Add Word' "
                 "button to add words to the Learning List.\nThird line.",
                 MessageOk));
    g.save("message_box_with_check",
           shoot(owner, "The word is already in the Learning List.", MessageYesNoWithCheck));
}

GalleryRegistration reg("message_boxes", &message_boxes);

} // namespace
