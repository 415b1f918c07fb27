#include "kanji_window.h"

#include "button.h"
#include "drawing.h"
#include "kanji_data.h"
#include "kanji_window_contents.h"
#include "learning_list.h"
#include "options.h"
#include "palette.h"
#include "placement.h"
#include "pump.h"
#include "shell.h"

#include <QCloseEvent>
#include <QPainter>
#include <cstring>

namespace {

QPointer<KanjiWindow>& current() {
    static QPointer<KanjiWindow> window;
    return window;
}

constexpr QPoint kContentsAt(14, 22);
constexpr int kBackgroundBottom = 337;

} // namespace

KanjiWindow::KanjiWindow()
    : FramelessWindow(App_MainWindow(), kWidth, kHeight, QStringLiteral("Kanji Window")),
      contents_(kKanjiContentsWidth, kKanjiContentsHeight) {
    close_button_ = Button::create(
        this, 182, 326, QStringLiteral("Close"), 12, nullptr, [this] { close(); },
        QStringLiteral("Click to close Kanji Window"), -1, 0);
}

void KanjiWindow::open(QWidget* reference, int value, bool by_position) {
    const int kanji = by_position ? LearningList_At(value) : value;
    KanjiWindow* window = current();
    if (!window) {
        window = new KanjiWindow;
        current() = window;
        window->move(place_window(get_option_slot(OptKanjiWindowOffset),
                                  get_option_slot(OptKanjiWindowOffset + 1), kWidth, kHeight,
                                  reference));
    }
    window->reference_ = reference;
    window->show_kanji(kanji);
    window->show();
    window->raise();
}

void KanjiWindow::close_if_open() {
    if (KanjiWindow* window = current()) window->close();
}

KanjiWindow* KanjiWindow::instance() {
    return current();
}

void KanjiWindow::show_kanji(int kanji) {
    const KanjiRecord* record = KanjiData_LoadRecord(kanji);
    if (record)
        record_ = *record;
    else
        std::memset(&record_, 0, sizeof record_);
    draw_kanji_contents(contents_, record_);
    refresh();
}

void KanjiWindow::render(Surface& s) {
    draw_lined_background(s, 2, 20, width() - 2, kBackgroundBottom, true);
    s.blit(kContentsAt.x(), kContentsAt.y(), contents_.image(), 0, 0, contents_.width(),
           contents_.height());
}

// The navy outline goes over the border that the window draws last.
void KanjiWindow::paintEvent(QPaintEvent* event) {
    FramelessWindow::paintEvent(event);
    QPainter p(this);
    p.setPen(colorref(palette::Navy));
    p.drawRect(0, 0, kWidth - 1, kHeight - 1);
}

// Remembers the offset from the window it was opened from (unless that window has gone: the
// offset is then kept as it was), hides and goes.
void KanjiWindow::closeEvent(QCloseEvent* event) {
    if (closing_) return;
    closing_ = true;
    if (reference_) remember_window_offset(this, reference_, OptKanjiWindowOffset);
    if (current() == this) current() = nullptr;
    hide();
    pump_messages();
    close_button_->destroy();
    deleteLater();
    event->accept();
}
