#include "review_examples.h"

#include "drawing.h"
#include "kanji_record.h"
#include "shell.h"
#include "trace.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>

namespace {

constexpr int kRowHeight = 46;
constexpr int kTextLeft = 7;
constexpr int kReadingGap = 11; // from the end of the word to its reading
constexpr int kMeaningDown = 20;
constexpr int kMeaningWidth = 164;
constexpr int kReadingRight = 167; // the italic slant leans a few pixels past the measure
// The part of a row that takes the highlight.
constexpr int kHoverLeft = 5, kHoverRight = 174;
// A move there clears the highlight (the pointer has left).
constexpr QPoint kOutside(1000, 1000);

constexpr ColorRef kOutlineColour = RGB(0, 0, 192);
constexpr ColorRef kWordColour = RGB(0, 0, 128);
constexpr ColorRef kMeaningColour = RGB(128, 128, 128);

QString qstring(const std::u16string& s) {
    return QString::fromUtf16(s.data(), qsizetype(s.size()));
}

void draw_outline(Surface& s, int top) {
    auto p = s.painter(true);
    p->setPen(QPen(colorref(kOutlineColour), 1));
    p->setBrush(Qt::NoBrush);
    p->drawRoundedRect(QRectF(1.5, top + 0.5, 175, 43), 5, 5); // (1, top, 177, top + 44)
}

// Shortens a reading, ending it with "..", until it fits `room`; behind a long word only a few
// kana may fit, so unlike other shortened texts it may keep fewer than five characters.
void fit_reading(const FontSpec& font, int room, QString& reading) {
    const QFontMetrics fm(make_font(font));
    if (fm.horizontalAdvance(reading) <= room) return;
    const int dots = fm.horizontalAdvance(QStringLiteral(".."));
    qsizetype n = reading.size();
    while (n > 0 && fm.horizontalAdvance(reading.left(n)) + dots > room)
        --n;
    reading = n > 0 ? reading.left(n) + QStringLiteral("..") : QString();
}

void draw_row(Surface& s, const ExampleRecord& example, int y, bool hovered) {
    fill_sunken_box(s, 0, y - 7, ReviewExamplesDisplay::kWidth, kRowHeight, 1);
    if (hovered) draw_outline(s, y - 6);
    const FontSpec word_font{App_JapaneseFace(), 16, true};
    const QString word = qstring(example.ExampleWord.text());
    s.text(kTextLeft, y, word, word_font, kWordColour);
    const int w = s.text_width(word, word_font);
    // A long reading is shortened rather than run over the row's right border.
    const FontSpec reading_font{QStringLiteral("Arial"), 12, false, true};
    QString reading = qstring(example.ExampleReading.text());
    fit_reading(reading_font, kReadingRight - (w + kReadingGap), reading);
    s.text(w + kReadingGap, y, reading, reading_font, kWordColour);
    const FontSpec meaning_font{QStringLiteral("Arial"), 12};
    QString meaning = qstring(example.ExampleMeaning.zero_terminated());
    fit_text_to_width(meaning_font, kMeaningWidth, meaning);
    s.text(kTextLeft, y + kMeaningDown, meaning, meaning_font, kMeaningColour);
}

// A small arrow at the right edge, in the top or the bottom row's border: more examples there.
void draw_more_arrow(Surface& s, bool up) {
    const int tip = up ? 1 : s.height() - 2;
    const int base = up ? tip + 5 : tip - 5;
    auto p = s.painter(true);
    p->setPen(Qt::NoPen);
    p->setBrush(colorref(kOutlineColour));
    const QPointF arrow[3] = {{169.0, double(base)}, {177.0, double(base)}, {173.0, double(tip)}};
    p->drawPolygon(arrow, 3);
}

} // namespace

int examples_hover_row(int x, int y, int count) {
    if (x < kHoverLeft || x >= kHoverRight || y < 0) return 0;
    const int row = y / kExampleRowStep + 1;
    return row <= count ? row : 0;
}

int examples_clicked_row(int y, int count) {
    if (y < 0) return -1;
    const int row = y / kExampleRowStep;
    return row + 1 <= count ? row : -1;
}

void draw_examples_display(Surface& s, const std::vector<ExampleRecord>& examples, int hovered,
                           int first_row) {
    draw_lined_background(s, 0, 0, s.width(), s.height(), true);
    const int count = int(examples.size());
    for (int i = first_row; i < count && i < first_row + kVisibleExampleRows; ++i)
        draw_row(s, examples[size_t(i)], 7 + kExampleRowStep * (i - first_row), hovered == i + 1);
    if (first_row > 0) draw_more_arrow(s, true);
    if (first_row + kVisibleExampleRows < count) draw_more_arrow(s, false);
}

int scrolled_first_row(int first_row, int steps, int count) {
    return std::clamp(first_row + steps, 0, std::max(0, count - kVisibleExampleRows));
}

ReviewExamplesDisplay::ReviewExamplesDisplay(QWidget* parent, int x, int y,
                                             std::function<void(int id)> on_open)
    : SurfaceWidget(parent, kWidth, kHeight), on_open_(std::move(on_open)) {
    setObjectName(QStringLiteral("Review_ExamplesDisplayWindow"));
    setMouseTracking(true);
    move(x, y);
    refresh();
    trace("Review_ExamplesDisplay_MouseThread %d\n", hovered_);
    connect(&check_, &QTimer::timeout, this, &ReviewExamplesDisplay::check_pointer);
    check_.start(kPointerCheckMs);
}

void ReviewExamplesDisplay::load(int count, const int32_t* ids) {
    trace("Review_ExamplesDisplay_Load %d\n", count);
    count = std::clamp(count, 0, kMaxExamplesPerKanji); // a record holds at most 48 ids
    if (hovered_ != -1) hovered_ = 0;
    first_row_ = 0;
    wheel_angle_ = 0;
    examples_.clear();
    ids_.clear();
    for (int i = 0; i < count; ++i) {
        trace("%d\n", i);
        const ExampleRecord* record = Examples_Load(ids[i]);
        examples_.push_back(record ? *record : ExampleRecord{});
        ids_.push_back(ids[i]);
        trace("%d\n", i);
    }
    refresh();
    trace("Review_ExamplesDisplay_Load DONE %d\n", count);
}

void ReviewExamplesDisplay::end_pointer_check() {
    hovered_ = -1;
    check_.stop();
}

void ReviewExamplesDisplay::render() {
    draw_examples_display(surface(), examples_, hovered_, first_row_);
}

void ReviewExamplesDisplay::pointer_moved(int x, int y) {
    if (hovered_ == -1) return;
    const int row = examples_hover_row(x, y + kExampleRowStep * first_row_, int(examples_.size()));
    if (row == hovered_) return;
    hovered_ = row;
    refresh();
}

void ReviewExamplesDisplay::check_pointer() {
    if (hovered_ == -1) return check_.stop();
    if (hovered_ == 0) return; // nothing to clear
    if (QApplication::widgetAt(QCursor::pos()) != this) pointer_moved(kOutside.x(), kOutside.y());
}

void ReviewExamplesDisplay::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    pointer_moved(at.x(), at.y());
}

void ReviewExamplesDisplay::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int y = event->position().toPoint().y() + kExampleRowStep * first_row_;
    const int row = examples_clicked_row(y, int(examples_.size()));
    if (row >= 0 && on_open_) on_open_(ids_[size_t(row)]);
}

void ReviewExamplesDisplay::wheelEvent(QWheelEvent* event) {
    // One row for each notch (120) of the wheel; turning it towards the user scrolls down.
    wheel_angle_ += event->angleDelta().y();
    const int steps = -wheel_angle_ / 120;
    wheel_angle_ += steps * 120;
    const int first = scrolled_first_row(first_row_, steps, int(examples_.size()));
    event->accept();
    if (first == first_row_) return;
    first_row_ = first;
    if (hovered_ != -1) hovered_ = 0; // the row under the pointer is another example now
    refresh();
    const QPoint at = event->position().toPoint();
    pointer_moved(at.x(), at.y());
}
