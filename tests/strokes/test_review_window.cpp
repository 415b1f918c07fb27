// The review window over the exercises' stand-in main window made small, and its stroke
// animation, which every kanji load, check box change and the close stop first; the animation
// clock runs at once or holds the worker in a chosen pause until it is stopped.
#include "check_box.h"
#include "exercises/exercise_fixture.h"
#include "glyph_display.h"
#include "options.h"
#include "review_examples.h"
#include "review_kanji_display.h"
#include "review_meaning.h"
#include "review_strip.h"
#include "review_window.h"
#include "stroke_box.h"
#include "stroke_screens.h"
#include "stroke_test_support.h"
#include "test_clock.h"

#include <QDir>
#include <algorithm>

class ReviewTest : public ExerciseTest {
  protected:
    void SetUp() override {
        ExerciseTest::SetUp();
        main_window->setFixedSize(60, 40); // the review fits the 800 x 600 screen beside it
        main_window->move(20, 40);
        Review_SetAnimationClock(&clock);
    }
    void TearDown() override {
        ExerciseTest::TearDown(); // deletes an open review window, which stops its animation
        Review_SetAnimationClock(nullptr);
    }
    static ReviewWindow* review() { return ReviewWindow::instance(); }
    // Opens the review over the list; under ThreadSanitizer the window must not paint (Qt hands
    // its larger drawings to a thread pool whose semaphore the sanitizer cannot see), so the tests
    // read the kanji display's canvas, which the worker draws into.
    ReviewWindow* open_review(const std::vector<int>& list) {
        set_learning_list(list);
        Review_Open();
        if (review()) review()->setUpdatesEnabled(false);
        return review();
    }
    static char16_t character_of(int kanji) { return KanjiData_LoadRecord(kanji)->Kanji; }
    // Starts the animation with a click; the worker stays in pause `at` until it is stopped.
    void start_parked(size_t at) {
        clock.hold_in(review()->kanji_display().animation(),
                      [at](size_t index, int) { return index == at; });
        press(review()->animate_button());
        ASSERT_EVENTUALLY(clock.holding.load());
        ASSERT_TRUE(review()->kanji_display().animating());
    }
    // The review display's own picture of a kanji: the glyph with or without its numbers.
    static QImage glyph_picture(int kanji, bool numbers) {
        Surface s(kReviewBoxSize, kReviewBoxSize);
        DrawReviewGlyphDisplay(s, character_of(kanji), starts_of(kanji, StrokeScreen::Review),
                               numbers);
        return s.image();
    }
    static QImage kanji_picture() { return review()->kanji_display().box()->canvas().snapshot(); }

    TestClock clock;
};

// The first kanji shows in every display, the one with the most examples with all of them; the
// strip's ends move like Previous and Next, its middle does nothing; the link opens the tips.
TEST_F(ReviewTest, OpensAtItsOffsetOnTheFirstKanjiAndTheStripsEndsMove) {
    EXPECT_EQ(open_review({}), nullptr) << "an empty list opens nothing";
    EXPECT_EQ(view.messages, std::vector<std::string>{kMessageListEmpty});
    int most = 1;
    for (int k = 1; k <= kKanjiTotal; ++k)
        if (KanjiData_LoadRecord(k)->exampleCount() > KanjiData_LoadRecord(most)->exampleCount())
            most = k;
    const KanjiRecord r = *KanjiData_LoadRecord(most);
    set_option_slot(OptReviewOffset, 40);
    set_option_slot(OptReviewOffset + 1, 25);
    const int second = most % kKanjiTotal + 1;
    ReviewWindow* w = open_review({most, second});
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->pos(), main_window->pos() + QPoint(40, 25));
    EXPECT_FALSE(main_window->isEnabled());
    EXPECT_EQ(active_calls, std::vector<bool>{false});
    EXPECT_EQ(w->meaning_display()->record().Kanji, r.Kanji);
    EXPECT_EQ(kanji_picture(), glyph_picture(most, false)) << "numbers off (slot 27 is 0)";
    const ReviewExamplesDisplay* d = w->examples_display();
    EXPECT_EQ(d->ids(), std::vector<int>(r.ExampleIds, r.ExampleIds + r.exampleCount()));
    ASSERT_EQ(d->examples().size(), size_t(r.exampleCount()));
    EXPECT_EQ(d->examples().back().ExampleWord.text(),
              Examples_Load(r.ExampleIds[r.exampleCount() - 1])->ExampleWord.text());
    Review_Open();
    EXPECT_EQ(review(), w) << "at most one review window";

    const auto shows = [&](int kanji) {
        return w->kanji_display().character() == character_of(kanji) &&
               w->meaning_display()->record().Kanji == character_of(kanji);
    };
    click(w->strip(), QPoint(250, 10));
    EXPECT_TRUE(shows(most));
    click(w->strip(), QPoint(520, 10));
    EXPECT_TRUE(shows(second));
    EXPECT_FALSE(w->previous_button()->behaviour().enabled) << "the buttons are left as they were";
    click(w->strip(), QPoint(3, 10));
    EXPECT_TRUE(shows(most));
    press(w->next_button());
    EXPECT_TRUE(shows(second));
    EXPECT_EQ(w->strip()->range().selection, 1);
    EXPECT_FALSE(w->next_button()->behaviour().enabled);
    EXPECT_TRUE(w->previous_button()->behaviour().enabled);

    const QPoint on_link = ReviewWindow::kLinkRect.center(),
                 off_link = ReviewWindow::kLinkRect.bottomRight() + QPoint(2, 2);
    QTest::mouseMove(w, on_link);
    QTest::mouseMove(w, off_link);
    click(w, off_link);
    QTest::mouseMove(w, on_link);
    click(w, on_link);
    EXPECT_EQ(opened_pages, QStringList{QDir::current().absoluteFilePath("help/stroke_help.htm")});
}

// Exit, the close glyph and the window manager's close alike.
TEST_F(ReviewTest, ClosingStoresTheOffsetAndTheCheckBoxAndGivesTheMainWindowBack) {
    ReviewWindow* w = open_review({5, 6});
    ASSERT_NE(w, nullptr);
    w->move(main_window->pos() + QPoint(33, -12));
    click(w->stroke_order_box(), QPoint(5, 5));
    EXPECT_EQ(get_option_slot(OptReviewShowStrokeOrder), 0) << "stored when the window closes";
    press(w->exit_button());
    EXPECT_EQ(review(), nullptr);
    EXPECT_TRUE(main_window->isEnabled());
    EXPECT_EQ(example_closes, 1);
    EXPECT_EQ(get_option_slot(OptReviewOffset), 33);
    EXPECT_EQ(get_option_slot(OptReviewOffset + 1), -12);
    EXPECT_EQ(get_option_slot(OptReviewShowStrokeOrder), 1);

    ReviewWindow* again = open_review({5});
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->pos(), main_window->pos() + QPoint(33, -12));
    EXPECT_EQ(kanji_picture(), glyph_picture(5, true));
    click(again->stroke_order_box(), QPoint(5, 5));
    click(again, QPoint(ReviewWindow::kWidth - 16, 10)); // the close glyph
    EXPECT_EQ(review(), nullptr);
    EXPECT_EQ(get_option_slot(OptReviewShowStrokeOrder), 0);

    ASSERT_NE(open_review({5}), nullptr);
    review()->close();
    EXPECT_EQ(review(), nullptr);
    EXPECT_EQ(active_calls, (std::vector<bool>{false, true, false, true, false, true}));
    EXPECT_EQ(example_closes, 3);
}

class ReviewStrokeAnimation : public ReviewTest {};

TEST_F(ReviewStrokeAnimation, TheCheckBoxStopsARunningAnimationAndRedrawsTheGlyph) {
    ReviewWindow* w = open_review({3, 4});
    ASSERT_NE(w, nullptr);
    start_parked(5);
    EXPECT_TRUE(w->animate_button()->behaviour().held);
    EXPECT_NE(kanji_picture(), glyph_picture(3, false)) << "the first picture replaced the glyph";
    click(w->stroke_order_box(), QPoint(5, 5));
    EXPECT_FALSE(w->kanji_display().animating());
    EXPECT_FALSE(w->animate_button()->behaviour().held);
    QCoreApplication::processEvents(); // whatever the worker had posted arrives
    EXPECT_EQ(kanji_picture(), glyph_picture(3, true));
}

// The next kanji has more strokes than the 20 a smaller store would hold.
TEST_F(ReviewStrokeAnimation, NextDuringAnAnimationShowsOnlyTheNextKanjiWhichIsDrawnWhole) {
    int most = 1, strokes = 0;
    for (int k = 1; k <= kKanjiTotal; ++k)
        if (KanjiData_LoadStrokes(k), KanjiData_StrokeCount() > strokes)
            strokes = KanjiData_StrokeCount(), most = k;
    ASSERT_GT(strokes, 20);
    ReviewWindow* w = open_review({3, most});
    ASSERT_NE(w, nullptr);
    click(w->stroke_order_box(), QPoint(5, 5)); // numbers on
    start_parked(12);                           // a line of the first stroke drawn
    press(w->next_button());
    EXPECT_FALSE(w->kanji_display().animating());
    QCoreApplication::processEvents();
    EXPECT_EQ(kanji_picture(), glyph_picture(most, true)) << "nothing of the previous kanji";

    clock.reset();
    press(w->animate_button());
    ASSERT_EVENTUALLY(!w->kanji_display().animating());
    // Two pauses of 400 ms for each stroke: after its number and after its arrow.
    const std::vector<int> pauses = clock.pauses();
    EXPECT_EQ(std::count(pauses.begin(), pauses.end(), 400), 2 * strokes);
    EXPECT_EVENTUALLY(!w->animate_button()->behaviour().held);
}

// Exit, the close glyph and a window destroyed without closing.
TEST_F(ReviewStrokeAnimation, ClosingDuringAnAnimationStopsItFirst) {
    for (int way : {0, 1, 2}) {
        ASSERT_NE(open_review({3}), nullptr);
        start_parked(8);
        if (way == 0) press(review()->exit_button());
        if (way == 1) click(review(), QPoint(ReviewWindow::kWidth - 16, 10));
        if (way == 2) delete review();
        EXPECT_EQ(review(), nullptr);
        const size_t pauses = clock.pauses().size();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the box goes
        QCoreApplication::processEvents();
        EXPECT_EQ(clock.pauses().size(), pauses) << "the worker ended before the window went";
    }
}
