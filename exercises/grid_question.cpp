#include "grid_question.h"

#include "counted_text.h"
#include "random.h"

#include <algorithm>

std::u16string clue_field(const KanjiRecord& record, int clue_kind) {
    switch (clue_kind) {
    case ClueOn:
        return record.OnRomaji.text();
    case ClueKun:
        return record.KunRomaji.text();
    default:
        return record.Meaning.text();
    }
}

namespace {

// Meaning about half of the time; a reading the kanji lacks gives way to the other one.
int draw_clue_kind(const KanjiRecord& r) {
    int kind = random_next() % 4;
    if (kind == 3) kind = ClueMeaning;
    if (kind == ClueOn && (r.OnPronun.empty() || r.OnRomaji.empty())) kind = ClueKun;
    if (kind == ClueKun && (r.KunPronun.empty() || r.KunRomaji.empty())) kind = ClueOn;
    return kind;
}

class GridBuilder {
  public:
    GridBuilder(GridQuestion& q, KanjiSource& source) : q_(q), source_(source) {}

    // True when the kanji would make a second cell that matches the clue.
    bool matches_clue(const KanjiRecord& r) const {
        if (r.Kanji == q_.record.Kanji) return true;
        if (q_.clue_kind == ClueOn && (r.OnPronun.text() == q_.record.OnPronun.text() ||
                                       r.OnRomaji.text() == q_.record.OnRomaji.text()))
            return true;
        if (q_.clue_kind == ClueKun && (r.KunPronun.text() == q_.record.KunPronun.text() ||
                                        r.KunRomaji.text() == q_.record.KunRomaji.text()))
            return true;
        return share_an_entry(split_readings(clue_field(r, q_.clue_kind)), q_.clue_entries);
    }

    void place(int cell, int kanji, char16_t character) {
        q_.cells[cell] = character;
        q_.cell_kanji[cell] = kanji;
        occupied_[cell] = true;
    }
    bool occupied(int cell) const { return occupied_[cell]; }

    int draw_free_cell() const {
        while (true) {
            const int column = random_next() % kGridColumns;
            const int row = random_next() % kGridRows;
            const int cell = GridQuestion::cell_index(column, row);
            if (!occupied_[cell]) return cell;
        }
    }

    // Up to 10 list positions (the current one among them, skipped), each kanji at a free cell
    // unless it would match the clue; a rejected kanji leaves its cell free.
    void place_list_kanji(const std::vector<int>& list, int position) {
        const int end = std::min<int>(static_cast<int>(list.size()), 10);
        for (int i = 0; i < end; ++i) {
            if (i == position) continue;
            const int cell = draw_free_cell();
            const KanjiRecord* r = source_.record(list[i]);
            if (!r || matches_clue(*r)) continue;
            place(cell, list[i], r->Kanji);
        }
    }

    // Every free cell, in index order, gets an unused kanji from outside the Learning List.
    void fill_free_cells() {
        std::vector<int> pool(kFillerPoolSize);
        for (int i = 0; i < kFillerPoolSize; ++i)
            pool[i] = source_.pool_at(i);
        for (int cell = 0; cell < kGridCells; ++cell) {
            if (occupied_[cell]) continue;
            for (int draws = 0; draws < kFillerDrawLimit; ++draws) {
                const int r = random_next() % (kFillerPoolSize - 1) + 1;
                if (try_filler(cell, pool[r])) {
                    pool[r] = -1;
                    break;
                }
            }
        }
    }

  private:
    bool try_filler(int cell, int kanji) {
        if (kanji <= 0 || source_.learning_contains(kanji)) return false;
        const KanjiRecord* r = source_.record(kanji);
        if (!r || r->Kanji == 0 || matches_clue(*r)) return false;
        place(cell, kanji, r->Kanji);
        return true;
    }

    GridQuestion& q_;
    KanjiSource& source_;
    std::array<bool, kGridCells> occupied_{};
};

} // namespace

GridQuestion build_grid_question(const std::vector<int>& exercise_list, int position,
                                 KanjiSource& source) {
    GridQuestion q;
    GridBuilder grid(q, source);
    q.target_column = random_next() % kGridColumns;
    q.target_row = random_next() % kGridRows;
    const int kanji = exercise_list[position];
    if (const KanjiRecord* r = source.record(kanji)) q.record = *r;
    grid.place(q.target_cell(), kanji, q.record.Kanji);
    q.clue_kind = draw_clue_kind(q.record);
    q.clue_entries = split_readings(clue_field(q.record, q.clue_kind));
    grid.place_list_kanji(exercise_list, position);
    grid.fill_free_cells();
    return q;
}
