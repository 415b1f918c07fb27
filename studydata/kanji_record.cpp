#include "kanji_record.h"

#include <algorithm>

int KanjiRecord::exampleCount() const {
    return std::clamp(ExampleCount, 0, kMaxExamplesPerKanji);
}
