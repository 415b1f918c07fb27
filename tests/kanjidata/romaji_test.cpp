// The whole kana-to-romaji conversion as tables: each hiragana text is also checked in katakana
// (lower and upper case), so both scripts are held to the same spelling.
#include "romaji.h"

#include <gtest/gtest.h>

#include <cctype>
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

// One row of kana, one romaji syllable per kana.
void expect_row(const std::u16string& kana, const std::vector<std::string>& romaji) {
    ASSERT_EQ(kana.size(), romaji.size());
    Table table;
    for (size_t i = 0; i < kana.size(); ++i)
        table.push_back({kana.substr(i, 1), romaji[i]});
    expect_both_scripts(table);
}

} // namespace

TEST(Romaji, EveryKanaOfTheSyllabary) {
    expect_row(u"あいうえお", {"a", "i", "u", "e", "o"});
    expect_row(u"かきくけこ", {"ka", "ki", "ku", "ke", "ko"});
    expect_row(u"さしすせそ", {"sa", "shi", "su", "se", "so"});
    expect_row(u"たちつてと", {"ta", "chi", "tsu", "te", "to"});
    expect_row(u"なにぬねの", {"na", "ni", "nu", "ne", "no"});
    expect_row(u"はひふへほ", {"ha", "hi", "fu", "he", "ho"});
    expect_row(u"まみむめも", {"ma", "mi", "mu", "me", "mo"});
    expect_row(u"やゆよ", {"ya", "yu", "yo"});
    expect_row(u"らりるれろ", {"ra", "ri", "ru", "re", "ro"});
    expect_row(u"わゐゑをん", {"wa", "i", "e", "o", "n"});
    expect_row(u"がぎぐげご", {"ga", "gi", "gu", "ge", "go"});
    expect_row(u"ざじずぜぞ", {"za", "ji", "zu", "ze", "zo"});
    expect_row(u"だぢづでど", {"da", "ji", "zu", "de", "do"});
    expect_row(u"ばびぶべぼ", {"ba", "bi", "bu", "be", "bo"});
    expect_row(u"ぱぴぷぺぽ", {"pa", "pi", "pu", "pe", "po"});
    expect_row(u"ゔ", {"vu"});
    // Small kana on their own keep their sound.
    expect_row(u"ぁぃぅぇぉゃゅょゎ", {"a", "i", "u", "e", "o", "ya", "yu", "yo", "wa"});
    expect_row(u"ゕゖ", {"ka", "ke"});
}

TEST(Romaji, ContractedSoundsKeepTheirYExceptAfterShChJ) {
    expect_both_scripts({
        {u"きゃ", "kya"},
        {u"きゅ", "kyu"},
        {u"きょ", "kyo"},
        {u"ぎゃ", "gya"},
        {u"ぎゅ", "gyu"},
        {u"ぎょ", "gyo"},
        {u"しゃ", "sha"},
        {u"しゅ", "shu"},
        {u"しょ", "sho"},
        {u"じゃ", "ja"},
        {u"じゅ", "ju"},
        {u"じょ", "jo"},
        {u"ちゃ", "cha"},
        {u"ちゅ", "chu"},
        {u"ちょ", "cho"},
        {u"ぢゃ", "ja"},
        {u"ぢゅ", "ju"},
        {u"ぢょ", "jo"},
        {u"にゃ", "nya"},
        {u"にゅ", "nyu"},
        {u"にょ", "nyo"},
        {u"ひゃ", "hya"},
        {u"ひゅ", "hyu"},
        {u"ひょ", "hyo"},
        {u"びゃ", "bya"},
        {u"びゅ", "byu"},
        {u"びょ", "byo"},
        {u"ぴゃ", "pya"},
        {u"ぴゅ", "pyu"},
        {u"ぴょ", "pyo"},
        {u"みゃ", "mya"},
        {u"みゅ", "myu"},
        {u"みょ", "myo"},
        {u"りゃ", "rya"},
        {u"りゅ", "ryu"},
        {u"りょ", "ryo"},
        // Whole readings: 百, 表, 票, 評 and friends.
        {u"ひゃく", "hyaku"},
        {u"ひょう", "hyou"},
        {u"びゃく", "byaku"},
        {u"ぴょう", "pyou"},
    });
}

TEST(Romaji, SmallVowelsReplaceTheVowelOfTheKanaBefore) {
    expect_both_scripts({{u"ふぁ", "fa"},
                         {u"てぃ", "ti"},
                         {u"ちぇ", "che"},
                         {u"しぇ", "she"},
                         {u"じぇ", "je"},
                         {u"でぃ", "di"}});
}

TEST(Romaji, SmallTsuDoublesTheConsonantThatFollows) {
    expect_both_scripts({
        {u"っか", "kka"},        {u"っが", "gga"},           {u"っさ", "ssa"},
        {u"っし", "sshi"},       {u"っざ", "zza"},           {u"っじ", "jji"},
        {u"った", "tta"},        {u"っち", "cchi"},          {u"っつ", "ttsu"},
        {u"っだ", "dda"},        {u"っな", "nna"},           {u"っは", "hha"},
        {u"っふ", "ffu"},        {u"っば", "bba"},           {u"っぱ", "ppa"},
        {u"っま", "mma"},        {u"っや", "yya"},           {u"っら", "rra"},
        {u"っわ", "wwa"},        {u"っきゃ", "kkya"},        {u"っしょ", "ssho"},
        {u"っちゃ", "ccha"},     {u"っぴょ", "ppyo"},        {u"っひゃ", "hhya"},
        {u"がっこう", "gakkou"}, {u"はっぴょう", "happyou"},
    });
}

TEST(Romaji, SmallTsuAtTheEndIsAT) {
    // ON readings such as ジッ (十) and ガッ (合) end in a small tsu.
    expect_both_scripts({{u"じっ", "jit"}, {u"がっ", "gat"}, {u"っ", "t"}, {u"あっっ", "att"}});
}

TEST(Romaji, SyllabicNIsAnNBeforeEverything) {
    // No apostrophe: the fields hold letters and the okurigana dot only.
    expect_both_scripts({{u"しんぶん", "shinbun"},
                         {u"きんえん", "kinen"},
                         {u"げんいん", "genin"},
                         {u"ほんや", "honya"},
                         {u"きんゆう", "kinyuu"},
                         {u"いわ.んや", "iwa.nya"},
                         {u"さんま", "sanma"}});
}

TEST(Romaji, LongVowelsAreWrittenOut) {
    expect_both_scripts({{u"しょう", "shou"},
                         {u"じゅう", "juu"},
                         {u"おお", "oo"},
                         {u"けい", "kei"},
                         {u"らーめん", "raamen"},
                         {u"きょー", "kyoo"},
                         {u"ちー", "chii"}});
}

TEST(Romaji, OkuriganaDotAndAffixHyphenPassThrough) {
    expect_both_scripts({{u"ひと.つ", "hito.tsu"},
                         {u"さ.げる", "sa.geru"},
                         {u"みっ.つ", "mit.tsu"}, // the doubled consonant stays before the dot
                         {u"ひゃく.", "hyaku."},
                         {u"つ-", "tsu-"},
                         {u"-か", "-ka"}});
}

TEST(Romaji, KatakanaBecomesHiraganaOtherTextStays) {
    EXPECT_EQ(katakana_to_hiragana(u"カタカナ.ー-a"), u"かたかな.ー-a");
    EXPECT_EQ(katakana_to_hiragana(u"ァヴヵヶ"), u"ぁゔゕゖ");
    EXPECT_EQ(kana_to_romaji(u"漢"), "") << "no romaji for a kanji";
}
