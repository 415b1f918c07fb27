#pragma once
// The review window's meaning display: the kanji's meaning, then its ON and its KUN
// pronunciations, each entry's kana with its romaji beside it. Up to five entries stand one per
// line; six or more flow along lines up to 194 pixels wide, separated by ";".
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

// Places a block's entries from their measured widths, its first line at `top`.
ReadingBlockLayout layout_reading_block(int top, const std::vector<int>& kana_widths,
                                        const std::vector<int>& romaji_widths);

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
