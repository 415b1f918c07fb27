#include "search_index.h"

#include "kana_conversion.h"
#include "kanji_data.h"

const std::u16string& SearchEntry::field(int mode) const {
    switch (mode) {
    case ModeOnKana:
        return on_kana;
    case ModeKunKana:
        return kun_kana;
    case ModeOnRomaji:
        return on_romaji;
    case ModeKunRomaji:
        return kun_romaji;
    default:
        return meaning;
    }
}

SearchEntry search_entry(const KanjiRecord& record) {
    SearchEntry e;
    e.kanji = record.Kanji;
    e.meaning = record.Meaning.zero_terminated();
    e.on_kana = record.OnPronun.zero_terminated();
    e.kun_kana = record.KunPronun.zero_terminated();
    e.on_romaji = record.OnRomaji.zero_terminated();
    e.kun_romaji = record.KunRomaji.zero_terminated();
    return e;
}

SearchIndex build_search_index(int count) {
    SearchIndex index;
    index.reserve(count > 0 ? size_t(count) : 0);
    for (int kanji = 1; kanji <= count; ++kanji) {
        const KanjiRecord* record = KanjiData_LoadRecord(kanji);
        index.push_back(record ? search_entry(*record) : SearchEntry{});
    }
    return index;
}

bool is_romaji_search(std::u16string_view text) {
    return text.empty() || text.front() < 123;
}

NormalisedSearch normalise_search(std::u16string_view text, int search_by) {
    const bool romaji = is_romaji_search(text);
    switch (search_by) {
    case SearchByOn:
        return romaji ? NormalisedSearch{to_ascii_upper(text), ModeOnRomaji}
                      : NormalisedSearch{to_katakana(text), ModeOnKana};
    case SearchByKun:
        return romaji ? NormalisedSearch{to_ascii_lower(text), ModeKunRomaji}
                      : NormalisedSearch{to_hiragana(text), ModeKunKana};
    default:
        return {std::u16string(text), ModeMeaning};
    }
}
