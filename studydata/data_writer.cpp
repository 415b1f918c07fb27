#include "data_writer.h"

#include "bytes.h"
#include "examples.h"

#include <algorithm>
#include <cstring>

KanjiRecord make_kanji_record(const KanjiEntry& e) {
    KanjiRecord r;
    std::memset(&r, 0, sizeof r);
    r.Kanji = e.kanji;
    r.Meaning.assign(e.meaning);
    r.OnPronun.assign(e.onPronun);
    r.OnRomaji.assign(e.onRomaji);
    r.KunPronun.assign(e.kunPronun);
    r.KunRomaji.assign(e.kunRomaji);
    const size_t examples = std::min<size_t>(e.exampleIds.size(), kMaxExamplesPerKanji);
    r.ExampleCount = static_cast<int32_t>(examples);
    std::copy_n(e.exampleIds.begin(), examples, r.ExampleIds);
    r.TrailingFlag = e.trailingFlag;
    return r;
}

std::vector<uint8_t> build_stroke_block(const std::vector<std::vector<StrokeSample>>& strokes) {
    std::vector<uint8_t> out;
    bytes::put_u32(out, 0); // ByteLength, filled in below
    bytes::put_i32(out, static_cast<int32_t>(strokes.size()));
    for (const auto& stroke : strokes) {
        bytes::put_i32(out, static_cast<int32_t>(stroke.size()));
        for (const StrokeSample& p : stroke) {
            bytes::put_i32(out, p.x);
            bytes::put_i32(out, p.y);
            bytes::put_i32(out, p.corner);
        }
    }
    const auto length = static_cast<uint32_t>(out.size());
    std::memcpy(out.data(), &length, 4);
    return out;
}

std::vector<uint8_t> build_kanji_file(const std::vector<KanjiEntry>& entries) {
    // Index word n (n = 1..count) gives the offset of kanji n's record; word 0 is unused.
    std::vector<uint8_t> body;
    std::vector<uint32_t> offsets(entries.size() + 1, 0);
    const size_t indexBytes = 4 * offsets.size();
    for (size_t i = 0; i < entries.size(); ++i) {
        offsets[i + 1] = static_cast<uint32_t>(indexBytes + body.size());
        const KanjiRecord record = make_kanji_record(entries[i]);
        const auto* raw = reinterpret_cast<const uint8_t*>(&record);
        body.insert(body.end(), raw, raw + sizeof record);
        const auto block = build_stroke_block(entries[i].strokes);
        body.insert(body.end(), block.begin(), block.end());
    }
    std::vector<uint8_t> out;
    out.reserve(indexBytes + body.size());
    for (uint32_t offset : offsets)
        bytes::put_u32(out, offset);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

std::vector<uint8_t> build_examples_file(const std::vector<ExampleEntry>& examples) {
    std::vector<uint8_t> out;
    out.reserve(examples.size() * sizeof(ExampleRecord));
    for (const ExampleEntry& e : examples) {
        ExampleRecord r;
        std::memset(&r, 0, sizeof r);
        r.ExampleWord.assign(e.word);
        r.ExampleReading.assign(e.reading);
        r.ExampleMeaning.assign(e.meaning);
        const auto* raw = reinterpret_cast<const uint8_t*>(&r);
        out.insert(out.end(), raw, raw + sizeof r);
    }
    return out;
}
