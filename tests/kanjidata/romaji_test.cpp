#include "romaji.h"

#include <gtest/gtest.h>

TEST(Romaji, HepburnSyllables) {
    EXPECT_EQ(kana_to_romaji(u"しちつふじぢづ"), "shichitsufujijizu");
    EXPECT_EQ(kana_to_romaji(u"しゃちゅじょ"), "shachujo");
    EXPECT_EQ(kana_to_romaji(u"きゃくりょこう"), "kyakuryokou");
    EXPECT_EQ(kana_to_romaji(u"しんぶん"), "shinbun");
    EXPECT_EQ(kana_to_romaji(u"を"), "o");
}

TEST(Romaji, LongVowelsAreWrittenOut) {
    EXPECT_EQ(kana_to_upper_romaji(u"ショウ"), "SHOU");
    EXPECT_EQ(kana_to_upper_romaji(u"ジュウ"), "JUU");
    EXPECT_EQ(kana_to_romaji(u"ラーメン"), "raamen");
}

TEST(Romaji, SmallTsuDoublesTheNextConsonant) {
    EXPECT_EQ(kana_to_romaji(u"がっこう"), "gakkou");
    EXPECT_EQ(kana_to_romaji(u"いっち"), "icchi");
    EXPECT_EQ(kana_to_upper_romaji(u"ハッピョウ"), "HAPPYOU");
    // Across the okurigana dot the doubled consonant stays before the dot.
    EXPECT_EQ(kana_to_romaji(u"みっ.つ"), "mit.tsu");
}

TEST(Romaji, OkuriganaDotAndCaseFollowTheField) {
    EXPECT_EQ(kana_to_romaji(u"ひと.つ"), "hito.tsu");
    EXPECT_EQ(kana_to_romaji(u"ヒト.ツ"), "hito.tsu");
    EXPECT_EQ(kana_to_upper_romaji(u"ニチ"), "NICHI");
}

TEST(Romaji, KatakanaBecomesHiraganaOtherTextStays) {
    EXPECT_EQ(katakana_to_hiragana(u"カタカナ.ー-a"), u"かたかな.ー-a");
}
