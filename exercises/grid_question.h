#pragma once
// The question of the kanji grid search: a clue about the current kanji and a grid of 60 kanji in
// which exactly one cell matches it.
#include "kanji_source.h"
#include "reading_entries.h"

#include <array>
#include <vector>

enum ClueKind : int { ClueMeaning = 0, ClueOn = 1, ClueKun = 2 };

constexpr int kGridColumns = 10;
constexpr int kGridRows = 6;
constexpr int kGridCells = kGridColumns * kGridRows;
// Fillers come from pool entries 1..1944: kanji 1945 never fills a cell.
constexpr int kFillerPoolSize = 1945;
// Draws for one filler cell before it is left empty (a Learning List holding nearly every kanji
// could leave too few candidates).
constexpr int kFillerDrawLimit = 20000;

struct GridQuestion {
    // Cell index = column * 6 + row.
    std::array<char16_t, kGridCells> cells{};
    std::array<int, kGridCells> cell_kanji{}; // the kanji number in each cell, 0 for none
    int target_column = 0;
    int target_row = 0;
    int clue_kind = ClueMeaning;
    KanjiRecord record{}; // the current kanji's
    Entries clue_entries;

    static int cell_index(int column, int row) { return column * kGridRows + row; }
    int target_cell() const { return cell_index(target_column, target_row); }
};

// The field a clue kind names: Meaning, OnRomaji or KunRomaji.
std::u16string clue_field(const KanjiRecord& record, int clue_kind);

// Builds the question for list position `position` of the exercise list. Draws from the
// program's generator in a fixed order.
GridQuestion build_grid_question(const std::vector<int>& exercise_list, int position,
                                 KanjiSource& source);
