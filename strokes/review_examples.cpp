#include "review_examples.h"

#include "drawing.h"
#include "kanji_record.h"
#include "shell.h"
#include "trace.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <algorithm>

namespace {

constexpr int kRowHeight = 46;
constexpr int kTextLeft = 7;
constexpr int kReadingGap = 11; // from the end of the word to its reading
constexpr int kMeaningDown = 20;
constexpr int kMeaningWidth = 164;
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

void draw_row(Surface& s, const ExampleRecord& example, int y, bool hovered) {
    fill_sunken_box(s, 0, y - 7, ReviewExamplesDisplay::kWidth, kRowHeight, 1);
    if (hovered) draw_outline(s, y - 6);
    const FontSpec word_font{App_JapaneseFace(), 16, true};
    const QString word = qstring(example.ExampleWord.text());
    s.text(kTextLeft, y, word, word_font, kWordColour);
    const int w = s.text_width(word, word_font);
    s.text(w + kReadingGap, y, qstring(example.ExampleReading.text()),
           FontSpec{QStringLiteral("Arial"), 12, false, true}, kWordColour);
    const FontSpec meaning_font{QStringLiteral("Arial"), 12};
    QString meaning = qstring(example.ExampleMeaning.zero_terminated());
    fit_text_to_width(meaning_font, kMeaningWidth, meaning);
    s.text(kTextLeft, y + kMeaningDown, meaning, meaning_font, kMeaningColour);
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

void draw_examples_display(Surface& s, const std::vector<ExampleRecord>& examples, int hovered) {
    draw_lined_background(s, 0, 0, s.width(), s.height(), true);
    for (size_t i = 0; i < examples.size(); ++i)
        draw_row(s, examples[i], 7 + kExampleRowStep * int(i), hovered == int(i) + 1);
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
    draw_examples_display(surface(), examples_, hovered_);
}

void ReviewExamplesDisplay::pointer_moved(int x, int y) {
    if (hovered_ == -1) return;
    const int row = examples_hover_row(x, y, int(examples_.size()));
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
    const int row = examples_clicked_row(event->position().toPoint().y(), int(examples_.size()));
    if (row >= 0 && on_open_) on_open_(ids_[size_t(row)]);
}
