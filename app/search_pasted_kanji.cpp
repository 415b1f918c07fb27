#include "search_pasted_kanji.h"

#include "search_ranking.h"

#include <algorithm>
#include <unordered_map>

namespace {

// Calls visit(code point) for each character of the text; a lone surrogate is passed as is.
template <typename Visit> void for_each_code_point(std::u16string_view text, Visit visit) {
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() &&
                          text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (pair) {
            visit(0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00));
            ++i;
        } else {
            visit(char32_t(c));
        }
    }
}

bool is_blank(char32_t c) {
    return c == U' ' || c == U'\u3000' || c == U'\t';
}

struct TextKinds {
    bool kanji = false;
    bool other = false; // anything that is neither a kanji nor a blank
};

TextKinds kinds_of(std::u16string_view text) {
    TextKinds kinds;
    for_each_code_point(text, [&](char32_t c) {
        if (is_kanji_code_point(c))
            kinds.kanji = true;
        else if (!is_blank(c))
            kinds.other = true;
    });
    return kinds;
}

} // namespace

bool is_kanji_code_point(char32_t c) {
    return (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x20000 && c <= 0x3FFFF);
}

std::vector<int> typed_kanji(const SearchIndex& index, std::u16string_view text) {
    std::unordered_map<char32_t, int> entry_of;
    for (size_t i = 0; i < index.size(); ++i)
        entry_of.emplace(index[i].kanji, int(i));
    std::vector<int> entries;
    for_each_code_point(text, [&](char32_t c) {
        if (!is_kanji_code_point(c)) return;
        const auto known = entry_of.find(c);
        if (known == entry_of.end()) return;
        if (std::find(entries.begin(), entries.end(), known->second) == entries.end())
            entries.push_back(known->second);
    });
    return entries;
}

std::vector<int> rank_typed_search(const SearchIndex& index, const NormalisedSearch& search) {
    const TextKinds kinds = kinds_of(search.text);
    if (!kinds.kanji) return rank_search(index, search);
    std::vector<int> order = typed_kanji(index, search.text);
    std::vector<bool> placed(index.size(), false);
    for (int entry : order)
        placed[size_t(entry)] = true;
    const std::vector<int> rest =
        kinds.other ? rank_search(index, search) : identity_order(int(index.size()));
    for (int entry : rest)
        if (!placed[size_t(entry)]) order.push_back(entry);
    return order;
}
