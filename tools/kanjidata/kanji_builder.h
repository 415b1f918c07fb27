#pragma once
// Builds every kanji record and example record from the sources.
#include "data_writer.h"
#include "edict.h"
#include "kanjidic.h"

#include <map>
#include <string>
#include <vector>

struct Sources {
    std::u16string kanjiList; // the 1945 kanji, in any order
    std::map<char16_t, KanjidicEntry> kanjidic;
    std::vector<EdictEntry> edict;
    std::string kanjivgFolder; // holds <5 hex digits>.svg per kanji
};

struct StrokeCountMismatch {
    char16_t kanji;
    int stored, dictionary;
};

struct BuildReport {
    std::vector<StrokeCountMismatch> strokeMismatches;
    std::vector<char16_t> missingStrokes; // no usable KanjiVG file
    int kanjiWithThreeExamples = 0;
    int exampleLinks = 0;              // sum of ExampleCount over all kanji
    int startsNearInk = 0, starts = 0; // per-kanji fit
    int baselineNearInk = 0;           // the global fit, over the same starts
    int globalFallbacks = 0;           // kanji whose glyph could not be rendered
};

struct BuiltData {
    std::vector<KanjiEntry> kanji;
    std::vector<ExampleEntry> examples;
    BuildReport report;
};

// Stroke starts within this distance of ink count as lying on the glyph.
constexpr double kNearInkPixels = 8;

BuiltData build_kanji_data(const Sources& sources, int threads);
