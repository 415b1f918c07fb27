// Add Word's searches. By text: kana and case, normalisation, and the ranking against hand-worked
// orders and against the literal loops on random searches over the real kanji. By drawing: the
// model file checked for every damage the library would walk into, its characters as kanji, and
// the ink handed to it held to the box and to bounded strokes and points, smoothed without losing
// its corners, and kanji drawn by hand found with the real model.
#include "hand_drawing.h"
#include "kana_conversion.h"
#include "kanji_recogniser.h"
#include "kanji_recogniser_ink.h"
#include "kanji_recogniser_model.h"
#include "kanji_record.h"
#include "screen_fixture.h"
#include "search_index.h"
#include "search_pasted_kanji.h"
#include "search_ranking.h"

#include <QDir>
#include <QFile>
#include <cstring>
#include <gmock/gmock.h>
#include <random>
#include <set>

namespace {

using ::testing::ElementsAre;

// An index whose entries carry `texts` in the field that `mode` reads, and in every other field
// a text that never matches.
SearchIndex index_of(int mode, std::vector<std::u16string> texts) {
    SearchIndex index(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        SearchEntry& e = index[i];
        e.kanji = char16_t(0x4E00 + i);
        for (std::u16string* f : {&e.meaning, &e.on_kana, &e.kun_kana, &e.on_romaji, &e.kun_romaji})
            *f = &e.field(mode) == f ? texts[i] : std::u16string(1, u'#');
    }
    return index;
}

std::vector<int> both_rankings(const SearchIndex& index, const NormalisedSearch& search) {
    const std::vector<int> fast = rank_search(index, search);
    EXPECT_EQ(fast, rank_search_literal(index, search)) << "the two rankings disagree";
    return fast;
}

TEST(KanaConversion, KanaSwapByCodePointAtTheEdgesOfTheTablesAndCaseOnlyInAscii) {
    EXPECT_EQ(to_katakana(u"すいか"), u"スイカ");
    EXPECT_EQ(to_katakana(u"\u3041\u3096\u309D\u309E"), u"\u30A1\u30F6\u30FD\u30FE");
    EXPECT_EQ(to_hiragana(u"\u30A1\u30F6\u30FD\u30FE"), u"\u3041\u3096\u309D\u309E");
    // Outside the tables: unassigned kana, the long vowel mark, katakana without hiragana,
    // the combining voicing mark, ASCII and kanji pass unchanged.
    EXPECT_EQ(to_katakana(u"\u3040\u3097\u3099ーa水"), u"\u3040\u3097\u3099ーa水");
    EXPECT_EQ(to_hiragana(u"\u30A0\u30F7\u30FCーA水"), u"\u30A0\u30F7\u30FCーA水");
    EXPECT_EQ(to_hiragana(to_katakana(u"ぁあゔゖ")), u"ぁあゔゖ");
    // Case changes only ASCII letters.
    EXPECT_EQ(to_ascii_upper(u"az.AZ-@[`{é\uFF4B"), u"AZ.AZ-@[`{é\uFF4B");
    EXPECT_EQ(to_ascii_lower(u"AZ.az-@[`{É\uFF2B"), u"az.az-@[`{É\uFF2B");
}

TEST(SearchNormalisation, OnIsSoughtInKatakanaOrCapitalsKunInHiraganaOrSmallLetters) {
    const auto expect = [](std::u16string typed, int by, std::u16string sought, int mode) {
        const NormalisedSearch n = normalise_search(typed, by);
        EXPECT_EQ(n.text, sought) << utf16_to_utf8(typed);
        EXPECT_EQ(n.mode, mode) << utf16_to_utf8(typed);
    };
    // The four conversions by ON and KUN are held where Add Word shows them (test_add_word.cpp).
    expect(u"Water", SearchByMeaning, u"Water", ModeMeaning); // meanings: as typed
    expect(u"すい", SearchByMeaning, u"すい", ModeMeaning);
    // The first character alone decides: 'z' (122) is the last romaji code, '{' (123) the
    // first kana one.
    expect(u"zすい", SearchByOn, u"Zすい", ModeOnRomaji);
    expect(u"{すい", SearchByOn, u"{スイ", ModeOnKana);
    expect(u"スkA", SearchByKun, u"すkA", ModeKunKana);
}

// Longest piece first, then the leftmost piece, then kanji order; case counts, a repeated piece
// counts at its first place, the mode chooses the field, and an unmatched search keeps kanji order.
TEST(SearchRanking, LongestPieceFirstThenLeftmostPieceThenKanjiOrder) {
    //                 0       1        2            3    4      5      6        7      8      9
    const auto index = index_of(ModeMeaning, {u"tide", u"later", u"hot water", u"", u"wat", u"xyz",
                                              u"water", u"eat", u"tea", u"rat"});
    // water (5, 0): 2, 6; ater (4, 1): 1; wat (3, 0): 4; at (2, 1): 7, 9; te (2, 2): 8;
    // t (1, 2): 0; nothing: 3, 5.
    EXPECT_THAT(both_rankings(index, {u"water", ModeMeaning}),
                ElementsAre(2, 6, 1, 4, 7, 9, 8, 0, 3, 5));
    EXPECT_THAT(both_rankings(index, {u"Water", ModeMeaning}),
                ElementsAre(1, 2, 6, 4, 7, 9, 8, 0, 3, 5));
    // "ab" stands at 0 and at 3 of "abcab": it ranks by 0, ahead of "ca" (2), behind "abc".
    const auto pieces = index_of(ModeOnRomaji, {u"cax", u"xab", u"abc", u"cab"});
    EXPECT_THAT(both_rankings(pieces, {u"abcab", ModeOnRomaji}), ElementsAre(2, 3, 1, 0));
    EXPECT_THAT(both_rankings(pieces, {u"abcab", ModeKunRomaji}), ElementsAre(0, 1, 2, 3));
    EXPECT_THAT(both_rankings(pieces, {u"zzz", ModeOnRomaji}), ElementsAre(0, 1, 2, 3));
}

// The kanji's own index, as Add Word searches it.
class RealIndex : public ScreenTest {
  protected:
    SearchIndex index;

    void SetUp() override {
        ScreenTest::SetUp();
        index = build_search_index(kKanjiTotal);
    }
    int entry_of(char16_t kanji) const {
        for (size_t i = 0; i < index.size(); ++i)
            if (index[i].kanji == kanji) return int(i);
        return -1;
    }
    std::vector<int> ranked(std::u16string_view text, int by) const {
        return rank_typed_search(index, normalise_search(text, by));
    }
    // The entries of `first`, then every other entry in kanji-number order.
    std::vector<int> first_then_kanji_order(const std::vector<int>& first) const {
        std::vector<int> order = first;
        for (int e = 0; e < kKanjiTotal; ++e)
            if (std::find(first.begin(), first.end(), e) == first.end()) order.push_back(e);
        return order;
    }
};

// Random searches over the real kanji: pieces of real fields, pieces glued together, pieces
// repeated, letters at random, and texts whose first character sends them to the other script.
class RandomSearches : public RealIndex {
  protected:
    std::mt19937 rng{20240607};

    int below(int n) { return int(rng() % unsigned(std::max(n, 1))); }

    std::u16string piece_of_some_field(int mode, int max_length) {
        for (;;) {
            const std::u16string& f = index[size_t(below(kKanjiTotal))].field(mode);
            if (f.empty()) continue;
            const int start = below(int(f.size()));
            return f.substr(size_t(start),
                            size_t(1 + below(std::min(max_length, int(f.size()) - start))));
        }
    }
    // What a user might type for a field read in `mode`, in the script it is typed in: a piece of
    // a field, pieces glued together, a piece repeated, or letters at random.
    std::u16string typed_text(int mode) {
        const int kind = below(20);
        const int length = kind < 10 ? 1 + below(8) : kind < 17 ? 9 + below(22) : 31 + below(70);
        const int how = below(5);
        const std::u16string letters =
            how == 3 ? u"aeiostnrkhwmy ,.-AEKS" : u"すいかあスイカア kaSHI";
        const std::u16string repeated = how == 2 ? piece_of_some_field(mode, 3) : u"";
        std::u16string s = how == 0 ? piece_of_some_field(mode, length) : u"";
        while (how != 0 && int(s.size()) < length)
            s += how == 1   ? piece_of_some_field(mode, 1 + below(12))
                 : how == 2 ? repeated
                            : std::u16string(1, letters[size_t(below(int(letters.size())))]);
        s.resize(std::min<size_t>(s.size(), 100));
        if (mode == ModeOnKana) s = to_hiragana(s); // typed in hiragana, sought in katakana
        if (mode == ModeKunRomaji && below(2)) s = to_ascii_upper(s); // typed in capitals
        return s;
    }
};

TEST_F(RandomSearches, TheFastRankingGivesTheLiteralOrderEveryTime) {
    const int modes[] = {ModeMeaning, ModeOnKana, ModeKunKana, ModeOnRomaji, ModeKunRomaji};
    const int by[] = {SearchByMeaning, SearchByOn, SearchByKun, SearchByOn, SearchByKun};
    int matched_whole = 0, matched_nothing = 0, long_ones = 0;
    for (int round = 0; round < 30; ++round) {
        for (int m = 0; m < 5; ++m) {
            const NormalisedSearch search = normalise_search(typed_text(modes[m]), by[m]);
            const std::vector<int> fast = rank_search(index, search);
            ASSERT_EQ(fast, rank_search_literal(index, search))
                << "search " << utf16_to_utf8(search.text) << " in mode " << search.mode;
            ASSERT_EQ(rank_typed_search(index, search), fast)
                << "a text without kanji ranks as before: " << utf16_to_utf8(search.text);
            const std::u16string& first = index[size_t(fast[0])].field(search.mode);
            matched_whole += first.find(search.text) != std::u16string::npos;
            matched_nothing += first.find_first_of(search.text) == std::u16string::npos;
            long_ones += search.text.size() > 30;
        }
    }
    // The searches covered whole matches, searches matching nothing and long texts.
    EXPECT_GT(matched_whole, 20);
    EXPECT_GT(matched_nothing, 0);
    EXPECT_GT(long_ones, 5);
}

using PastedKanjiSearch = RealIndex;

TEST_F(PastedKanjiSearch, KanjiComeFirstOnceEachInTheOrderTypedThenTheUsualRanking) {
    const int fire = entry_of(u'火'), water = entry_of(u'水');
    // Repeats count once; blanks between and around are passed over, though a blank alone would
    // rank the meanings that hold one.
    for (int by : {SearchByMeaning, SearchByOn, SearchByKun})
        EXPECT_EQ(ranked(u" 火水\u3000火\t水 ", by), first_then_kanji_order({fire, water}))
            << "by " << by;
    // Kanji outside the program's are passed over.
    ASSERT_EQ(entry_of(u'鬱'), -1);
    // 𠮟 (U+20B9F) is a pair of surrogates, one kanji: the text is still all kanji and blanks.
    EXPECT_EQ(ranked(u"鬱 \U00020B9F 水", SearchByMeaning),
              first_then_kanji_order({entry_of(u'水')}));
    EXPECT_EQ(ranked(u"鬱", SearchByKun), first_then_kanji_order({}));
    // Kanji mixed with kana come first, then the usual ranking of the whole text.
    const int eat = entry_of(u'食');
    std::vector<int> usual = rank_search(index, normalise_search(u"食べる", SearchByKun));
    std::erase(usual, eat);
    usual.insert(usual.begin(), eat);
    EXPECT_EQ(ranked(u"食べる", SearchByKun), usual);
    EXPECT_NE(index[size_t(usual[1])].kun_kana.find(u"べる"), std::u16string::npos);
}

// A model of the library's format: each character with its bias and no weights, so that its
// score is its bias whatever is drawn.
struct ModelEntry {
    std::string character; // UTF-8, at most 15 bytes
    float bias = 0;
    int weights = 1;
};

void put(std::vector<uint8_t>& out, const void* p, size_t n) {
    const auto* b = static_cast<const uint8_t*>(p);
    out.insert(out.end(), b, b + n);
}

void set_magic(std::vector<uint8_t>& m) {
    const uint32_t magic = uint32_t(m.size()) ^ kModelMagic;
    std::memcpy(&m[0], &magic, 4);
}

std::vector<uint8_t> model_of(const std::vector<ModelEntry>& entries) {
    std::vector<uint8_t> m(kModelHeaderBytes, 0);
    const uint32_t version = kModelVersion, count = uint32_t(entries.size());
    std::memcpy(&m[4], &version, 4);
    std::memcpy(&m[8], &count, 4);
    for (const ModelEntry& e : entries) {
        char character[kModelCharacterBytes] = {};
        std::memcpy(character, e.character.data(), e.character.size());
        put(m, character, sizeof character);
        put(m, &e.bias, 4);
        const int32_t end = -1;
        const float weight = 0.5f;
        for (int32_t index = 5; index < 5 + e.weights; ++index) {
            put(m, &index, 4); // weights on features nothing drawn has
            put(m, &weight, 4);
        }
        put(m, &end, 4);
        put(m, &weight, 4);
    }
    set_magic(m);
    return m;
}

// A sound model and every damage the library would walk into: cut short anywhere (the magic made
// to agree with the shorter size), a byte after the last character (with the magic agreeing or
// not), the magic, version or count wrong, a character without its zero, and the last
// terminator changed so that its weights run to the end.
std::vector<uint8_t> sound_model() {
    return model_of({{"水", 1}, {"火", 2}});
}
std::vector<std::vector<uint8_t>> damaged_models() {
    const std::vector<uint8_t> sound = sound_model();
    std::vector<std::vector<uint8_t>> damaged;
    for (size_t size = 0; size < sound.size(); ++size) {
        damaged.emplace_back(sound.begin(), sound.begin() + long(size));
        if (size >= 4) set_magic(damaged.back());
    }
    const auto changed = [&](size_t at, uint8_t value) {
        damaged.push_back(sound);
        damaged.back()[at] = value;
    };
    damaged.push_back(sound);
    damaged.back().push_back(0);
    damaged.push_back(damaged.back());
    set_magic(damaged.back());
    changed(0, sound[0] ^ 1);
    changed(4, 2);
    changed(8, 3); // more characters counted than stored
    damaged.push_back(sound);
    std::memset(&damaged.back()[kModelHeaderBytes], 'x', kModelCharacterBytes);
    changed(sound.size() - 8, 7);
    return damaged;
}

class RecogniserFiles : public ScreenTest {
  protected:
    void TearDown() override {
        set_handwriting_model_path({});
        ScreenTest::TearDown();
    }
    std::string write(const QString& name, const std::vector<uint8_t>& bytes) {
        QFile f(QDir(folder).filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        return f.fileName().toStdString();
    }
    std::unique_ptr<KanjiRecogniser> open_model(const std::vector<uint8_t>& bytes,
                                                const std::u16string& kanji) {
        set_handwriting_model_path(write(QStringLiteral("model"), bytes));
        return open_kanji_recogniser(kanji);
    }
};

TEST_F(RecogniserFiles, CandidatesAreTheModelsKanjiAmongTheProgramsInScoreOrder) {
    // あ scores best but is no kanji of the program; 水 and 火 follow in score order.
    auto r = open_model(model_of({{"火", 1}, {"あ", 3}, {"水", 2}, {"木", -1}}), u"一火水");
    ASSERT_NE(r, nullptr);
    const Ink dash{{{10, 10}, {50, 12}}};
    EXPECT_THAT(r->recognise(dash, 100, 10), ElementsAre(3, 2));
    EXPECT_THAT(r->recognise(dash, 100, 1), ElementsAre(3));
    EXPECT_TRUE(r->recognise({}, 100, 10).empty());
    EXPECT_TRUE(r->recognise(dash, 100, 0).empty());
}

// The model as the program keeps it in memory: only the entries of the characters asked for.
TEST_F(RecogniserFiles, OnlyTheKanjiAskedForAreKeptFromTheModelFile) {
    const auto only = [](std::u16string wanted) {
        return [wanted](char16_t c) { return wanted.find(c) != std::u16string::npos; };
    };
    const std::vector<uint8_t> full = model_of({{"火", 1}, {"あ", 3}, {"水", 2}, {"木", -1}});
    const std::string path = write(QStringLiteral("model"), full);
    EXPECT_EQ(read_model_keeping(path, only(u"水火")), model_of({{"火", 1}, {"水", 2}}))
        << "count and magic written anew, the entries in their order";
    EXPECT_EQ(read_model_keeping(path, only(u"あ火水木")), full);
    EXPECT_EQ(read_model_keeping(path, only(u"")), model_of({}));
    EXPECT_FALSE(read_model_keeping(QDir(folder).filePath("none").toStdString(), only(u"")));

    // A model larger than the blocks it is read in: entries of several lengths cross the blocks'
    // edges at every point.
    std::vector<ModelEntry> many, odd;
    for (int i = 0; i < 60000; ++i) {
        const QString c(QChar(char16_t(0x4E00 + i % 20000)));
        many.push_back({c.toStdString(), float(i), 1 + i % 3});
        if (i % 20000 % 2) odd.push_back(many.back());
    }
    const auto odd_characters = [](char16_t c) { return (c - 0x4E00) % 2 == 1; };
    EXPECT_EQ(read_model_keeping(write(QStringLiteral("large"), model_of(many)), odd_characters),
              model_of(odd));
}

// Damage anywhere is refused by the check of the bytes and by the reader of the file, in the
// entries that are left out as much as in those kept.
TEST_F(RecogniserFiles, ASoundModelPassesAndEveryDamageIsRefusedWhateverIsKept) {
    ASSERT_TRUE(handwriting_model_sound(sound_model()));
    EXPECT_TRUE(handwriting_model_sound(model_of({})));
    const auto damaged = damaged_models();
    const std::string path = QDir(folder).filePath("model").toStdString();
    for (size_t i = 0; i < damaged.size(); ++i) {
        EXPECT_FALSE(handwriting_model_sound(damaged[i])) << "damage " << i;
        write(QStringLiteral("model"), damaged[i]);
        EXPECT_FALSE(read_model_keeping(path, [](char16_t) { return true; })) << "damage " << i;
        EXPECT_FALSE(read_model_keeping(path, [](char16_t) { return false; })) << "damage " << i;
    }
}

TEST_F(RecogniserFiles, AMissingUnreadableOrDamagedModelOpensNothing) {
    // Missing, and a folder in the file's place.
    for (const QString& path : {QDir(folder).filePath("none.model"), folder}) {
        set_handwriting_model_path(path.toStdString());
        EXPECT_FALSE(handwriting_model_present());
        EXPECT_EQ(open_kanji_recogniser(u"水"), nullptr);
    }
    for (const std::vector<uint8_t>& damaged : {damaged_models().back(), {}}) {
        EXPECT_EQ(open_model(damaged, u"水"), nullptr);
        EXPECT_TRUE(handwriting_model_present()) << "there, but damaged";
    }
}

TEST(InkPreparation, PointsAreHeldInTheBoxAndEmptySurplusOrOverlongStrokesBounded) {
    const Ink ink = prepare_ink({{{-40, 50}, {300, 50}}, {}, {{20, 400}}}, 260);
    ASSERT_EQ(ink.size(), 2u);
    EXPECT_EQ(ink[0].front(), (InkPoint{0, 50}));
    EXPECT_EQ(ink[0].back(), (InkPoint{259, 50}));
    EXPECT_THAT(ink[1], ElementsAre(InkPoint{20, 259})) << "a dot stays one point";
    EXPECT_EQ(prepare_ink(Ink(40, InkStroke{{5, 5}, {60, 60}}), 260).size(), 30u);
    InkStroke spiral;
    for (int i = 0; i < 5000; ++i) {
        const double a = i * 0.05, r = 20 + i * 0.02;
        spiral.push_back({130 + int(r * std::cos(a)), 130 + int(r * std::sin(a))});
    }
    const InkPreparation how;
    const auto points = int(prepare_ink({spiral}, 260, how)[0].size());
    EXPECT_TRUE(points == how.max_points || points == how.max_points - 1) << points;
}

// A shake from report to report is smoothed away, the ends and a corner of the stroke itself
// stay, and the stroke is walked at even steps of about 10 px.
TEST(InkPreparation, AShakeIsSmoothedAwayButACornerStays) {
    InkStroke shaken, corner; // each report 8 px off y = 100 in turn; an L cornered at (60, 200)
    for (int i = 0, x = 20; x <= 240; ++i, x += 4 + i % 3)
        shaken.push_back({x, 100 + (i % 2 ? 8 : -8)});
    for (int i = 0; i <= 64; ++i)
        corner.push_back(i <= 32 ? InkPoint{60, 40 + 5 * i} : InkPoint{60 + 5 * (i - 32), 200});
    const Ink prepared = prepare_ink({shaken, corner}, 260);
    ASSERT_GE(prepared[0].size(), 15u);
    for (size_t i = 0; i < prepared[0].size(); ++i) {
        EXPECT_LE(std::abs(prepared[0][i].y - 100), 1) << "point " << i;
        if (i > 0 && i + 1 < prepared[0].size()) {
            EXPECT_NEAR(prepared[0][i].x - prepared[0][i - 1].x, 10, 2) << "step " << i;
        }
    }
    EXPECT_NEAR(prepared[0].front().x, shaken.front().x, 4);
    EXPECT_NEAR(prepared[0].back().x, shaken.back().x, 4);
    // The corner lies 160 / sqrt(2) = 113 px from the chord; a cut corner comes closer.
    double farthest = 0;
    for (const InkPoint& p : prepared[1])
        farthest = std::max(farthest, std::abs((p.x - 60) - (p.y - 40)) / std::sqrt(2.0));
    EXPECT_GE(farthest, 113.0 - 10);
}

// 200 kanji over every stroke count (the first kanji of each count, then even steps through the
// kanji ordered by stroke count), drawn steadily and shaking by 3 % of the box from one report to
// the next: at least 95 % of each are among the real model's first ten candidates.
TEST_F(ScreenTest, KanjiDrawnByHandAreAmongTheRealModelsFirstTenCandidates) {
    ASSERT_TRUE(handwriting_model_present()) << "scripts/install-deps installs the model";
    const auto recogniser = open_kanji_recogniser(all_kanji());
    ASSERT_NE(recogniser, nullptr);
    std::vector<std::pair<int, int>> by_count; // (strokes, kanji)
    for (int k = 1; k <= kKanjiTotal; ++k) {
        KanjiData_LoadStrokes(k);
        by_count.push_back({KanjiData_StrokeCount(), k});
    }
    std::sort(by_count.begin(), by_count.end());
    std::set<int> kanji;
    for (size_t i = 0; i < by_count.size(); ++i)
        if (i == 0 || by_count[i].first != by_count[i - 1].first) kanji.insert(by_count[i].second);
    EXPECT_GE(kanji.size(), 20u) << "every stroke count from 1 to 20 and more";
    for (size_t i = 0; kanji.size() < 200; ++i)
        kanji.insert(by_count[i * by_count.size() / 200 % by_count.size()].second);
    for (double zigzag : {0.0, 0.03}) {
        int found = 0;
        for (int k : kanji) {
            std::mt19937 rng{unsigned(k)};
            const std::vector<int> candidates =
                recogniser->recognise(draw_by_hand(box_strokes(k), zigzag, rng), kTestBox, 10);
            EXPECT_LE(candidates.size(), 10u);
            EXPECT_EQ(std::set<int>(candidates.begin(), candidates.end()).size(),
                      candidates.size());
            found += std::find(candidates.begin(), candidates.end(), k) != candidates.end();
        }
        EXPECT_GE(found, 190) << "zigzag " << zigzag;
        std::printf("found among the first ten, zigzag %.2f: %d of 200\n", zigzag, found);
    }
}

} // namespace
