// The input as data/examples.dat: records at every id, and a kanji's whole example set.
#include "examples.h"
#include "fuzz_common.h"
#include "kanji_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    write_input("data/examples.dat", data, size);
    for (int id : {-1, 0, 1, 2, 100, 0x7FFFFFFF}) {
        const ExampleRecord* r = Examples_Load(id);
        FUZZ_CHECK((r == nullptr) == (id < 0));
        if (r) FUZZ_CHECK(r->ExampleMeaning.zero_terminated().size() <= 101);
    }
    KanjiRecord record{};
    record.ExampleCount = 48;
    for (int i = 0; i < 48; ++i)
        record.ExampleIds[i] = i * 7 - 3;
    FUZZ_CHECK(Examples_LoadSet(record).size() == 48);
    return 0;
}
