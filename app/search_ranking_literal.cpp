// The ranking loops written out as they are defined, piece by piece and position by position.
// Far too slow for the window; the tests and the benchmark hold the fast ranking against it.
#include "search_ranking.h"

namespace {

// Whether the m characters of `piece` starting at s equal the m characters of `field` at p.
bool same_characters(const std::u16string& piece, int s, const std::u16string& field, int p,
                     int m) {
    for (int k = 0; k < m; ++k)
        if (piece[size_t(s + k)] != field[size_t(p + k)]) return false;
    return true;
}

} // namespace

std::vector<int> rank_search_literal(const SearchIndex& index, const NormalisedSearch& search) {
    const int count = int(index.size());
    const std::u16string& S = search.text;
    const int L = int(S.size());
    std::vector<bool> matched(size_t(count), false);
    std::vector<int> order;
    order.reserve(size_t(count));
    for (int m = L; m >= 1; --m) {
        for (int s = 0; s <= L - m; ++s) {
            for (int e = 0; e < count; ++e) {
                if (matched[size_t(e)]) continue;
                const std::u16string& F = index[size_t(e)].field(search.mode);
                const int n = int(F.size());
                for (int p = 0; p <= n - m; ++p) {
                    if (same_characters(S, s, F, p, m)) {
                        matched[size_t(e)] = true;
                        order.push_back(e);
                        break;
                    }
                }
            }
        }
    }
    for (int e = 0; e < count; ++e)
        if (!matched[size_t(e)]) order.push_back(e);
    return order;
}
