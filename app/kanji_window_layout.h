#pragma once
// Where the Kanji Window puts the entries of a pronunciation field: each entry's kana and its
// romaji beside it. Up to four entries stand one per line; five or more flow along the lines,
// separated by ";", wrapping before an entry that would reach the box's right side. A box holds
// four lines: entries that would fall below them are not drawn, so nothing leaves the box.
#include <vector>

struct ReadingBox {
    int kana_y;     // the first line's kana
    int romaji_y;   // the first line's romaji
    int romaji_gap; // from the end of the kana to its romaji, one entry per line
};

// ON and KUN boxes of the Kanji Window's contents.
constexpr ReadingBox kOnReadingBox{130, 129, 5};
constexpr ReadingBox kKunReadingBox{227, 225, 4};
constexpr int kReadingLineStep = 16;
constexpr int kReadingLines = 4;
constexpr int kReadingLeft = 6;
constexpr int kReadingWrapAt = 220;
constexpr int kOneEntryPerLineUpTo = 4;

struct PlacedReading {
    int kana_x, kana_y, romaji_x, romaji_y;
    int line;
};
struct PlacedSeparator {
    int x, y;
    int line;
};
struct ReadingLayout {
    std::vector<PlacedReading> entries;      // only those on the box's lines
    std::vector<PlacedSeparator> separators; // ";" between entries, on the box's lines
};

// The entries' measured widths: kana_widths[i] and romaji_widths[i] (a missing romaji is 0 wide).
ReadingLayout layout_readings(const ReadingBox& box, const std::vector<int>& kana_widths,
                              const std::vector<int>& romaji_widths);
