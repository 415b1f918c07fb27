#pragma once
// The conversions the search applies to what the user typed: hiragana to katakana and back, code
// point by code point, and ASCII upper and lower case. Every other character passes unchanged.
#include <string>
#include <string_view>

std::u16string to_katakana(std::u16string_view s);
std::u16string to_hiragana(std::u16string_view s);
std::u16string to_ascii_upper(std::u16string_view s);
std::u16string to_ascii_lower(std::u16string_view s);
