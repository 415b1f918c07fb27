#include "search_ranking.h"

#include <algorithm>
#include <bit>
#include <cstdint>
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

// The characters of the search text, each with the set of positions where it stands, one bit
// per position, found through a table indexed by the character.
class PositionSets {
  public:
    explicit PositionSets(const std::u16string& text)
        : words_(std::max<size_t>(1, (text.size() + 63) / 64)), ids_(0x10000, 0),
          sets_(words_) { // set 0: no position
        for (size_t i = 0; i < text.size(); ++i) {
            uint32_t& id = ids_[text[i]];
            if (id == 0) {
                id = uint32_t(sets_.size() / words_);
                sets_.resize(sets_.size() + words_, 0);
            }
            sets_[id * words_ + i / 64] |= uint64_t(1) << (i % 64);
        }
    }
    size_t words() const { return words_; }
    // The positions of c, or null when c does not occur.
    const uint64_t* of(char16_t c) const {
        const uint32_t id = ids_[c];
        return id ? &sets_[id * words_] : nullptr;
    }

  private:
    size_t words_;
    std::vector<uint32_t> ids_;  // by character: 0 when absent, else the index of its set
    std::vector<uint64_t> sets_; // words_ words per set
};

// The longest common substring of the search text and a field, with its leftmost start in the
// search text. Walking the field, level k holds the search positions i at which a common run of
// at least k characters ends at the current field character: level 1 is where that character
// stands in the search text, level k is level k - 1 of the previous field character moved one
// position on and kept where the character stands. The levels stop at the first empty one.
// W is the number of 64-bit words of a set when fixed at compile time (short texts), else 0.
template <size_t W> class Matcher {
  public:
    explicit Matcher(const std::u16string& text)
        : sets_(text), words_(W ? W : sets_.words()), previous_((text.size() + 2) * words_),
          current_((text.size() + 2) * words_) {}

    Placement place(const std::u16string& field) {
        Placement best;
        int previous_levels = 0;
        for (char16_t c : field) {
            const uint64_t* here = sets_.of(c);
            int levels = 0;
            if (here) levels = extend(here, previous_levels, best);
            std::swap(previous_, current_);
            previous_levels = levels;
        }
        return best;
    }

  private:
    // Fills the levels for one field character; returns how many are not empty.
    int extend(const uint64_t* here, int previous_levels, Placement& best) {
        for (int k = 1;; ++k) {
            uint64_t* level = &current_[size_t(k) * words_];
            if (k == 1) {
                std::copy_n(here, words(), level);
            } else {
                if (k - 1 > previous_levels) return k - 1;
                const uint64_t* below = &previous_[size_t(k - 1) * words_];
                uint64_t carry = 0;
                for (size_t w = 0; w < words(); ++w) {
                    level[w] = ((below[w] << 1) | carry) & here[w];
                    carry = below[w] >> 63;
                }
            }
            if (!any(level)) return k - 1;
            if (k < best.length) continue; // a longer piece is known: where this one ends is moot
            const int start = lowest_position(level) - k + 1;
            if (k > best.length || start < best.start) best = {k, start};
        }
    }

    bool any(const uint64_t* set) const {
        uint64_t bits = 0;
        for (size_t w = 0; w < words(); ++w)
            bits |= set[w];
        return bits != 0;
    }

    int lowest_position(const uint64_t* set) const {
        for (size_t w = 0; w < words(); ++w)
            if (set[w]) return int(w * 64) + std::countr_zero(set[w]);
        return -1;
    }

    size_t words() const { return W ? W : words_; }

    PositionSets sets_;
    size_t words_;
    // Levels 1 to L + 1 (the last one always empty) of the previous and of this character.
    std::vector<uint64_t> previous_, current_;
};

template <size_t W>
void place_all(const SearchIndex& index, const NormalisedSearch& search,
               std::vector<Placement>& placed) {
    Matcher<W> matcher(search.text);
    for (size_t i = 0; i < index.size(); ++i)
        placed[i] = matcher.place(index[i].field(search.mode));
}

} // namespace

std::vector<int> rank_search(const SearchIndex& index, const NormalisedSearch& search) {
    const int n = int(index.size());
    std::vector<Placement> placed(size_t(n), Placement{});
    const size_t length = search.text.size();
    if (length > 0 && length <= 64)
        place_all<1>(index, search, placed);
    else if (length > 64 && length <= 128)
        place_all<2>(index, search, placed);
    else if (length > 128)
        place_all<0>(index, search, placed);
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
