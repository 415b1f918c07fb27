#pragma once
// The order in which kanji are numbered: the order of study.
#include "kanjidic.h"

#include <map>
#include <string>

// School grades 1 to 6 first, grade by grade, then all the others; within a group by newspaper
// frequency (most frequent first, unranked last), then by stroke count, then by code point.
// Kanji missing from the dictionary count as ungraded, unranked, with no strokes.
std::u16string study_order(const std::u16string& kanji,
                           const std::map<char16_t, KanjidicEntry>& dictionary);
