#include "summary_strip.h"

namespace {

constexpr int kCellStep = 29;
constexpr int kCellTop = 2;
constexpr int kCellHeight = 14;
constexpr ColorRef kPassed = 0xebebeb;
constexpr ColorRef kPassedInactive = 0xfafafa;
constexpr ColorRef kToDoInactive = 0xf5f5f5;
constexpr ColorRef kCrossOn = 0xd2fad2;
constexpr ColorRef kCrossKun = 0xfad2d2;
constexpr ColorRef kCrossInactive = 0xf0f0f0;
constexpr ColorRef kOutline = 0xdcdcdc;
constexpr int kOutlineEllipse = 7;

bool without_reading(const StripKanji& k, int slot) {
    return (slot == 1 && !k.has_on) || (slot == 2 && !k.has_kun);
}

} // namespace

std::vector<StripCell> strip_cells(const StripKanji& kanji, bool active) {
    std::vector<StripCell> cells;
    if (!kanji.present) return cells;
    for (int i = 0; i < kScoredExercises; ++i) {
        StripCell c;
        c.left = kCellStep * i + 2;
        c.width = i == kScoredExercises - 1 ? kCellStep + 1 : kCellStep;
        if (without_reading(kanji, i)) {
            c.fill = kPassed;
            c.crossed = true;
            c.cross = !active ? kCrossInactive : i == 1 ? kCrossOn : kCrossKun;
        } else if (kanji.scores[static_cast<size_t>(i)] != 0) {
            c.fill = active ? kPassed : kPassedInactive;
        } else {
            c.fill = active ? kExerciseColours[static_cast<size_t>(i)] : kToDoInactive;
        }
        cells.push_back(c);
    }
    return cells;
}

void paint_strip(Surface& s, const StripKanji& kanji, bool active) {
    s.resize(kStripWidth, kStripHeight);
    for (const StripCell& c : strip_cells(kanji, active)) {
        s.fill_rect(c.left, kCellTop, c.left + c.width, kCellTop + kCellHeight, c.fill);
        if (!c.crossed) continue;
        const int x = c.left - 2; // the cross is placed from the cell's step, not its edge
        s.line(x + 8, 5, x + 24, 12, c.cross, 2, true);
        s.line(x + 8, 12, x + 24, 5, c.cross, 2, true);
    }
    auto p = s.painter(true);
    p->setPen(colorref(kOutline));
    p->setBrush(Qt::NoBrush);
    p->drawRoundedRect(QRectF(0.5, 0.5, kStripWidth - 1, kStripHeight - 1), kOutlineEllipse / 2.0,
                       kOutlineEllipse / 2.0);
}
