// The whole kana-to-romaji conversion as tables: each hiragana text is also checked in katakana
// (lower and upper case), so both scripts are held to the same spelling.
#include "romaji.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using Table = std::vector<std::pair<std::u16string, std::string>>;

// The katakana of a hiragana text: the two blocks run in parallel, 0x60 apart.
std::u16string katakana_of(const std::u16string& hiragana) {
    std::u16string out = hiragana;
    for (char16_t& c : out)
        if (c >= u'ぁ' && c <= u'ゖ') c = char16_t(c + 0x60);
    return out;
}

std::string upper(std::string s) {
    for (char& c : s)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

void expect_both_scripts(const Table& table) {
    for (const auto& [hiragana, romaji] : table) {
        const std::u16string katakana = katakana_of(hiragana);
        SCOPED_TRACE(romaji);
        EXPECT_EQ(kana_to_romaji(hiragana), romaji);
        EXPECT_EQ(kana_to_romaji(katakana), romaji);
        EXPECT_EQ(kana_to_upper_romaji(katakana), upper(romaji));
        EXPECT_EQ(kana_to_upper_romaji(hiragana), upper(romaji));
    }
}

// Kana and their romaji, in pairs separated by blanks: "ふぁ fa てぃ ti".
void expect_spelled(std::u16string_view pairs) {
    Table table;
    std::vector<std::u16string> words;
    for (size_t at = 0; at <= pairs.size();) {
        const size_t end = std::min(pairs.find(u' ', at), pairs.size());
        words.emplace_back(pairs.substr(at, end - at));
        at = end + 1;
    }
    ASSERT_EQ(words.size() % 2, 0u);
    for (size_t i = 0; i < words.size(); i += 2)
        table.push_back({words[i], std::string(words[i + 1].begin(), words[i + 1].end())});
    expect_both_scripts(table);
}

} // namespace

TEST(Romaji, EveryKanaOfTheSyllabary) {
    expect_spelled(u"あ a い i う u え e お o か ka き ki く ku け ke こ ko さ sa し shi す su");
    expect_spelled(u"せ se そ so た ta ち chi つ tsu て te と to な na に ni ぬ nu ね ne の no");
    expect_spelled(u"は ha ひ hi ふ fu へ he ほ ho ま ma み mi む mu め me も mo や ya ゆ yu");
    expect_spelled(u"よ yo ら ra り ri る ru れ re ろ ro わ wa ゐ i ゑ e を o ん n ゔ vu");
    expect_spelled(u"が ga ぎ gi ぐ gu げ ge ご go ざ za じ ji ず zu ぜ ze ぞ zo だ da ぢ ji");
    expect_spelled(
        u"づ zu で de ど do ば ba び bi ぶ bu べ be ぼ bo ぱ pa ぴ pi ぷ pu ぺ pe ぽ po");
    // Small kana on their own keep their sound.
    expect_spelled(u"ぁ a ぃ i ぅ u ぇ e ぉ o ゃ ya ゅ yu ょ yo ゎ wa ゕ ka ゖ ke");
}

TEST(Romaji, ContractedSoundsKeepTheirYExceptAfterShChJ) {
    expect_spelled(
        u"きゃ kya きゅ kyu きょ kyo ぎゃ gya ぎゅ gyu ぎょ gyo しゃ sha しゅ shu しょ sho");
    expect_spelled(u"じゃ ja じゅ ju じょ jo ちゃ cha ちゅ chu ちょ cho ぢゃ ja ぢゅ ju ぢょ jo");
    expect_spelled(
        u"にゃ nya にゅ nyu にょ nyo ひゃ hya ひゅ hyu ひょ hyo びゃ bya びゅ byu びょ byo");
    expect_spelled(
        u"ぴゃ pya ぴゅ pyu ぴょ pyo みゃ mya みゅ myu みょ myo りゃ rya りゅ ryu りょ ryo");
    // Whole readings: 百, 表, 票, 評 and friends.
    expect_spelled(u"ひゃく hyaku ひょう hyou びゃく byaku ぴょう pyou");
}

TEST(Romaji, SmallVowelsReplaceTheVowelOfTheKanaBefore) {
    expect_spelled(u"ふぁ fa てぃ ti ちぇ che しぇ she じぇ je でぃ di");
}

TEST(Romaji, SmallTsuDoublesTheConsonantThatFollowsAndAtTheEndIsAT) {
    expect_spelled(u"っか kka っが gga っさ ssa っし sshi っざ zza っじ jji った tta っち cchi");
    expect_spelled(u"っつ ttsu っだ dda っな nna っは hha っふ ffu っば bba っぱ ppa っま mma");
    expect_spelled(u"っや yya っら rra っわ wwa っきゃ kkya っしょ ssho っちゃ ccha っぴょ ppyo");
    expect_spelled(u"っひゃ hhya がっこう gakkou はっぴょう happyou");
    // ON readings such as ジッ (十) and ガッ (合) end in a small tsu.
    expect_spelled(u"じっ jit がっ gat っ t あっっ att");
}

TEST(Romaji, SyllabicNIsAnNBeforeEverything) {
    // No apostrophe: the fields hold letters and the okurigana dot only.
    expect_spelled(u"しんぶん shinbun きんえん kinen げんいん genin ほんや honya");
    expect_spelled(u"きんゆう kinyuu いわ.んや iwa.nya さんま sanma");
}

TEST(Romaji, LongVowelsAreWrittenOut) {
    expect_spelled(
        u"しょう shou じゅう juu おお oo けい kei らーめん raamen きょー kyoo ちー chii");
}

TEST(Romaji, OkuriganaDotAndAffixHyphenPassThrough) {
    // The doubled consonant stays before the dot.
    expect_spelled(
        u"ひと.つ hito.tsu さ.げる sa.geru みっ.つ mit.tsu ひゃく. hyaku. つ- tsu- -か -ka");
}

TEST(Romaji, KatakanaBecomesHiraganaOtherTextStays) {
    EXPECT_EQ(katakana_to_hiragana(u"カタカナ.ー-a"), u"かたかな.ー-a");
    EXPECT_EQ(katakana_to_hiragana(u"ァヴヵヶ"), u"ぁゔゕゖ");
    EXPECT_EQ(kana_to_romaji(u"漢"), "") << "no romaji for a kanji";
}
