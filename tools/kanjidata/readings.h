#pragma once
// The text fields of a kanji record built from dictionary readings and meanings.
#include <string>
#include <vector>

// Limits of the record's reading fields: entries and characters of the joined text.
constexpr size_t kMaxReadingEntries = 10;
constexpr size_t kMaxReadingChars = 98;
constexpr size_t kMaxMeaningChars = 118;

struct ReadingFields {
    std::u16string kana;   // entries joined by ", "
    std::u16string romaji; // the same entries in romaji, entry for entry
};

// ON readings: katakana, affix hyphens removed, duplicates dropped; romaji in upper case.
ReadingFields on_reading_fields(const std::vector<std::u16string>& onReadings);

// KUN readings: hiragana with the okurigana dot kept. Affix forms ("-" before or after) are
// dropped when the kanji has other KUN readings, else kept without the hyphen; duplicates are
// dropped; romaji in lower case.
ReadingFields kun_reading_fields(const std::vector<std::u16string>& kunReadings);

// KUN entries after the affix and duplicate rules, before the length limits.
std::vector<std::u16string> kun_entries(const std::vector<std::u16string>& kunReadings);

// Meanings joined by ", " in their order, cut at a meaning boundary to at most
// kMaxMeaningChars characters (a first meaning that is longer alone is cut at a blank).
std::u16string joined_meaning(const std::vector<std::u16string>& meanings);

// Text cut to at most `limit` characters, at the last blank that keeps it within the limit
// when there is one.
std::u16string cut_at_blank(const std::u16string& text, size_t limit);
