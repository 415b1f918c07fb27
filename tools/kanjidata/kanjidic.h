#pragma once
// The KANJIDIC2 facts that the kanji records use.
#include <map>
#include <optional>
#include <string>
#include <vector>

struct KanjidicEntry {
    char16_t literal = 0;
    int grade = 0;       // school grade 1-6 (8 and above: secondary school); 0 when absent
    int strokeCount = 0; // the accepted count (the first stroke_count element)
    int frequency = 0;   // newspaper frequency rank; 0 when unranked
    std::vector<std::u16string> on, kun;
    std::vector<std::u16string> meanings; // English only
};

// Parses KANJIDIC2 XML; only characters of the Basic Multilingual Plane are kept.
// Nullopt when the text is not well-formed.
std::optional<std::map<char16_t, KanjidicEntry>> parse_kanjidic(const std::string& xml);
