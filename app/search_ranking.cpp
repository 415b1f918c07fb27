#include "search_ranking.h"

#include <algorithm>
#include <array>
#include <memory>
#include <numeric>

std::vector<int> identity_order(int count) {
    std::vector<int> order(count > 0 ? size_t(count) : 0);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

namespace {

// Where an entry ranks: the longest piece of the search text its field contains (0: none) and
// the leftmost start in the search text of a piece of that length.
struct Placement {
    int length = 0;
    int start = 0;
};

// The search text's characters, each linked to its previous occurrence, so that the positions
// of any character are walked from the right in as many steps as it occurs.
class SearchPositions {
  public:
    explicit SearchPositions(const std::u16string& text)
        : last_(std::make_unique<std::array<int, 0x10000>>()), previous_(text.size()) {
        last_->fill(-1);
        for (size_t i = 0; i < text.size(); ++i) {
            previous_[i] = (*last_)[text[i]];
            (*last_)[text[i]] = int(i);
        }
    }
    int last(char16_t c) const { return (*last_)[c]; }
    int previous(int i) const { return previous_[size_t(i)]; }

  private:
    std::unique_ptr<std::array<int, 0x10000>> last_;
    std::vector<int> previous_;
};

// Longest common substring of the search text and each field, with its leftmost start in the
// search text. For each field character j and each search position i holding the same
// character, the common run ending at (i, j) is one longer than the run ending at (i - 1, j - 1).
// Runs are remembered per search position with a stamp saying which field position they end at;
// stamps grow from field to field, so nothing is cleared between entries.
class Matcher {
  public:
    explicit Matcher(const std::u16string& text)
        : positions_(text), run_(text.size(), 0), stamp_(text.size(), -2) {}

    Placement place(const std::u16string& field) {
        Placement best;
        for (size_t j = 0; j < field.size(); ++j) {
            const long here = base_ + long(j);
            // Right to left, so that the run at i - 1 still belongs to field position j - 1.
            for (int i = positions_.last(field[j]); i >= 0; i = positions_.previous(i)) {
                const int run =
                    (i > 0 && stamp_[size_t(i - 1)] == here - 1) ? run_[size_t(i - 1)] + 1 : 1;
                run_[size_t(i)] = run;
                stamp_[size_t(i)] = here;
                const int start = i - run + 1;
                if (run > best.length || (run == best.length && start < best.start))
                    best = {run, start};
            }
        }
        base_ += long(field.size()) + 1; // the next field's position -1 is no position here
        return best;
    }

  private:
    SearchPositions positions_;
    std::vector<int> run_;
    std::vector<long> stamp_;
    long base_ = 0;
};

} // namespace

std::vector<int> rank_search(const SearchIndex& index, const NormalisedSearch& search) {
    const int n = int(index.size());
    std::vector<Placement> placed(size_t(n), Placement{});
    if (!search.text.empty()) {
        Matcher matcher(search.text);
        for (int i = 0; i < n; ++i)
            placed[size_t(i)] = matcher.place(index[size_t(i)].field(search.mode));
    }
    std::vector<int> order = identity_order(n);
    // Longer pieces first, then pieces further left, then kanji order; no piece at all last.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const Placement& pa = placed[size_t(a)];
        const Placement& pb = placed[size_t(b)];
        if (pa.length != pb.length) return pa.length > pb.length;
        return pa.length > 0 && pa.start < pb.start;
    });
    return order;
}
