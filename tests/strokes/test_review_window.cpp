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
    ReviewWindow* open_review(const std::vector<int>& list) {
        set_learning_list(list);
        Review_Open();
        return review();
    }
    static std::vector<int> first_kanji(int count) {
        std::vector<int> list(static_cast<size_t>(count));
        std::iota(list.begin(), list.end(), 1);
        return list;
    }
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
        const StrokeStarts starts = starts_of(kanji, StrokeScreen::Review);
        Surface s(kReviewBoxSize, kReviewBoxSize);
        DrawReviewGlyphDisplay(s, KanjiData_LoadRecord(kanji)->Kanji, starts, numbers);
        return s.image();
    }
    static QImage kanji_picture() { return review()->kanji_display().box()->canvas().snapshot(); }

    TestClock clock;
};

namespace {

char16_t character_of(int kanji) {
    return KanjiData_LoadRecord(kanji)->Kanji;
}

} // namespace

TEST_F(ReviewTest, OpensAtItsOffsetFromTheDisabledMainWindowOnTheFirstKanji) {
    EXPECT_EQ(open_review({}), nullptr) << "an empty list opens nothing";
    EXPECT_EQ(view.messages, std::vector<std::string>{kMessageListEmpty});
    set_option_slot(OptReviewOffset, 40);
    set_option_slot(OptReviewOffset + 1, 25);
    ReviewWindow* w = open_review({44, 7, 300});
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->pos(), main_window->pos() + QPoint(40, 25));
    EXPECT_EQ(w->size(), QSize(680, 457));
    EXPECT_EQ(w->windowTitle(), "Review Learning List Kanji");
    EXPECT_FALSE(main_window->isEnabled());
    EXPECT_EQ(active_calls, std::vector<bool>{false});
    EXPECT_FALSE(w->previous_button()->behaviour().enabled);
    EXPECT_TRUE(w->next_button()->behaviour().enabled);

    const KanjiRecord first = *KanjiData_LoadRecord(44);
    EXPECT_EQ(w->strip()->range().count, 3);
    EXPECT_EQ(w->strip()->record(2).Kanji, character_of(300));
    EXPECT_EQ(w->kanji_display().character(), first.Kanji);
    EXPECT_EQ(w->meaning_display()->record().Kanji, first.Kanji);
    EXPECT_EQ(kanji_picture(), glyph_picture(44, false)) << "numbers off (slot 27 is 0)";

    Review_Open();
    EXPECT_EQ(review(), w) << "at most one review window";
}

TEST_F(ReviewTest, NextWalksToTheEndOfFortyKanjiAndPreviousBackAsDoTheStripsEnds) {
    const std::vector<int> list = first_kanji(40);
    ReviewWindow* w = open_review(list);
    ASSERT_NE(w, nullptr);
    const auto shows = [&](int s) {
        const char16_t c = character_of(list[size_t(s)]);
        return w->strip()->range().selection == s && w->kanji_display().character() == c &&
               w->meaning_display()->record().Kanji == c;
    };
    for (int s = 1; s <= 39; ++s) {
        ASSERT_TRUE(w->next_button()->behaviour().enabled) << "before step " << s;
        press(w->next_button());
        EXPECT_TRUE(shows(s)) << s;
        EXPECT_TRUE(w->previous_button()->behaviour().enabled);
    }
    EXPECT_FALSE(w->next_button()->behaviour().enabled) << "at the last kanji";
    EXPECT_EQ(w->examples_display()->ids().size(),
              size_t(KanjiData_LoadRecord(40)->exampleCount()));
    for (int s = 38; s >= 0; --s) {
        ASSERT_TRUE(w->previous_button()->behaviour().enabled) << "before step back to " << s;
        press(w->previous_button());
        EXPECT_TRUE(shows(s)) << s;
        EXPECT_TRUE(w->next_button()->behaviour().enabled);
    }
    EXPECT_FALSE(w->previous_button()->behaviour().enabled) << "at the first kanji";
    EXPECT_EQ(kanji_picture(), glyph_picture(list[0], false));
    // The strip's ends move without touching the buttons; its middle does nothing.
    click(w->strip(), QPoint(520, 10));
    EXPECT_TRUE(shows(1));
    click(w->strip(), QPoint(250, 10));
    EXPECT_TRUE(shows(1));
    EXPECT_FALSE(w->previous_button()->behaviour().enabled);
    click(w->strip(), QPoint(3, 10));
    EXPECT_TRUE(shows(0));
}

TEST_F(ReviewTest, TheLinkOpensTheStrokeHelpPage) {
    ReviewWindow* w = open_review({5});
    ASSERT_NE(w, nullptr);
    const QPoint on_link = ReviewWindow::kLinkRect.center();
    QTest::mouseMove(w, on_link);
    ASSERT_TRUE(w->link_hovered());
    EXPECT_EQ(w->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(w->stroke_order_box()->cursor().shape(), Qt::ArrowCursor) << "not over the controls";
    click(w, on_link);
    EXPECT_EQ(opened_pages, QStringList{QDir::current().absoluteFilePath("help/stroke_help.htm")});
    QTest::mouseMove(w, ReviewWindow::kLinkRect.bottomRight() + QPoint(2, 2));
    EXPECT_FALSE(w->link_hovered());
    EXPECT_EQ(w->cursor().shape(), Qt::ArrowCursor);
    click(w, ReviewWindow::kLinkRect.bottomRight() + QPoint(2, 2));
    EXPECT_EQ(opened_pages.size(), 1);
}

TEST_F(ReviewTest, ExitStoresTheOffsetAndTheCheckBoxAndGivesTheMainWindowBack) {
    ReviewWindow* w = open_review({5, 6});
    ASSERT_NE(w, nullptr);
    w->move(main_window->pos() + QPoint(33, -12));
    click(w->stroke_order_box(), QPoint(5, 5));
    EXPECT_EQ(get_option_slot(OptReviewShowStrokeOrder), 0) << "stored when the window closes";
    press(w->exit_button());
    EXPECT_EQ(review(), nullptr);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(main_window->isEnabled());
    EXPECT_EQ(active_calls, (std::vector<bool>{false, true}));
    EXPECT_EQ(example_closes, 1);
    EXPECT_EQ(get_option_slot(OptReviewOffset), 33);
    EXPECT_EQ(get_option_slot(OptReviewOffset + 1), -12);
    EXPECT_EQ(get_option_slot(OptReviewShowStrokeOrder), 1);

    ReviewWindow* again = open_review({5});
    ASSERT_NE(again, nullptr);
    EXPECT_FALSE(again->next_button()->behaviour().enabled) << "one kanji";
    EXPECT_EQ(again->pos(), main_window->pos() + QPoint(33, -12));
    EXPECT_TRUE(again->stroke_order_box()->checked());
    EXPECT_EQ(kanji_picture(), glyph_picture(5, true));
    click(again->stroke_order_box(), QPoint(5, 5));
    click(again, QPoint(ReviewWindow::kWidth - 16, 10)); // the close glyph
    EXPECT_EQ(review(), nullptr);
    EXPECT_EQ(get_option_slot(OptReviewShowStrokeOrder), 0);
    EXPECT_EQ(example_closes, 2);

    ASSERT_NE(open_review({5}), nullptr);
    review()->close(); // as a window manager closes it
    EXPECT_EQ(review(), nullptr);
    EXPECT_TRUE(main_window->isEnabled());
    EXPECT_EQ(active_calls, (std::vector<bool>{false, true, false, true, false, true}));
    EXPECT_EQ(example_closes, 3);
}

TEST_F(ReviewTest, TheKanjiWithTheMostExamplesLoadsEveryExample) {
    int kanji = 1;
    for (int k = 1; k <= kKanjiTotal; ++k)
        if (KanjiData_LoadRecord(k)->exampleCount() > KanjiData_LoadRecord(kanji)->exampleCount())
            kanji = k;
    const KanjiRecord r = *KanjiData_LoadRecord(kanji);
    ASSERT_NE(open_review({kanji}), nullptr);
    const ReviewExamplesDisplay* d = review()->examples_display();
    EXPECT_EQ(d->ids(), std::vector<int>(r.ExampleIds, r.ExampleIds + r.exampleCount()));
    ASSERT_EQ(d->examples().size(), size_t(r.exampleCount()));
    EXPECT_EQ(d->examples().back().ExampleWord.text(),
              Examples_Load(r.ExampleIds[r.exampleCount() - 1])->ExampleWord.text());
}

namespace {

// Qt's painting hands its larger drawings to a thread pool of its own and waits on its own
// semaphore, which ThreadSanitizer cannot see (Qt is not instrumented): in these tests the window
// paints nothing. The worker still draws into the kanji display's canvas, which the tests read.
class ReviewStrokeAnimation : public ReviewTest {
  protected:
    ReviewWindow* open_review(const std::vector<int>& list) {
        if (ReviewTest::open_review(list)) review()->setUpdatesEnabled(false);
        return review();
    }
};

// Pauses after a number or an arrow: two per stroke.
int marker_pauses(const std::vector<int>& pauses) {
    return int(std::count(pauses.begin(), pauses.end(), 400));
}

// The first kanji with the most strokes.
int most_strokes() {
    int best = 1, most = 0;
    for (int k = 1; k <= kKanjiTotal; ++k) {
        KanjiData_LoadStrokes(k);
        if (KanjiData_StrokeCount() > most) most = KanjiData_StrokeCount(), best = k;
    }
    return best;
}

} // namespace

TEST_F(ReviewStrokeAnimation, TheCheckBoxStopsARunningAnimationAndRedrawsTheGlyph) {
    ReviewWindow* w = open_review({3, 4});
    ASSERT_NE(w, nullptr);
    start_parked(5);
    EXPECT_TRUE(w->animate_button()->behaviour().held);
    EXPECT_NE(kanji_picture(), glyph_picture(3, false)) << "the first picture replaced the glyph";
    click(w->stroke_order_box(), QPoint(5, 5));
    EXPECT_FALSE(w->kanji_display().animating());
    EXPECT_FALSE(w->animate_button()->behaviour().held);
    EXPECT_EQ(kanji_picture(), glyph_picture(3, true));
    QCoreApplication::processEvents(); // whatever the worker had posted arrives
    EXPECT_EQ(kanji_picture(), glyph_picture(3, true));
}

TEST_F(ReviewStrokeAnimation, NextDuringAnAnimationShowsOnlyTheNextKanji) {
    ReviewWindow* w = open_review({3, 4});
    ASSERT_NE(w, nullptr);
    click(w->stroke_order_box(), QPoint(5, 5)); // numbers on
    start_parked(12);                           // a line of the first stroke drawn
    press(w->next_button());
    EXPECT_FALSE(w->kanji_display().animating());
    EXPECT_EQ(w->kanji_display().character(), KanjiData_LoadRecord(4)->Kanji);
    EXPECT_EQ(kanji_picture(), glyph_picture(4, true));
    QCoreApplication::processEvents();
    EXPECT_EQ(kanji_picture(), glyph_picture(4, true)) << "nothing of the previous kanji";

    clock.reset();
    press(w->animate_button());
    ASSERT_EVENTUALLY(!w->kanji_display().animating());
    KanjiData_LoadStrokes(4);
    EXPECT_EQ(marker_pauses(clock.pauses()), 2 * KanjiData_StrokeCount())
        << "the store was filled afresh for the kanji now shown";
}

TEST_F(ReviewStrokeAnimation, ClosingDuringAnAnimationStopsItFirst) {
    ReviewWindow* w = open_review({3});
    ASSERT_NE(w, nullptr);
    start_parked(30);
    press(w->exit_button());
    EXPECT_EQ(review(), nullptr);
    const size_t pauses = clock.pauses().size();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the box goes
    QCoreApplication::processEvents();
    EXPECT_EQ(clock.pauses().size(), pauses) << "the worker ended before the window went";

    // The close glyph, and a window destroyed without closing, stop it just as well.
    ASSERT_NE(open_review({3}), nullptr);
    start_parked(8);
    click(review(), QPoint(ReviewWindow::kWidth - 16, 10));
    EXPECT_EQ(review(), nullptr);
    ASSERT_NE(open_review({3}), nullptr);
    start_parked(8);
    delete review();
    EXPECT_EQ(review(), nullptr);
}

// More strokes than the 20 a smaller store would hold.
TEST_F(ReviewStrokeAnimation, TheKanjiWithTheMostStrokesIsDrawnWhole) {
    const int kanji = most_strokes();
    KanjiData_LoadStrokes(kanji);
    const int strokes = KanjiData_StrokeCount();
    ASSERT_GT(strokes, 20);
    set_option_slot(OptReviewShowStrokeOrder, 1);
    ReviewWindow* w = open_review({kanji});
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->kanji_display().starts().stroke_count(), strokes);
    clock.reset();
    press(w->animate_button());
    ASSERT_EVENTUALLY(!w->kanji_display().animating());
    EXPECT_EQ(marker_pauses(clock.pauses()), 2 * strokes);
    EXPECT_EVENTUALLY(!w->animate_button()->behaviour().held);
}
