#pragma once
// Builds data/kanji.dat and data/examples.dat in the program's formats (test fixtures and the
// data builder).
#include "kanji_record.h"
#include <cstdint>
#include <string>
#include <vector>

struct KanjiEntry {
    char16_t kanji = 0;
    std::u16string meaning, onPronun, onRomaji, kunPronun, kunRomaji;
    std::vector<int32_t> exampleIds; // at most 48 are stored
    int32_t trailingFlag = 0;
    std::vector<std::vector<StrokeSample>> strokes;
};

struct ExampleEntry {
    std::u16string word, reading, meaning;
};

// entries[i] becomes kanji number i + 1. Texts longer than their slots are cut.
std::vector<uint8_t> build_kanji_file(const std::vector<KanjiEntry>& entries);
std::vector<uint8_t> build_stroke_block(const std::vector<std::vector<StrokeSample>>& strokes);
KanjiRecord make_kanji_record(const KanjiEntry& entry);
std::vector<uint8_t> build_examples_file(const std::vector<ExampleEntry>& examples);
