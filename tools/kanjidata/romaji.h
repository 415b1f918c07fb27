#pragma once
// Kana to romaji as the kanji records spell readings: Hepburn syllables (SHA, CHI, TSU, FU, JI,
// JA, N), long vowels written out (ショウ SHOU), small tsu doubling the next consonant. The
// okurigana dot and affix hyphens pass through unchanged.
#include <string>
#include <string_view>

// Katakana letters become the hiragana of the same sound; everything else is kept.
std::u16string katakana_to_hiragana(std::u16string_view kana);

// Lower-case romaji of a hiragana or katakana text.
std::string kana_to_romaji(std::u16string_view kana);

// Upper-case romaji, the way ON readings are stored.
std::string kana_to_upper_romaji(std::u16string_view kana);
