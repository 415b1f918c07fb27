#pragma once
// A bounds-checked read of a whole data/kanji.dat, for the contact sheet and the checks.
#include "kanji_record.h"

#include <cstdint>
#include <optional>
#include <vector>

struct StoredKanji {
    KanjiRecord record;
    std::vector<std::vector<StrokeSample>> strokes;
};

// Every kanji of the file, numbers 1 to count in order; nullopt when any index word, record or
// stroke block lies outside the file or is inconsistent.
std::optional<std::vector<StoredKanji>> read_kanji_file(const std::vector<uint8_t>& bytes,
                                                        int count);
