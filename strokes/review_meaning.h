#pragma once
// The review window's meaning display: the kanji's meaning, then its ON and its KUN
// pronunciations, each entry's kana with its romaji beside it. Up to five entries stand one per
// line; six or more flow along lines up to 194 pixels wide, separated by ";". A block never
// draws outside its box: entries that would not fit one per line flow, and flowing lines that
// would not fit are set in a smaller size.
#include "kanji_record.h"
#include "surface_widget.h"

#include <QPoint>
#include <string_view>
#include <vector>

// One entry of a pronunciation block.
struct ReadingPair {
    QString kana;
    QString romaji;
};
// Pairs the i-th kana entry with the i-th romaji entry; the block has as many entries as the
// romaji field (a kana entry that is missing is empty).
std::vector<ReadingPair> pair_readings(std::u16string_view kana, std::u16string_view romaji);

struct PlacedPair {
    int kana_x;
    int romaji_x;
    int y;
};
struct ReadingBlockLayout {
    std::vector<PlacedPair> entries;
    std::vector<QPoint> separators; // where each ";" goes
};

// First line of each block.
constexpr int kOnBlockTop = 129;
constexpr int kKunBlockTop = 227;
constexpr int kOneEntryPerLineUpTo = 5;

// Places a block's entries from their measured widths, its first line at `top`, lines
// `line_step` apart: up to `one_per_line_up_to` entries one per line, more flowing.
ReadingBlockLayout layout_reading_block(int top, const std::vector<int>& kana_widths,
                                        const std::vector<int>& romaji_widths, int line_step = 16,
                                        int one_per_line_up_to = kOneEntryPerLineUpTo);
// How many lines a layout uses.
int lines_used(const ReadingBlockLayout& layout, int top, int line_step);

// The display's picture (200 x 312) for a record.
void draw_meaning_display(Surface& s, const KanjiRecord& record);

class ReviewMeaningDisplay : public SurfaceWidget {
    Q_OBJECT

  public:
    static constexpr int kWidth = 200, kHeight = 312;

    ReviewMeaningDisplay(QWidget* parent, int x, int y);
    // Copies the record and redraws.
    void load(const KanjiRecord& record);
    const KanjiRecord& record() const { return record_; }

  protected:
    void render() override;

  private:
    KanjiRecord record_{};
};
