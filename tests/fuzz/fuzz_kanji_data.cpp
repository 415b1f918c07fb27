// The input as data/kanji.dat: every record and stroke block the program could ask for.
#include "fuzz_common.h"
#include "kanji_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    write_input("data/kanji.dat", data, size);
    KanjiData_Close();
    for (int n = -1; n < 12; ++n) {
        const KanjiRecord* record = KanjiData_LoadRecord(n);
        FUZZ_CHECK((record == nullptr) == (n < 0));
        if (record) {
            FUZZ_CHECK(record->Meaning.text().size() <= 119);
            FUZZ_CHECK(record->exampleCount() >= 0 && record->exampleCount() <= 48);
        }
        const int32_t* block = KanjiData_LoadStrokes(n);
        const int strokes = KanjiData_StrokeCount();
        FUZZ_CHECK(strokes >= 0 && block[0] == strokes);
        int64_t bytes = 8;
        for (int s = 0; s < strokes; ++s) {
            const int points = KanjiData_StrokePointCount(s);
            bytes += 4 + 12 * int64_t(points);
            if (points > 0) KanjiData_StrokePoint(s, points - 1);
        }
        FUZZ_CHECK(uint32_t(block[-1]) == uint64_t(bytes));
    }
    return 0;
}
