#pragma once
// The fixed-size kanji record of data/kanji.dat and the stroke block that follows it.
#include "counted_text.h"
#include <cstddef>
#include <cstdint>

constexpr int kKanjiTotal = 1945; // kanji numbers run from 1 to kKanjiTotal
constexpr int kMaxExamplesPerKanji = 48;

struct KanjiRecord {
    char16_t Kanji;
    CountedText<119> Meaning;
    CountedText<99> OnPronun;
    CountedText<99> OnRomaji;
    CountedText<99> KunPronun;
    CountedText<99> KunRomaji;
    uint16_t padding;
    int32_t ExampleCount;
    int32_t ExampleIds[kMaxExamplesPerKanji];
    int32_t TrailingFlag;

    bool hasOn() const { return OnPronun.count != 0; }
    bool hasKun() const { return KunPronun.count != 0; }
    // ExampleCount clamped to 0..48, for walking ExampleIds safely.
    int exampleCount() const;
};

static_assert(sizeof(KanjiRecord) == 1244);
static_assert(offsetof(KanjiRecord, Meaning) == 2);
static_assert(offsetof(KanjiRecord, OnPronun) == 242);
static_assert(offsetof(KanjiRecord, OnRomaji) == 442);
static_assert(offsetof(KanjiRecord, KunPronun) == 642);
static_assert(offsetof(KanjiRecord, KunRomaji) == 842);
static_assert(offsetof(KanjiRecord, ExampleCount) == 1044);
static_assert(offsetof(KanjiRecord, ExampleIds) == 1048);
static_assert(offsetof(KanjiRecord, TrailingFlag) == 1240);

// One sampled point of a stroke's centre line, in design coordinates.
struct StrokeSample {
    int32_t x;
    int32_t y;
    int32_t corner; // 1 = the stroke turns here
};

constexpr uint32_t kStrokeBlockMaxBytes = 1u << 20;
