// Drawing the wrong answers of the multiple-choice exercises, with the generator seeded.
#include "choice_question.h"
#include "counted_text.h"
#include "fake_kanji_source.h"
#include "random.h"
#include "reading_entries.h"

#include <gmock/gmock.h>
#include <set>

namespace {

constexpr int kSeeds = 300;

std::vector<int> wrong(const ChoiceQuestion& q) {
    return {q.wrong_kanji.begin(), q.wrong_kanji.end()};
}

// Every row shows a distinct kanji, the right one at correctPosition, none without a text.
void expect_well_formed(const ChoiceQuestion& q, int current, KanjiSource& source,
                        ChoiceKind kind) {
    std::set<int> shown;
    for (int r = 0; r < kChoiceRows; ++r) {
        const int k = q.row_kanji(r);
        ASSERT_GT(k, 0) << "row " << r;
        shown.insert(k);
        const KanjiRecord rec = *source.record(k);
        const std::u16string expected = kind == ChoiceKind::Meaning ? rec.Meaning.text()
                                        : kind == ChoiceKind::On    ? rec.OnPronun.text()
                                                                    : rec.KunPronun.text();
        EXPECT_EQ(q.row_text(r, false), expected) << "row " << r << " shows its own kanji's text";
        EXPECT_FALSE(expected.empty());
    }
    EXPECT_EQ(shown.size(), 5u);
    EXPECT_EQ(q.row_kanji(q.correctPosition), current);
}

TEST(ChoiceQuestion, OneKanjiListTakesAllFourFromThePoolAndSkipsKanjiWithoutMeaning) {
    FakeKanjiSource source;
    source.learning = {5};
    for (int k = 1; k <= kKanjiTotal; k += 2)
        source.set_meaning(k, u""); // half the set has nothing to offer
    source.set_meaning(5, u"five");
    std::set<int> rows_used;
    for (int seed = 1; seed <= kSeeds; ++seed) {
        random_seed(seed);
        const ChoiceQuestion q = build_choice_question(ChoiceKind::Meaning, 5, 1, source);
        expect_well_formed(q, 5, source, ChoiceKind::Meaning);
        rows_used.insert(q.correctPosition);
    }
    EXPECT_EQ(rows_used.size(), 5u) << "the right answer lands on every row";
}

TEST(ChoiceQuestion, TwoKanjiMeaningListUsesTheOtherKanjiExactlyOnce) {
    FakeKanjiSource source;
    source.learning = {40, 41};
    for (int seed = 1; seed <= kSeeds; ++seed) {
        random_seed(seed);
        const ChoiceQuestion q = build_choice_question(ChoiceKind::Meaning, 40, 2, source);
        expect_well_formed(q, 40, source, ChoiceKind::Meaning);
        EXPECT_EQ(std::count(q.wrong_kanji.begin(), q.wrong_kanji.end(), 41), 1) << seed;
    }
}

TEST(ChoiceQuestion, MeaningListOfTenGivesAtLeastTwoListKanji) {
    FakeKanjiSource source;
    source.learning = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    for (int seed = 1; seed <= kSeeds; ++seed) {
        random_seed(seed);
        const ChoiceQuestion q = build_choice_question(ChoiceKind::Meaning, 3, 10, source);
        const auto w = wrong(q);
        EXPECT_GE(std::count_if(w.begin(), w.end(), [](int k) { return k >= 1 && k <= 10; }), 2);
    }
}

TEST(ChoiceQuestion, MeaningListPhaseGivesUpAfterAHundredDraws) {
    FakeKanjiSource source;
    source.learning = {7, 8, 9}; // the others have no meaning to offer
    source.set_meaning(8, u"");
    source.set_meaning(9, u"");
    random_seed(4);
    const ChoiceQuestion q = build_choice_question(ChoiceKind::Meaning, 7, 3, source);
    EXPECT_EQ(source.learning_draws, kMeaningListDrawLimit);
    expect_well_formed(q, 7, source, ChoiceKind::Meaning);
}

TEST(ChoiceQuestion, KunListWithoutOtherReadingsEndsAfterTenDrawsAndTakesThePool) {
    FakeKanjiSource source;
    source.learning = {20, 21, 22, 23};
    for (int k : {21, 22, 23})
        source.set_kun(k, u"", u"");
    for (int seed = 1; seed <= 50; ++seed) {
        random_seed(seed);
        source.learning_draws = 0;
        const ChoiceQuestion q = build_choice_question(ChoiceKind::Kun, 20, 1, source);
        EXPECT_EQ(source.learning_draws, kReadingListDrawLimit);
        expect_well_formed(q, 20, source, ChoiceKind::Kun);
        for (int k : wrong(q))
            EXPECT_TRUE(k < 20 || k > 23) << "a list kanji without KUN reading was offered";
    }
}

// Kanji share readings in many ways: k has the readings "r<k mod 7>" and "s<k mod 11>".
FakeKanjiSource crowded_readings(ChoiceKind kind) {
    FakeKanjiSource source;
    for (int k = 1; k <= kKanjiTotal; ++k) {
        const std::u16string romaji =
            u16("r" + std::to_string(k % 7) + ", s" + std::to_string(k % 11));
        if (kind == ChoiceKind::On)
            source.set_on(k, u"kana", romaji);
        else
            source.set_kun(k, u"kana", romaji);
    }
    return source;
}

TEST(ChoiceQuestion, WrongAnswersNeverShareARomajiReading) {
    for (ChoiceKind kind : {ChoiceKind::On, ChoiceKind::Kun}) {
        FakeKanjiSource source = crowded_readings(kind);
        source.learning = {1, 2, 3, 8, 9, 10, 15, 22};
        for (int seed = 1; seed <= kSeeds; ++seed) {
            random_seed(seed);
            const ChoiceQuestion q = build_choice_question(kind, 1, 8, source);
            std::vector<Entries> groups;
            for (int r = 0; r < kChoiceRows; ++r) {
                ASSERT_GT(q.row_kanji(r), 0);
                groups.push_back(reading_group(q.row_text(r, true)));
            }
            for (size_t a = 0; a < groups.size(); ++a)
                for (size_t b = a + 1; b < groups.size(); ++b)
                    EXPECT_FALSE(share_an_entry(groups[a], groups[b]))
                        << "seed " << seed << " rows " << a << ", " << b;
        }
    }
}

TEST(ChoiceQuestion, ReadingGroupsKeepTenReadingsOfAtMostFortyNineCharacters) {
    std::u16string field;
    for (int i = 0; i < 12; ++i)
        field += (i ? u", " : u"") + u16("x" + std::to_string(i));
    const Entries group = reading_group(field);
    ASSERT_EQ(group.size(), kGroupMaxReadings);
    EXPECT_EQ(group.back(), u"x9");
    const Entries long_one = reading_group(std::u16string(60, u'a') + u",b");
    EXPECT_EQ(long_one.at(0), std::u16string(49, u'a'));
    EXPECT_EQ(long_one.at(1), u"b");
}

} // namespace
