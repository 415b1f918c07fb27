// The committed data/kanji.dat and data/examples.dat, as the data build converted them.
#include "example_words.h"
#include "examples.h"
#include "file_io.h"
#include "kanji_file_view.h"
#include "readings.h"
#include "romaji.h"
#include "stroke_sampling.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>

namespace {

std::vector<uint8_t> read_source(const std::string& relative) {
    const char* root = std::getenv("BRUSHWISE_SOURCE_DIR");
    return read_file_prefix(std::string(root ? root : ".") + "/" + relative, size_t(64) << 20)
        .value_or(std::vector<uint8_t>{});
}

// At least one zero character follows the text, and only zeros.
template <size_t N> bool slot_clean(const CountedText<N>& t) {
    return t.count < N &&
           std::all_of(t.chars + t.count, t.chars + N, [](char16_t c) { return !c; });
}

bool only(const std::u16string& s, char16_t from, char16_t to, std::u16string_view also = u"") {
    return std::all_of(s.begin(), s.end(), [&](char16_t c) {
        return (c >= from && c <= to) || also.find(c) != std::u16string_view::npos;
    });
}

const std::vector<uint8_t> exampleBytes = read_source("data/examples.dat");
const std::vector<StoredKanji> kanji = read_kanji_file(read_source("data/kanji.dat"), kKanjiTotal)
                                           .value_or(std::vector<StoredKanji>{});

const StoredKanji& find(char16_t c) {
    return *std::find_if(kanji.begin(), kanji.end(),
                         [c](const StoredKanji& k) { return k.record.Kanji == c; });
}

ExampleRecord example(int id) {
    ExampleRecord r{};
    std::memcpy(&r, exampleBytes.data() + size_t(id) * sizeof r, sizeof r);
    return r;
}

} // namespace

// Every kanji of the 1981 list once (the list holds each once); the 80 kanji of school grade 1
// first, 一 and 人 among the first ten.
TEST(CommittedData, EveryKanjiOfThe1981ListOnceInStudyOrder) {
    const auto list = read_source("data/sources/jouyou1981.txt");
    std::u16string expected, stored;
    for (char16_t c : utf8_to_utf16(std::string(list.begin(), list.end())))
        if (c > 0x7f) expected += c;
    for (const StoredKanji& k : kanji)
        stored += k.record.Kanji;
    EXPECT_TRUE(stored.find(u'一') < 10 && stored.find(u'人') < 10);
    std::u16string first80 = stored.substr(0, 80);
    std::u16string grade1 =
        u"一右雨円王音下火花貝学気九休玉金空月犬見五口校左三山子四糸字耳七車手十"
        u"出女小上森人水正生青夕石赤千川先早草足村大男竹中虫町天田土二日入年"
        u"白八百文木本名目立力林六";
    for (std::u16string* s : {&stored, &expected, &first80, &grade1})
        std::sort(s->begin(), s->end());
    EXPECT_EQ(stored, expected);
    EXPECT_EQ(first80, grade1);
}

// Texts in their scripts and limits, every reading spelled exactly as the converter spells it;
// strokes within their limits and the design square, sampled about 6 units apart, with corners
// inside; examples that contain their kanji, each once, within its limits, with a meaning and
// only kanji of the list.
TEST(CommittedData, EveryRecordAsConverted) {
    ASSERT_EQ(kanji.size(), size_t(kKanjiTotal));
    ASSERT_EQ(exampleBytes.size() % sizeof(ExampleRecord), 0u);
    const int records = int(exampleBytes.size() / sizeof(ExampleRecord));
    size_t readings = 0, withThree = 0, links = 0;
    std::set<int> used;
    std::set<char16_t> known;
    for (const StoredKanji& k : kanji) {
        const KanjiRecord& r = k.record;
        known.insert(r.Kanji);
        SCOPED_TRACE(utf16_to_utf8(std::u16string(1, r.Kanji)));
        EXPECT_TRUE(!r.Meaning.empty() && r.Meaning.count <= kMaxMeaningChars &&
                    (r.hasOn() || r.hasKun()));
        EXPECT_TRUE(slot_clean(r.Meaning) && slot_clean(r.OnPronun) && slot_clean(r.OnRomaji) &&
                    slot_clean(r.KunPronun) && slot_clean(r.KunRomaji) && r.TrailingFlag == 0);
        const auto on = split_readings(r.OnPronun.text()), onR = split_readings(r.OnRomaji.text());
        const auto kun = split_readings(r.KunPronun.text());
        const auto kunR = split_readings(r.KunRomaji.text());
        ASSERT_TRUE(on.size() == onR.size() && kun.size() == kunR.size());
        EXPECT_LE(std::max(on.size(), kun.size()), kMaxReadingEntries);
        for (size_t i = 0; i < on.size(); ++i)
            EXPECT_TRUE(only(on[i], u'ァ', u'ー') &&
                        kana_to_upper_romaji(on[i]) == utf16_to_utf8(onR[i]))
                << utf16_to_utf8(on[i] + u" " + onR[i]);
        for (size_t i = 0; i < kun.size(); ++i)
            EXPECT_TRUE(only(kun[i], u'ぁ', u'ゖ', u".ー") &&
                        kana_to_romaji(kun[i]) == utf16_to_utf8(kunR[i]))
                << utf16_to_utf8(kun[i] + u" " + kunR[i]);
        readings += on.size() + kun.size();

        ASSERT_TRUE(!k.strokes.empty() && k.strokes.size() <= kMaxStrokes);
        for (const auto& stroke : k.strokes) {
            ASSERT_TRUE(stroke.size() >= 2 && stroke.size() <= kMaxPointsPerStroke);
            EXPECT_TRUE(stroke.front().corner == 0 && stroke.back().corner == 0);
            for (size_t i = 0; i < stroke.size(); ++i) {
                const StrokeSample& p = stroke[i];
                EXPECT_TRUE(
                    p.x >= 0 && p.x < kDesignSquare && p.y >= 0 && p.y < kDesignSquare &&
                    (p.corner == 0 || p.corner == 1) &&
                    (i == 0 ||
                     std::abs(p.x - stroke[i - 1].x) + std::abs(p.y - stroke[i - 1].y) <= 14))
                    << p.x << "," << p.y << "," << p.corner;
            }
        }

        const int count = r.ExampleCount;
        ASSERT_TRUE(count >= 0 && count <= int(kMaxExamplesShown));
        withThree += count >= 3;
        links += size_t(count);
        for (int i = 0; i < count; ++i) {
            const int id = r.ExampleIds[i];
            ASSERT_TRUE(id >= 0 && id < records);
            used.insert(id);
            EXPECT_NE(example(id).ExampleWord.text().find(r.Kanji), std::u16string::npos);
        }
    }
    EXPECT_GT(readings, size_t(2 * kKanjiTotal));
    EXPECT_EQ(int(used.size()), records); // every record is some kanji's example
    EXPECT_GE(withThree, size_t(kKanjiTotal * 95 / 100));
    EXPECT_GE(links, size_t(6 * kKanjiTotal));
    std::set<std::u16string> seen;
    for (int id = 0; id < records; ++id) {
        const ExampleRecord e = example(id);
        const std::u16string word = e.ExampleWord.text();
        EXPECT_TRUE(
            seen.insert(word + u'\t' + e.ExampleReading.text() + u'\t' + e.ExampleMeaning.text())
                .second)
            << id;
        EXPECT_TRUE(e.ExampleWord.count <= kMaxExampleWordChars &&
                    e.ExampleReading.count <= kMaxExampleReadingChars &&
                    e.ExampleMeaning.count <= kMaxExampleMeaningChars && !e.ExampleMeaning.empty())
            << id;
        EXPECT_TRUE(std::all_of(word.begin(), word.end(), [&](char16_t c) {
            return !is_kanji(c) || known.count(c);
        })) << id;
    }
}

// 百 reads HYAKU, 下 KA, GE, shita and sa.geru; 口 has three strokes, the first drawn downwards,
// the second to the right along the top, turning down at the top right.
TEST(CommittedData, KnownKanjiHaveTheirReadingsAndStrokes) {
    ASSERT_EQ(kanji.size(), size_t(kKanjiTotal));
    EXPECT_EQ(find(u'百').record.OnRomaji.text(), u"HYAKU, BYAKU");
    const KanjiRecord& below = find(u'下').record;
    EXPECT_EQ(below.OnRomaji.text(), u"KA, GE");
    EXPECT_EQ(below.KunRomaji.text().rfind(u"shita, ", 0), 0u);
    EXPECT_NE(below.KunPronun.text().find(u", さ.げる"), std::u16string::npos);
    const StoredKanji& mouth = find(u'口');
    ASSERT_EQ(mouth.strokes.size(), 3u);
    const auto is_corner = [](const StrokeSample& p) { return p.corner == 1; };
    const auto &left = mouth.strokes[0], &top = mouth.strokes[1];
    EXPECT_GT(left.back().y - left.front().y, 100);
    EXPECT_EQ(std::count_if(left.begin(), left.end(), is_corner), 0);
    const auto corner = std::find_if(top.begin(), top.end(), is_corner);
    ASSERT_NE(corner, top.end());
    EXPECT_GT(corner->x - top.front().x, 100);
    EXPECT_GT(top.back().y - corner->y, 80);
}
