#include "example_window.h"

#include "button.h"
#include "drawing.h"
#include "examples.h"
#include "options.h"
#include "palette.h"
#include "placement.h"
#include "pump.h"
#include "shell.h"

#include <QCloseEvent>
#include <QPainter>

namespace {

QPointer<ExampleWindow>& current() {
    static QPointer<ExampleWindow> window;
    return window;
}

constexpr QPoint kContentsAt(14, 30);
constexpr int kBackgroundBottom = 121;
constexpr ColorRef kMeaningColour = 0x808080;

QString text_of(const auto& counted) {
    const std::u16string t = counted.text();
    return QString::fromUtf16(t.data(), qsizetype(t.size()));
}

} // namespace

void draw_example_contents(Surface& s, const ExampleRecord& example) {
    s.clear(); // the box's corners are blended over what lies beneath them
    fill_sunken_box(s, 0, 0, kExampleContentsWidth, kExampleContentsHeight, 1);
    s.text(7, 7, text_of(example.ExampleWord), FontSpec{App_JapaneseFace(), 26, true},
           palette::Navy);
    s.text(7, 34, text_of(example.ExampleReading),
           FontSpec{QStringLiteral("Arial"), 12, false, true}, palette::Navy);
    s.text(7, 49, text_of(example.ExampleMeaning), FontSpec{QStringLiteral("Arial"), 12, false},
           kMeaningColour);
}

ExampleWindow::ExampleWindow(QWidget* reference)
    : FramelessWindow(reference, kWidth, kHeight, QStringLiteral("Example Window")),
      reference_(reference), contents_(kExampleContentsWidth, kExampleContentsHeight) {
    close_button_ = Button::create(
        this, 228, 110, QStringLiteral("Close"), 12, nullptr, [this] { close(); },
        QStringLiteral("Click to close Example Window"), -1, 0);
}

void ExampleWindow::open(QWidget* reference, int example_id) {
    ExampleWindow* window = current();
    // The window belongs to one review window; a different one gets a window of its own.
    if (window && window->reference_ != reference) {
        window->close();
        window = nullptr;
    }
    if (!window) {
        window = new ExampleWindow(reference);
        current() = window;
        window->move(place_window(get_option_slot(OptExampleWindowOffset),
                                  get_option_slot(OptExampleWindowOffset + 1), kWidth, kHeight,
                                  reference));
    }
    window->show_example(example_id);
    window->show();
    window->raise();
}

void ExampleWindow::close_if_open() {
    if (ExampleWindow* window = current()) window->close();
}

ExampleWindow* ExampleWindow::instance() {
    return current();
}

void ExampleWindow::show_example(int example_id) {
    const ExampleRecord* example = Examples_Load(example_id);
    draw_example_contents(contents_, example ? *example : ExampleRecord{});
    refresh();
}

void ExampleWindow::render(Surface& s) {
    draw_lined_background(s, 2, 20, width() - 2, kBackgroundBottom, true);
    s.blit(kContentsAt.x(), kContentsAt.y(), contents_.image(), 0, 0, contents_.width(),
           contents_.height());
}

void ExampleWindow::paintEvent(QPaintEvent* event) {
    FramelessWindow::paintEvent(event);
    QPainter p(this);
    p.setPen(colorref(palette::Navy));
    p.drawRect(0, 0, kWidth - 1, kHeight - 1);
}

void ExampleWindow::closeEvent(QCloseEvent* event) {
    if (closing_) return;
    closing_ = true;
    if (reference_) remember_window_offset(this, reference_, OptExampleWindowOffset);
    if (current() == this) current() = nullptr;
    hide();
    pump_messages();
    close_button_->destroy();
    deleteLater();
    event->accept();
}
