#pragma once
// Comma-separated entries of a kanji's meaning or reading fields, and the test whether two kanji
// share one.
#include <string>
#include <string_view>
#include <vector>

using Entries = std::vector<std::u16string>;

// The readings of a romaji field as the multiple-choice exercises compare them: at most the
// first 10 readings, each cut to 49 characters.
constexpr std::size_t kGroupMaxReadings = 10;
constexpr std::size_t kGroupMaxReadingLength = 49;
Entries reading_group(std::u16string_view romaji);

// True when an entry of `a` equals an entry of `b` (exact comparison).
bool share_an_entry(const Entries& a, const Entries& b);
