#include "review_strip.h"

#include "drawing.h"
#include "shell.h"

#include <QMouseEvent>
#include <algorithm>

namespace {

constexpr int kSlotStep = 19;
constexpr int kKanjiLeft = 8, kKanjiTop = 14, kKanjiSize = 16;
constexpr int kNumberLeft = 11, kNumberTop = 2, kNumberSize = 9;
constexpr ColorRef kSelectedColour = RGB(0, 0, 255);
constexpr ColorRef kOtherColour = RGB(128, 128, 128);
constexpr ColorRef kNumberColour = RGB(192, 192, 192);
// A release in the first 20 pixels moves back, one in the last 20 forward.
constexpr int kEndZone = 20;

} // namespace

ReviewStripRange ReviewStripRange::opening(int count) {
    return {count, 0, 0, std::min(count, kStripSlots)};
}

bool ReviewStripRange::move(bool forward) {
    if (forward) {
        if (selection < count - 1) ++selection;
        if (last < count && selection > kStripSlideAfter) {
            last += 1;
            first = last - kStripSlots;
        }
    } else {
        if (selection > 0) --selection;
        if (first > 0 && selection < count - (kStripSlideAfter + 1)) {
            first -= 1;
            last = first + kStripSlots;
        }
    }
    return selection > 0 && selection < count - 1;
}

bool ReviewStripRange::shows_dots(int i) const {
    return (i == first && first > 0) || (i == last - 1 && last < count);
}

void draw_review_strip(Surface& s, const ReviewStripRange& range,
                       const std::vector<KanjiRecord>& records) {
    draw_lined_background(s, 0, 0, ReviewListStrip::kWidth, ReviewListStrip::kHeight, true);
    const FontSpec number_font{QStringLiteral("Arial"), kNumberSize};
    for (int i = range.first; i < range.last && i < int(records.size()); ++i) {
        const int x = kSlotStep * (i - range.first);
        const bool selected = i == range.selection;
        const FontSpec font{App_JapaneseFace(), kKanjiSize, selected};
        const ColorRef colour = selected ? kSelectedColour : kOtherColour;
        if (range.shows_dots(i)) {
            s.text(x + kKanjiLeft, kKanjiTop, QStringLiteral(".."), font, colour);
            continue;
        }
        s.text(x + kKanjiLeft, kKanjiTop, QString(QChar(records[size_t(i)].Kanji)), font, colour);
        s.text(x + kNumberLeft, kNumberTop, QString::number(i + 1), number_font, kNumberColour);
    }
}

ReviewListStrip::ReviewListStrip(QWidget* parent, int x, int y, std::vector<KanjiRecord> records,
                                 std::function<void(bool forward)> on_move)
    : SurfaceWidget(parent, kWidth, kHeight), records_(std::move(records)),
      range_(ReviewStripRange::opening(int(records_.size()))), on_move_(std::move(on_move)) {
    setObjectName(QStringLiteral("ReviewListWindow"));
    move(x, y);
    refresh();
}

void ReviewListStrip::render() {
    draw_review_strip(surface(), range_, records_);
}

void ReviewListStrip::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !on_move_) return;
    const QPoint at = event->position().toPoint();
    if (QRect(0, 0, kEndZone, kHeight).contains(at))
        on_move_(false);
    else if (QRect(kWidth - kEndZone, 0, kEndZone, kHeight).contains(at))
        on_move_(true);
}
