// The conversions of the data build: KanjiVG paths to strokes, kana to romaji, dictionary lines
// to example words, readings and meanings to the kanji record's fields.
#include "edict.h"
#include "example_words.h"
#include "kanjivg_path.h"
#include "readings.h"
#include "romaji.h"
#include "stroke_sampling.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// Kana and romaji pairs separated by blanks ("ふぁ fa てぃ ti"), each kana also in katakana.
void expect_spelled(std::u16string_view pairs) {
    std::vector<std::u16string> words;
    for (size_t at = 0; at <= pairs.size();) {
        const size_t end = std::min(pairs.find(u' ', at), pairs.size());
        words.emplace_back(pairs.substr(at, end - at));
        at = end + 1;
    }
    for (size_t i = 0; i < words.size(); i += 2) {
        std::u16string katakana = words[i];
        for (char16_t& c : katakana)
            if (c >= u'ぁ' && c <= u'ゖ') c = char16_t(c + 0x60);
        const std::string romaji(words[i + 1].begin(), words[i + 1].end());
        EXPECT_EQ(kana_to_romaji(words[i]), romaji);
        EXPECT_EQ(kana_to_romaji(katakana), romaji) << "in katakana";
    }
}

Polyline path(std::string_view d) {
    auto line = flatten_path(d);
    EXPECT_TRUE(line) << d;
    return line.value_or(Polyline{});
}

// One KanjiVG unit is one design unit.
std::vector<StrokeSample> sampled(std::string_view d) {
    const double s = kExercisePixelsPerDesignUnit;
    return sample_stroke(path(d), {s, s, s * kKanjivgCentre, s * kKanjivgCentre});
}

} // namespace

TEST(Romaji, EveryKanaAndEverySpellingRule) {
    expect_spelled(u"あ a い i う u え e お o か ka き ki く ku け ke こ ko さ sa し shi す su");
    expect_spelled(u"せ se そ so た ta ち chi つ tsu て te と to な na に ni ぬ nu ね ne の no");
    expect_spelled(u"は ha ひ hi ふ fu へ he ほ ho ま ma み mi む mu め me も mo や ya ゆ yu");
    expect_spelled(u"よ yo ら ra り ri る ru れ re ろ ro わ wa ゐ i ゑ e を o ん n ゔ vu");
    expect_spelled(u"が ga ぎ gi ぐ gu げ ge ご go ざ za じ ji ず zu ぜ ze ぞ zo だ da ぢ ji");
    expect_spelled(
        u"づ zu で de ど do ば ba び bi ぶ bu べ be ぼ bo ぱ pa ぴ pi ぷ pu ぺ pe ぽ po");
    expect_spelled(u"ぁ a ゕ ka ゖ ke"); // the ends of the block
    EXPECT_EQ(kana_to_romaji(u"漢"), "") << "no romaji for a kanji";
    // Contracted sounds keep their y except after sh, ch and j; a small vowel replaces the vowel
    // before it.
    expect_spelled(
        u"きゃ kya きゅ kyu きょ kyo ぎゃ gya しゃ sha しゅ shu しょ sho じゃ ja じゅ ju");
    expect_spelled(
        u"じょ jo ちゃ cha ちゅ chu ちょ cho ぢゃ ja ぢょ jo にゃ nya ひゃ hya びゅ byu");
    expect_spelled(u"ぴょ pyo みゃ mya りゅ ryu りょ ryo ひゃく hyaku ひょう hyou びゃく byaku");
    expect_spelled(u"ふぁ fa てぃ ti ちぇ che しぇ she じぇ je でぃ di");
    // A small tsu doubles the consonant that follows (a t at the end); syllabic n is an n before
    // everything, with no apostrophe; long vowels are written out; the okurigana dot and the
    // affix hyphen pass through.
    expect_spelled(u"っか kka っが gga っさ ssa っし sshi っじ jji った tta っち cchi っつ ttsu");
    expect_spelled(u"っは hha っふ ffu っぱ ppa っや yya っわ wwa っきゃ kkya っしょ ssho");
    expect_spelled(u"っちゃ ccha っぴょ ppyo がっこう gakkou じっ jit がっ gat っ t あっっ att");
    expect_spelled(u"しんぶん shinbun きんえん kinen げんいん genin ほんや honya さんま sanma");
    expect_spelled(
        u"しょう shou じゅう juu おお oo けい kei らーめん raamen きょー kyoo ちー chii");
    expect_spelled(
        u"ひと.つ hito.tsu さ.げる sa.geru みっ.つ mit.tsu ひゃく. hyaku. つ- tsu- -か -ka");
}

TEST(Edict, FirstSenseWithoutTagsAndBrokenLinesSkipped) {
    auto e = parse_edict_line("一日 [いちにち] /(n) (1) one day/(n-adv) (2) all day (long)/"
                              "throughout the day/(n) (3) first day of the month/(P)/");
    ASSERT_TRUE(e);
    EXPECT_EQ(e->word + u"|" + e->reading, u"一日|いちにち");
    EXPECT_TRUE(e->common);
    EXPECT_EQ(e->firstSense, std::vector<std::u16string>{u"one day"});
    e = parse_edict_line("人出 [ひとで] /(ok) (n,vs) (uk) crowd/(rice) turnout/");
    ASSERT_TRUE(e);
    EXPECT_FALSE(e->common);
    EXPECT_TRUE(e->usuallyKana);
    EXPECT_EQ(example_meaning(e->firstSense), u"crowd; (rice) turnout");
    for (const char* broken : {"ヽ /(unc) repetition mark in katakana/", "語 [ご", "", " [] /"})
        EXPECT_FALSE(parse_edict_line(broken)) << broken;
    EXPECT_EQ(parse_edict("語 [ご] /(n) word/(P)/\n\nbad\n本 [ほん] /(n) book/").size(), 2u);
}

// Common short words of known kanji first, words usually written in kana last; too few common
// words: an uncommon one fills up to three.
TEST(ExampleChooser, CommonShortWordsOfKnownKanjiFirst) {
    // 光 is not a known kanji; 日日 is usually written in kana.
    const std::vector<EdictEntry> edict = {{u"日本人", u"にほんじん", {u"Japanese person"}, true},
                                           {u"日本", u"にほん", {u"Japan"}, true},
                                           {u"日", u"ひ", {u"sun"}, true},
                                           {u"日光", u"にっこう", {u"sunlight"}, true},
                                           {u"本日", u"ほんじつ", {u"today"}, false},
                                           {u"１日", u"ついたち", {u"first day"}, true},
                                           {u"日日", u"ひにち", {u"days"}, true, true}};
    const ExampleChooser chooser(edict, u"日本人", {{u'日', 1}, {u'本', 2}, {u'人', 3}});
    const auto words_for = [&](char16_t kanji) {
        std::u16string words;
        for (const auto& w : chooser.examples_for(kanji))
            words += w.word + u" ";
        return words;
    };
    EXPECT_EQ(words_for(u'日'), u"日 日本 日本人 日日 ");
    EXPECT_EQ(words_for(u'本'), u"日本 日本人 本日 ");
}

// KUN affix forms give way to plain readings (with nothing else they stay, without the hyphen);
// duplicates go; kana and romaji go entry for entry, ON romaji in upper case.
TEST(Readings, AffixesDuplicatesPairingAndMeanings) {
    EXPECT_EQ(kun_entries({u"-ひと", u"ひと.つ", u"ひと-"}),
              std::vector<std::u16string>{u"ひと.つ"});
    EXPECT_EQ(kun_entries({u"-つ", u"つ-", u"-か"}), (std::vector<std::u16string>{u"つ", u"か"}));
    const ReadingFields kun = kun_reading_fields({u"した", u"さ.げる", u"-もと"});
    EXPECT_EQ(kun.kana + u"|" + kun.romaji, u"した, さ.げる|shita, sa.geru");
    const ReadingFields on = on_reading_fields({u"ニチ", u"ジツ", u"ニチ", u"-ジ"});
    EXPECT_EQ(on.kana + u"|" + on.romaji, u"ニチ, ジツ, ジ|NICHI, JITSU, JI");
    // Meanings are joined and cut at a meaning boundary (or a blank when the first is too long).
    EXPECT_EQ(joined_meaning({u"one", u"one radical (no.1)"}), u"one, one radical (no.1)");
    const std::u16string sixty(60, u'x');
    EXPECT_EQ(joined_meaning({sixty, sixty, u"y"}), sixty); // 60 + 2 + 60 > 118
    EXPECT_EQ(joined_meaning({u"a very long meaning " + std::u16string(120, u'z')}),
              u"a very long meaning");
}

TEST(KanjivgPath, CommandsOperandsAndStrokeOrder) {
    const Polyline line = path("M10,20 l5,0 5,0"); // a relative operand pair repeated
    ASSERT_EQ(line.points.size(), 3u);
    EXPECT_TRUE(line.points[2].x == 20 && line.points[2].y == 20);
    // Two relative cubics under one command letter; numbers packed without separators.
    EXPECT_DOUBLE_EQ(path("M0,0c1,0,2,0,3,0 1,0,2,0,3-1.5").points.back().y, -1.5);
    // The reflected control point of S makes the curve bulge below y = 0 before its end.
    const Polyline smooth = path("M0,0C0,10,10,10,10,0S20,-10,20,0");
    EXPECT_DOUBLE_EQ(smooth.points.back().x, 20);
    EXPECT_TRUE(std::any_of(smooth.points.begin(), smooth.points.end(),
                            [](const Vec2& p) { return p.y < -5; }));
    EXPECT_FALSE(flatten_path("M0,0 Q1,1,2,2"));
    const auto d = svg_path_data(R"(<svg><path id="a" d="M1,1c1,1,1,1,1,1"/><g/>)"
                                 R"(<path id="b" d="M2,2c1,1,1,1,1,1"/><path d="M3,3)");
    EXPECT_EQ(d, (std::vector<std::string>{"M1,1c1,1,1,1,1,1", "M2,2c1,1,1,1,1,1"}));
}

TEST(StrokeSampling, EvenSpacingExactEndsAndCornersWhereTheStrokeTurns) {
    const auto straight = sampled("M10,50 L97,50");
    ASSERT_GE(straight.size(), 14u); // 87 units at about 6 apart
    EXPECT_TRUE(straight.front().x == 10 && straight.back().x == 97);
    for (size_t i = 1; i < straight.size(); ++i) {
        const double gap =
            std::hypot(straight[i].x - straight[i - 1].x, straight[i].y - straight[i - 1].y);
        EXPECT_NEAR(gap, kSampleSpacing, 1.0);
        EXPECT_EQ(straight[i].corner, 0);
    }
    // Right, then down: one corner near (80, 20). A bend of 30 degrees is no corner.
    int corners = 0;
    for (const StrokeSample& s : sampled("M20,20 L80,20 L80,80"))
        if (s.corner == 1) {
            ++corners;
            EXPECT_TRUE(std::abs(s.x - 80) <= 4 && std::abs(s.y - 20) <= 4) << s.x << "," << s.y;
        }
    EXPECT_EQ(corners, 1);
    for (const StrokeSample& s : sampled("M20,20 L80,20 L132,50"))
        EXPECT_EQ(s.corner, 0);
}
