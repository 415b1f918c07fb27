#pragma once
// Ranking every kanji by how much of the search text it contains. The order is the one these
// loops give (transcribed in rank_search_literal):
//
//   for m = L down to 1, for s = 0 up to L - m, for each entry not yet matched, in kanji order:
//     if the piece text[s, s + m) occurs in the entry's field, the entry is matched and appended;
//   then every entry still unmatched, in kanji order.
//
// So an entry's place is decided by the first (m, s) of that loop at which one of its pieces
// occurs: the longest piece of the search text found in its field, and among pieces of that
// length the leftmost. rank_search finds that (m, s) for each entry in one pass over its field
// (the longest common substring, with the search positions kept as bit sets so that each field
// character extends every common run at once) and sorts by it.
#include "search_index.h"

#include <vector>

// 0, 1, ..., count - 1: every kanji in kanji-number order.
std::vector<int> identity_order(int count);

// The SearchOrder for a normalised search: a permutation of the entry indices.
std::vector<int> rank_search(const SearchIndex& index, const NormalisedSearch& search);

// The same order computed by the loops above, literally (tests and benchmarks compare with it).
std::vector<int> rank_search_literal(const SearchIndex& index, const NormalisedSearch& search);
