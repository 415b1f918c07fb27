// Integrity of the committed data/kanji.dat and data/examples.dat.
#include "counted_text.h"
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

// The 80 kanji of school grade 1: the study order puts them first.
const std::u16string kGradeOne =
    u"一右雨円王音下火花貝学気九休玉金空月犬見五口校左三山子四糸字耳七車手十出女小上森人水正"
    u"生青夕石赤千川先早草足村大男竹中虫町天田土二日入年白八百文木本名目立力林六";

std::string source_path(const std::string& relative) {
    const char* root = std::getenv("BRUSHWISE_SOURCE_DIR");
    return std::string(root ? root : ".") + "/" + relative;
}

std::vector<uint8_t> read_all(const std::string& relative) {
    return read_file_prefix(source_path(relative), size_t(64) << 20)
        .value_or(std::vector<uint8_t>{});
}

uint32_t u32_at(const std::vector<uint8_t>& b, size_t at) {
    uint32_t v = 0;
    if (at + 4 <= b.size()) std::memcpy(&v, b.data() + at, 4);
    return v;
}

template <size_t N> void expect_slot_clean(const CountedText<N>& t) {
    EXPECT_LT(t.count, N); // at least one zero character follows the text
    for (size_t i = t.count; i < N; ++i)
        EXPECT_EQ(t.chars[i], 0);
}

bool only(const std::u16string& s, bool (*allowed)(char16_t)) {
    return std::all_of(s.begin(), s.end(), allowed);
}

class CommittedData : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        kanjiBytes = read_all("data/kanji.dat");
        exampleBytes = read_all("data/examples.dat");
        if (auto k = read_kanji_file(kanjiBytes, kKanjiTotal)) kanji = std::move(*k);
    }
    static const StoredKanji* find(char16_t c) {
        for (const StoredKanji& k : kanji)
            if (k.record.Kanji == c) return &k;
        return nullptr;
    }
    static ExampleRecord example(int id) {
        ExampleRecord r{};
        std::memcpy(&r, exampleBytes.data() + size_t(id) * sizeof r, sizeof r);
        return r;
    }

    static inline std::vector<uint8_t> kanjiBytes, exampleBytes;
    static inline std::vector<StoredKanji> kanji;
};

} // namespace

TEST_F(CommittedData, IndexRecordsAndStrokeBlocksFollowEachOtherToTheEnd) {
    ASSERT_EQ(kanji.size(), size_t(kKanjiTotal));
    size_t expected = 4 * size_t(kKanjiTotal + 1);
    for (int n = 1; n <= kKanjiTotal; ++n) {
        ASSERT_EQ(u32_at(kanjiBytes, 4 * size_t(n)), expected) << "kanji " << n;
        const size_t block = expected + sizeof(KanjiRecord);
        size_t length = 8;
        for (const auto& stroke : kanji[n - 1].strokes)
            length += 4 + 12 * stroke.size();
        ASSERT_EQ(u32_at(kanjiBytes, block), length);
        expected = block + length;
    }
    EXPECT_EQ(expected, kanjiBytes.size());
    EXPECT_EQ(exampleBytes.size() % sizeof(ExampleRecord), 0u);
}

TEST_F(CommittedData, EveryKanjiOfThe1981ListOnceInStudyOrder) {
    const auto list = read_all("data/sources/jouyou1981.txt");
    std::u16string expected;
    for (char16_t c : utf8_to_utf16(std::string(list.begin(), list.end())))
        if (c > 0x7f) expected += c;
    std::u16string stored;
    for (const StoredKanji& k : kanji)
        stored += k.record.Kanji;
    ASSERT_EQ(stored.size(), size_t(kKanjiTotal));
    std::u16string a = stored, b = expected;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    EXPECT_EQ(a, b);
    EXPECT_TRUE(std::adjacent_find(a.begin(), a.end()) == a.end());
    // Grade 1 comes first, most frequent first: 一 and 人 open the list; 日 is first of all.
    std::u16string first80 = stored.substr(0, kGradeOne.size()), grade = kGradeOne;
    std::sort(first80.begin(), first80.end());
    std::sort(grade.begin(), grade.end());
    EXPECT_EQ(first80, grade);
    EXPECT_NE(stored.substr(0, 10).find(u'一'), std::u16string::npos);
    EXPECT_NE(stored.substr(0, 10).find(u'人'), std::u16string::npos);
}

// Every reading of every kanji is spelled exactly as the converter spells it: no exceptions.
TEST_F(CommittedData, TextFieldsKeepTheirScriptsLimitsAndPairingAndRomaniseExactly) {
    ASSERT_EQ(kanji.size(), size_t(kKanjiTotal));
    size_t readings = 0;
    for (const StoredKanji& k : kanji) {
        const KanjiRecord& r = k.record;
        SCOPED_TRACE(utf16_to_utf8(std::u16string(1, r.Kanji)));
        EXPECT_FALSE(r.Meaning.empty());
        EXPECT_LE(r.Meaning.count, kMaxMeaningChars);
        EXPECT_TRUE(r.hasOn() || r.hasKun());
        expect_slot_clean(r.Meaning);
        expect_slot_clean(r.OnPronun);
        expect_slot_clean(r.OnRomaji);
        expect_slot_clean(r.KunPronun);
        expect_slot_clean(r.KunRomaji);
        const auto on = split_readings(r.OnPronun.text()), onR = split_readings(r.OnRomaji.text());
        const auto kun = split_readings(r.KunPronun.text()),
                   kunR = split_readings(r.KunRomaji.text());
        ASSERT_EQ(on.size(), onR.size());
        ASSERT_EQ(kun.size(), kunR.size());
        EXPECT_LE(on.size(), kMaxReadingEntries);
        EXPECT_LE(kun.size(), kMaxReadingEntries);
        for (size_t i = 0; i < on.size(); ++i) {
            EXPECT_TRUE(only(on[i], [](char16_t c) { return c >= u'ァ' && c <= u'ー'; }));
            EXPECT_TRUE(only(onR[i], [](char16_t c) { return c >= u'A' && c <= u'Z'; }));
            EXPECT_EQ(kana_to_upper_romaji(on[i]), utf16_to_utf8(onR[i]));
        }
        for (size_t i = 0; i < kun.size(); ++i) {
            EXPECT_TRUE(only(kun[i], [](char16_t c) {
                return (c >= u'ぁ' && c <= u'ゖ') || c == u'.' || c == u'ー';
            }));
            EXPECT_TRUE(
                only(kunR[i], [](char16_t c) { return (c >= u'a' && c <= u'z') || c == u'.'; }));
            EXPECT_EQ(kana_to_romaji(kun[i]), utf16_to_utf8(kunR[i]));
        }
        readings += on.size() + kun.size();
        EXPECT_EQ(r.TrailingFlag, 0);
    }
    EXPECT_GT(readings, size_t(2 * kKanjiTotal));
}

TEST_F(CommittedData, StrokesStayWithinTheirLimitsAndTheDesignSquare) {
    for (const StoredKanji& k : kanji) {
        SCOPED_TRACE(utf16_to_utf8(std::u16string(1, k.record.Kanji)));
        ASSERT_GE(k.strokes.size(), 1u);
        ASSERT_LE(k.strokes.size(), kMaxStrokes);
        for (const auto& stroke : k.strokes) {
            ASSERT_GE(stroke.size(), 2u);
            ASSERT_LE(stroke.size(), kMaxPointsPerStroke);
            EXPECT_NE(stroke.front().corner, 1);
            EXPECT_NE(stroke.back().corner, 1);
            for (const StrokeSample& p : stroke) {
                EXPECT_TRUE(p.x >= 0 && p.x < kDesignSquare && p.y >= 0 && p.y < kDesignSquare)
                    << p.x << "," << p.y;
                EXPECT_TRUE(p.corner == 0 || p.corner == 1);
            }
            for (size_t i = 1; i < stroke.size(); ++i) // samples about 6 units apart
                EXPECT_LE(std::abs(stroke[i].x - stroke[i - 1].x) +
                              std::abs(stroke[i].y - stroke[i - 1].y),
                          14);
        }
    }
}

TEST_F(CommittedData, ExamplesContainTheirKanjiAndAreSharedNotRepeated) {
    const int records = int(exampleBytes.size() / sizeof(ExampleRecord));
    std::set<int> used;
    int withThree = 0, links = 0;
    for (const StoredKanji& k : kanji) {
        const int count = k.record.ExampleCount;
        ASSERT_TRUE(count >= 0 && count <= int(kMaxExamplesShown));
        withThree += count >= 3;
        links += count;
        for (int i = 0; i < count; ++i) {
            const int id = k.record.ExampleIds[i];
            ASSERT_TRUE(id >= 0 && id < records);
            used.insert(id);
            const ExampleRecord e = example(id);
            EXPECT_NE(e.ExampleWord.text().find(k.record.Kanji), std::u16string::npos);
        }
    }
    EXPECT_EQ(int(used.size()), records); // every record is some kanji's example
    EXPECT_GE(withThree, kKanjiTotal * 95 / 100);
    EXPECT_GE(links, 6 * kKanjiTotal);

    std::set<std::u16string> known;
    for (const StoredKanji& k : kanji)
        known.insert(std::u16string(1, k.record.Kanji));
    std::set<std::u16string> seen;
    for (int id = 0; id < records; ++id) {
        const ExampleRecord e = example(id);
        EXPECT_TRUE(seen.insert(e.ExampleWord.text() + u'\t' + e.ExampleReading.text() + u'\t' +
                                e.ExampleMeaning.text())
                        .second);
        EXPECT_LE(e.ExampleWord.count, kMaxExampleWordChars);
        EXPECT_LE(e.ExampleReading.count, kMaxExampleReadingChars);
        EXPECT_LE(e.ExampleMeaning.count, kMaxExampleMeaningChars);
        EXPECT_FALSE(e.ExampleMeaning.empty());
        for (char16_t c : e.ExampleWord.text())
            if (is_kanji(c)) {
                EXPECT_TRUE(known.count(std::u16string(1, c)));
            }
    }
}

// Known kanji: 百 reads HYAKU unlike 白; 一 is one stroke written left to right; 口 has three
// strokes, the second turning down at the top right; 下 has さ.げる among its KUN readings.
TEST_F(CommittedData, KnownKanjiHaveTheirReadingsAndStrokes) {
    const StoredKanji *hundred = find(u'百'), *white = find(u'白'), *one = find(u'一'),
                      *mouth = find(u'口'), *below = find(u'下');
    ASSERT_TRUE(hundred && white && one && mouth && below);
    EXPECT_EQ(hundred->record.OnRomaji.text(), u"HYAKU, BYAKU");
    EXPECT_NE(hundred->record.OnRomaji.text(), white->record.OnRomaji.text());

    ASSERT_EQ(one->strokes.size(), 1u);
    const auto& s = one->strokes[0];
    EXPECT_GT(s.back().x - s.front().x, 150); // written left to right across the square
    EXPECT_LT(std::abs(s.back().y - s.front().y), 30);
    EXPECT_NE(one->record.Meaning.text().find(u"one"), std::u16string::npos);

    ASSERT_EQ(mouth->strokes.size(), 3u);
    const auto is_corner = [](const StrokeSample& p) { return p.corner == 1; };
    const auto& left = mouth->strokes[0];
    EXPECT_GT(left.back().y - left.front().y, 100); // the left side, drawn downwards
    EXPECT_EQ(std::count_if(left.begin(), left.end(), is_corner), 0);
    const auto& top = mouth->strokes[1];
    const auto corner = std::find_if(top.begin(), top.end(), is_corner);
    ASSERT_NE(corner, top.end());
    EXPECT_GT(corner->x - top.front().x, 100); // the corner is at the top right:
    EXPECT_GT(top.back().y - corner->y, 80);   // right along the top, then down

    const auto kun = split_readings(below->record.KunPronun.text());
    const auto romaji = split_readings(below->record.KunRomaji.text());
    ASSERT_GE(kun.size(), 3u);
    const auto sageru = std::find(kun.begin(), kun.end(), u"さ.げる");
    ASSERT_NE(sageru, kun.end());
    EXPECT_EQ(romaji[size_t(sageru - kun.begin())], u"sa.geru");
    EXPECT_EQ(romaji[0], u"shita");
    EXPECT_EQ(below->record.OnRomaji.text(), u"KA, GE");
}
