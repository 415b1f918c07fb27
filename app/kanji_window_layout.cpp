#include "kanji_window_layout.h"

#include <cstddef>

namespace {

int width_at(const std::vector<int>& widths, std::size_t i) {
    return i < widths.size() ? widths[i] : 0;
}

ReadingLayout one_per_line(const ReadingBox& box, const std::vector<int>& kana) {
    ReadingLayout layout;
    for (std::size_t i = 0; i < kana.size() && int(i) < kReadingLines; ++i) {
        const int step = kReadingLineStep * int(i);
        layout.entries.push_back({kReadingLeft, box.kana_y + step,
                                  kReadingLeft + kana[i] + box.romaji_gap, box.romaji_y + step,
                                  int(i)});
    }
    return layout;
}

ReadingLayout flowing(const ReadingBox& box, const std::vector<int>& kana,
                      const std::vector<int>& romaji) {
    ReadingLayout layout;
    int x = kReadingLeft, line = 0;
    for (std::size_t i = 0; i < kana.size(); ++i) {
        const int kw = kana[i], rw = width_at(romaji, i);
        // An entry too wide for a whole line stays on the line it starts.
        if (x > kReadingLeft && x + kw + rw + 4 >= kReadingWrapAt) {
            ++line;
            x = kReadingLeft;
        }
        if (line >= kReadingLines) break;
        const int step = kReadingLineStep * line;
        layout.entries.push_back({x, box.kana_y + step, x + kw + 4, box.romaji_y + step, line});
        x += kw + rw + 14;
        if (i + 1 < kana.size()) layout.separators.push_back({x - 7, box.romaji_y + step, line});
    }
    return layout;
}

} // namespace

ReadingLayout layout_readings(const ReadingBox& box, const std::vector<int>& kana_widths,
                              const std::vector<int>& romaji_widths) {
    if (int(kana_widths.size()) <= kOneEntryPerLineUpTo) return one_per_line(box, kana_widths);
    return flowing(box, kana_widths, romaji_widths);
}
