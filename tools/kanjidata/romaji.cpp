#include "romaji.h"

#include <array>
#include <cctype>

namespace {

// Romaji of the hiragana block U+3041..U+3096, indexed from U+3041; small kana hold their
// stand-alone sound.
constexpr std::array<const char*, 86> kHiragana = {
    "a",  "a",  "i",   "i",  "u",   "u",   "e",  "e",   "o",  "o",  "ka", "ga", "ki", "gi", "ku",
    "gu", "ke", "ge",  "ko", "go",  "sa",  "za", "shi", "ji", "su", "zu", "se", "ze", "so", "zo",
    "ta", "da", "chi", "ji", "tsu", "tsu", "zu", "te",  "de", "to", "do", "na", "ni", "nu", "ne",
    "no", "ha", "ba",  "pa", "hi",  "bi",  "pi", "fu",  "bu", "pu", "he", "be", "pe", "ho", "bo",
    "po", "ma", "mi",  "mu", "me",  "mo",  "ya", "ya",  "yu", "yu", "yo", "yo", "ra", "ri", "ru",
    "re", "ro", "wa",  "wa", "i",   "e",   "o",  "n",   "vu", "ka", "ke"};

constexpr char16_t kFirstHiragana = u'ぁ';
constexpr char16_t kSmallTsu = u'っ';
constexpr char16_t kLongMark = u'ー';

bool in_hiragana(char16_t c) {
    return c >= kFirstHiragana && c <= u'ゖ';
}
bool is_small_y(char16_t c) {
    return c == u'ゃ' || c == u'ゅ' || c == u'ょ';
}
bool is_small_vowel(char16_t c) {
    return c == u'ぁ' || c == u'ぃ' || c == u'ぅ' || c == u'ぇ' || c == u'ぉ';
}
bool is_vowel(char c) {
    return c == 'a' || c == 'i' || c == 'u' || c == 'e' || c == 'o';
}

std::string syllable(char16_t c) {
    return kHiragana[c - kFirstHiragana];
}

// A kana of the i row followed by a small ya/yu/yo: KI+YA = KYA, HI+YA = HYA. Only the
// consonants that Hepburn writes without a y (SH, CH, J) swallow it: SHI+YA = SHA, JI+YA = JA.
std::string contracted(const std::string& iRow, char16_t smallY) {
    const std::string stem = iRow.substr(0, iRow.size() - 1);
    const std::string glide = syllable(smallY); // "ya", "yu", "yo"
    if (stem == "sh" || stem == "ch" || stem == "j") return stem + glide.substr(1);
    return stem + glide;
}

// Romaji of the syllable that starts at kana[i]; `used` tells how many characters it took.
std::string next_syllable(std::u16string_view kana, size_t i, size_t& used) {
    used = 1;
    const char16_t c = kana[i];
    if (!in_hiragana(c)) return c < 0x80 ? std::string(1, char(c)) : std::string();
    std::string s = syllable(c);
    if (i + 1 < kana.size()) {
        const char16_t n = kana[i + 1];
        if (is_small_y(n) && s.size() >= 2 && s.back() == 'i') {
            used = 2;
            return contracted(s, n);
        }
        if (is_small_vowel(n) && s.size() >= 2 && c != u'っ') {
            used = 2; // ふぁ FA, てぃ TI
            s.back() = syllable(n)[0];
        }
    }
    return s;
}

// Small tsu doubles the first consonant of what follows (past an okurigana dot).
std::string doubled_consonant(std::u16string_view kana, size_t i) {
    size_t j = i + 1;
    while (j < kana.size() && (kana[j] == u'.' || kana[j] == u'-'))
        ++j;
    if (j >= kana.size() || !in_hiragana(kana[j]) || kana[j] == kSmallTsu) return "t";
    size_t used = 0;
    const std::string s = next_syllable(kana, j, used);
    if (s.empty() || is_vowel(s[0])) return "t";
    return std::string(1, s[0]);
}

} // namespace

std::u16string katakana_to_hiragana(std::u16string_view kana) {
    std::u16string out(kana);
    for (char16_t& c : out)
        if (c >= u'ァ' && c <= u'ヶ') c = char16_t(c - (u'ァ' - u'ぁ'));
    return out;
}

std::string kana_to_romaji(std::u16string_view text) {
    const std::u16string kana = katakana_to_hiragana(text);
    std::string out;
    for (size_t i = 0; i < kana.size();) {
        const char16_t c = kana[i];
        if (c == kSmallTsu) {
            out += doubled_consonant(kana, i);
            ++i;
        } else if (c == kLongMark) {
            for (auto it = out.rbegin(); it != out.rend(); ++it)
                if (is_vowel(*it)) {
                    out += *it;
                    break;
                }
            ++i;
        } else {
            size_t used = 0;
            out += next_syllable(kana, i, used);
            i += used;
        }
    }
    return out;
}

std::string kana_to_upper_romaji(std::u16string_view kana) {
    std::string s = kana_to_romaji(kana);
    for (char& c : s)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return s;
}
