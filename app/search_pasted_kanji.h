#pragma once
// Kanji typed or pasted into the search field. A learner who meets a kanji but cannot read it
// can often copy it; the kanji of the search text then come first, in the order typed,
// whatever "Search by" says.
//
// A kanji here is a CJK ideograph: U+3400 to U+4DBF, U+4E00 to U+9FFF, U+F900 to U+FAFF, or
// U+20000 to U+3FFFF (a surrogate pair). The rules, by what the search text holds:
//   - kanji and blanks only (space, ideographic space, tab), at least one kanji: the text's kanji
//     that are among the program's kanji, each once where it is first typed, then every other
//     kanji in kanji-number order;
//   - kanji and anything else (kana, letters, digits, marks): the same kanji first, then the
//     rest as the usual ranking of the whole text orders them (食べる by KUN: 食, then the kanji
//     whose KUN readings hold べる);
//   - no kanji: the usual ranking, unchanged.
// Kanji outside the program's 1945 (鬱) are passed over.
#include "search_index.h"

#include <string_view>
#include <vector>

bool is_kanji_code_point(char32_t c);

// The entries of the program's kanji in the text, in the order typed, each once.
std::vector<int> typed_kanji(const SearchIndex& index, std::u16string_view text);

// The SearchOrder for a normalised search, by the rules above.
std::vector<int> rank_typed_search(const SearchIndex& index, const NormalisedSearch& search);
