#include "examples.h"

#include "kanji_record.h"

#include <cstdio>
#include <cstring>

namespace {
constexpr const char* kExamplesFile = "data/examples.dat";
ExampleRecord exampleBuffer{};
} // namespace

const ExampleRecord* Examples_Load(int id) {
    if (id < 0) return nullptr;
    std::memset(&exampleBuffer, 0, sizeof exampleBuffer);
    std::FILE* f = std::fopen(kExamplesFile, "rb");
    if (!f) return &exampleBuffer;
    const off_t offset = static_cast<off_t>(id) * static_cast<off_t>(sizeof(ExampleRecord));
    // A record that lies wholly or partly beyond the end reads as the all-zero record.
    if (fseeko(f, offset, SEEK_SET) != 0 ||
        std::fread(&exampleBuffer, sizeof exampleBuffer, 1, f) != 1)
        std::memset(&exampleBuffer, 0, sizeof exampleBuffer);
    std::fclose(f);
    return &exampleBuffer;
}

std::vector<ExampleRecord> Examples_LoadSet(const KanjiRecord& record) {
    std::vector<ExampleRecord> set;
    const int count = record.exampleCount();
    set.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const ExampleRecord* r = Examples_Load(record.ExampleIds[i]);
        set.push_back(r ? *r : ExampleRecord{});
    }
    return set;
}
