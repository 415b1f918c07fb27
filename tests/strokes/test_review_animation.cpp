// The review window's stroke animation: every kanji load, check box change and the close stop it
// first; the kanji with the most strokes is drawn whole. (Suite names carry "StrokeAnimation" so
// that make test-tsan runs them under ThreadSanitizer.)
#include "test_review_fixture.h"

#include <algorithm>

namespace {

// Qt's painting hands its larger drawings to a thread pool of its own and waits on its own
// semaphore, which ThreadSanitizer cannot see (Qt is not instrumented): in these tests the window
// paints nothing. The worker still draws into the kanji display's canvas, which the tests read.
class ReviewStrokeAnimation : public ReviewTest {
  protected:
    ReviewWindow* open_review(const std::vector<int>& list) {
        set_learning_list(list);
        Review_Open();
        if (!review()) return nullptr;
        review()->setUpdatesEnabled(false);
        clock.animation = &review()->kanji_display().animation();
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

    clock.reset(-1);
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
    EXPECT_TRUE(main_window->isEnabled());
    EXPECT_EQ(active_calls.back(), true);
    const int pauses = clock.count();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the box goes
    QCoreApplication::processEvents();
    EXPECT_EQ(clock.count(), pauses) << "the worker ended before the window went";

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

// With the real data: the kanji with the most strokes (more than the 20 a smaller store would
// hold) gets every start numbered and every stroke animated.
TEST_F(ReviewStrokeAnimation, TheKanjiWithTheMostStrokesIsDrawnWhole) {
    const int kanji = most_strokes();
    KanjiData_LoadStrokes(kanji);
    const int strokes = KanjiData_StrokeCount();
    ASSERT_GT(strokes, 20);
    set_option_slot(OptReviewShowStrokeOrder, 1);
    ReviewWindow* w = open_review({kanji});
    ASSERT_NE(w, nullptr);
    const StrokeStarts& starts = w->kanji_display().starts();
    ASSERT_EQ(starts.stroke_count(), strokes);
    for (int s = 0; s < strokes; ++s) {
        EXPECT_GE(starts.start(s).x, 0);
        EXPECT_LT(starts.start(s).x, kReviewBoxSize);
        EXPECT_GE(starts.start(s).y, 0);
        EXPECT_LT(starts.start(s).y, kReviewBoxSize);
    }
    clock.reset(-1);
    press(w->animate_button());
    ASSERT_EVENTUALLY(!w->kanji_display().animating());
    EXPECT_EQ(marker_pauses(clock.pauses()), 2 * strokes);
    EXPECT_EVENTUALLY(!w->animate_button()->behaviour().held);
}
