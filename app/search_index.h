#pragma once
// The Add Word search's view of the kanji: one entry per kanji with the texts it can be searched
// by, which of them a search reads, and how a typed search text is normalised for it.
#include <string>
#include <string_view>
#include <vector>

struct KanjiRecord;

// The "Search by" choice.
enum SearchBy : int { SearchByMeaning = 0, SearchByOn = 1, SearchByKun = 2 };

// The text a search reads and the result list shows beside each kanji. The values are the ones
// the window keeps: positive for kana, negative for romaji.
enum SearchMode : int {
    ModeMeaning = 0,
    ModeOnKana = 1,
    ModeKunKana = 2,
    ModeOnRomaji = -1,
    ModeKunRomaji = -2,
};

// A kanji's searchable texts, each read up to its first zero character.
struct SearchEntry {
    char16_t kanji = 0;
    std::u16string meaning, on_kana, kun_kana, on_romaji, kun_romaji;

    const std::u16string& field(int mode) const;
};

// Entry i describes kanji number i + 1.
using SearchIndex = std::vector<SearchEntry>;

SearchEntry search_entry(const KanjiRecord& record);
// Reads kanji 1 to `count` through the kanji file (an unreadable record gives empty texts).
SearchIndex build_search_index(int count);

struct NormalisedSearch {
    std::u16string text;
    int mode = ModeMeaning;
};

// A search text is romaji when its first character is below 123 ('z' + 1), otherwise kana (or
// any other non-ASCII text). The empty text counts as romaji.
bool is_romaji_search(std::u16string_view text);
// Meaning: unchanged. ON: katakana, or upper case for romaji. KUN: hiragana, or lower case.
NormalisedSearch normalise_search(std::u16string_view text, int search_by);
