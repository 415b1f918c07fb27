#pragma once
// Read access to data/examples.dat: 344-byte example word records.
#include "counted_text.h"
#include <cstddef>
#include <cstdint>
#include <vector>

struct ExampleRecord {
    CountedText<19> ExampleWord;
    CountedText<49> ExampleReading;
    CountedText<101> ExampleMeaning;
};
static_assert(sizeof(ExampleRecord) == 344);
static_assert(offsetof(ExampleRecord, ExampleReading) == 40);
static_assert(offsetof(ExampleRecord, ExampleMeaning) == 140);

// Null for a negative id; otherwise the shared buffer, all zeros when the record cannot be read.
const ExampleRecord* Examples_Load(int id);

struct KanjiRecord;
// The kanji's examples, in display order (its ExampleSet).
std::vector<ExampleRecord> Examples_LoadSet(const KanjiRecord& record);
