#include "kana_conversion.h"

namespace {

// Hiragana ぁ (U+3041) to ゖ (U+3096) and the iteration marks ゝ ゞ (U+309D, U+309E) sit exactly
// 0x60 below their katakana ァ to ヶ and ヽ ヾ.
constexpr char16_t kKanaDistance = 0x60;

bool is_convertible_hiragana(char16_t c) {
    return (c >= u'\u3041' && c <= u'\u3096') || c == u'\u309D' || c == u'\u309E';
}

bool is_convertible_katakana(char16_t c) {
    return (c >= u'\u30A1' && c <= u'\u30F6') || c == u'\u30FD' || c == u'\u30FE';
}

template <typename Fn> std::u16string map_each(std::u16string_view s, Fn fn) {
    std::u16string out(s);
    for (char16_t& c : out)
        c = fn(c);
    return out;
}

} // namespace

std::u16string to_katakana(std::u16string_view s) {
    return map_each(
        s, [](char16_t c) { return is_convertible_hiragana(c) ? char16_t(c + kKanaDistance) : c; });
}

std::u16string to_hiragana(std::u16string_view s) {
    return map_each(
        s, [](char16_t c) { return is_convertible_katakana(c) ? char16_t(c - kKanaDistance) : c; });
}

std::u16string to_ascii_upper(std::u16string_view s) {
    return map_each(s, [](char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; });
}

std::u16string to_ascii_lower(std::u16string_view s) {
    return map_each(s, [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; });
}
