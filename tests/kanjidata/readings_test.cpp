#include "readings.h"

#include "counted_text.h"

#include <gtest/gtest.h>

namespace {
size_t split_count(const std::u16string& s) {
    return split_readings(s).size();
}
} // namespace

TEST(KunReadings, AffixFormsGiveWayToPlainReadings) {
    EXPECT_EQ(kun_entries({u"-ひと", u"ひと.つ", u"ひと-"}),
              std::vector<std::u16string>{u"ひと.つ"});
    // With nothing else, an affix form stays, without its hyphen; duplicates go.
    EXPECT_EQ(kun_entries({u"-つ", u"つ-", u"-か"}), (std::vector<std::u16string>{u"つ", u"か"}));
}

TEST(KunReadings, KanaAndRomajiGoEntryForEntry) {
    const ReadingFields f = kun_reading_fields({u"した", u"さ.げる", u"-もと"});
    EXPECT_EQ(f.kana, u"した, さ.げる");
    EXPECT_EQ(f.romaji, u"shita, sa.geru");
}

TEST(OnReadings, UpperCaseRomajiWithoutDuplicates) {
    const ReadingFields f = on_reading_fields({u"ニチ", u"ジツ", u"ニチ", u"-ジ"});
    EXPECT_EQ(f.kana, u"ニチ, ジツ, ジ");
    EXPECT_EQ(f.romaji, u"NICHI, JITSU, JI");
}

TEST(Readings, LimitsOnEntriesAndLength) {
    std::vector<std::u16string> many;
    for (char16_t c = u'か'; many.size() < 12; c += 2)
        many.push_back(std::u16string(1, c));
    EXPECT_EQ(split_count(kun_reading_fields(many).kana), kMaxReadingEntries);

    // Long entries: the romaji reaches the limit before the kana does.
    std::vector<std::u16string> longOnes;
    for (char16_t c = u'か'; longOnes.size() < 10; c += 2)
        longOnes.push_back(std::u16string(1, c) + u"しょうしょう");
    const ReadingFields f = kun_reading_fields(longOnes);
    EXPECT_LE(f.kana.size(), kMaxReadingChars);
    EXPECT_LE(f.romaji.size(), kMaxReadingChars);
    EXPECT_EQ(split_count(f.kana), split_count(f.romaji));
    EXPECT_GT(split_count(f.kana), 1u);
}

TEST(Meaning, JoinedAndCutAtAMeaningBoundary) {
    EXPECT_EQ(joined_meaning({u"one", u"one radical (no.1)"}), u"one, one radical (no.1)");
    const std::u16string sixty(60, u'x');
    EXPECT_EQ(joined_meaning({sixty, sixty, u"y"}), sixty); // 60 + 2 + 60 > 118
    const std::u16string words = u"a very long meaning " + std::u16string(120, u'z');
    EXPECT_EQ(joined_meaning({words}), u"a very long meaning");
}
