#include "edict.h"
#include "example_words.h"

#include <gtest/gtest.h>

TEST(Edict, FirstSenseWithoutTags) {
    auto e = parse_edict_line("一日 [いちにち] /(n) (1) one day/(n-adv) (2) all day (long)/"
                              "throughout the day/(n) (3) first day of the month/(P)/");
    ASSERT_TRUE(e);
    EXPECT_EQ(e->word, u"一日");
    EXPECT_EQ(e->reading, u"いちにち");
    EXPECT_TRUE(e->common);
    EXPECT_EQ(e->firstSense, std::vector<std::u16string>{u"one day"});
}

TEST(Edict, GlossesOfAnUnnumberedSenseAndOwnParentheses) {
    auto e = parse_edict_line("人出 [ひとで] /(ok) (n,vs) (uk) crowd/(rice) turnout/");
    ASSERT_TRUE(e);
    EXPECT_FALSE(e->common);
    EXPECT_TRUE(e->usuallyKana);
    EXPECT_EQ(e->firstSense, (std::vector<std::u16string>{u"crowd", u"(rice) turnout"}));
    EXPECT_EQ(example_meaning(e->firstSense), u"crowd; (rice) turnout");
}

TEST(Edict, LinesWithoutReadingOrBrokenAreSkipped) {
    EXPECT_FALSE(parse_edict_line("ヽ /(unc) repetition mark in katakana/"));
    EXPECT_FALSE(parse_edict_line("語 [ご"));
    EXPECT_FALSE(parse_edict_line(""));
    EXPECT_FALSE(parse_edict_line(" [] /"));
    const auto huge = parse_edict_line("語 [ご] /(99999999999999999999) word/");
    ASSERT_TRUE(huge); // an absurd number is no sense marker, just text
    EXPECT_EQ(huge->firstSense, std::vector<std::u16string>{u"(99999999999999999999) word"});
    EXPECT_EQ(parse_edict("語 [ご] /(n) word/(P)/\n\nbad\n本 [ほん] /(n) book/").size(), 2u);
}

TEST(ExampleChooser, CommonShortWordsOfKnownKanjiFirst) {
    const std::vector<EdictEntry> edict = {
        {u"日本人", u"にほんじん", {u"Japanese person"}, true},
        {u"日本", u"にほん", {u"Japan"}, true},
        {u"日", u"ひ", {u"sun"}, true},
        {u"日光", u"にっこう", {u"sunlight"}, true}, // 光 is not a known kanji
        {u"本日", u"ほんじつ", {u"today"}, false},
        {u"１日", u"ついたち", {u"first day"}, true},
        {u"日日", u"ひにち", {u"days"}, true, true}, // usually written in kana: last
    };
    const ExampleChooser chooser(edict, u"日本人", {{u'日', 1}, {u'本', 2}, {u'人', 3}});
    const auto words = chooser.examples_for(u'日');
    ASSERT_EQ(words.size(), 4u);
    EXPECT_EQ(words[0].word, u"日");
    EXPECT_EQ(words[1].word, u"日本");
    EXPECT_EQ(words[2].word, u"日本人");
    EXPECT_EQ(words[3].word, u"日日");
    // Too few common words: an uncommon one fills up to three.
    const auto forHon = chooser.examples_for(u'本');
    ASSERT_EQ(forHon.size(), 3u);
    EXPECT_EQ(forHon[2].word, u"本日");
}

TEST(ExampleBook, EachWordIsStoredOnce) {
    ExampleBook book;
    const ExampleWord a{u"日本", u"にほん", u"Japan"}, b{u"本", u"ほん", u"book"};
    EXPECT_EQ(book.id_for(a), 0);
    EXPECT_EQ(book.id_for(b), 1);
    EXPECT_EQ(book.id_for(a), 0);
    EXPECT_EQ(book.records().size(), 2u);
}
