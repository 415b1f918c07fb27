// The review window over the exercises' stand-in main window made small, its displays (the list
// strip, the meaning display, the examples display) and its stroke animation, which every kanji
// load, check box change and the close stop first.
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

#include <QDir>
#include <QWheelEvent>

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
    }
    // Whether the kanji display shows the glyph of a kanji with or without its numbers.
    static bool glyph_shown(int kanji, bool numbers) {
        Surface s(kReviewBoxSize, kReviewBoxSize);
        DrawReviewGlyphDisplay(s, character_of(kanji), starts_of(kanji, StrokeScreen::Review),
                               numbers);
        return s.image() == review()->kanji_display().box()->canvas().snapshot();
    }

    TestClock clock;
};

// The kanji with the most examples shows all of them; the strip's ends move like Previous and
// Next but leave the buttons as they were, its middle does nothing; the link opens the tips.
TEST_F(ReviewTest, OpensAtItsOffsetOnTheFirstKanjiAndTheStripsEndsMove) {
    EXPECT_EQ(open_review({}), nullptr) << "an empty list opens nothing";
    EXPECT_EQ(view.messages, std::vector<std::string>{kMessageListEmpty});
    int most = 1;
    for (int k = 1; k <= kKanjiTotal; ++k)
        if (KanjiData_LoadRecord(k)->exampleCount() > KanjiData_LoadRecord(most)->exampleCount())
            most = k;
    set_option_slot(OptReviewOffset, 40);
    set_option_slot(OptReviewOffset + 1, 25);
    const int second = most % kKanjiTotal + 1;
    ReviewWindow* w = open_review({most, second});
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->pos(), main_window->pos() + QPoint(40, 25));
    EXPECT_FALSE(main_window->isEnabled());
    EXPECT_TRUE(glyph_shown(most, false)) << "numbers off (slot 27 is 0)";
    EXPECT_EQ(w->examples_display()->ids().size(),
              size_t(KanjiData_LoadRecord(most)->exampleCount()));
    const auto shows = [&](int kanji) {
        return w->kanji_display().character() == character_of(kanji) &&
               w->meaning_display()->record().Kanji == character_of(kanji);
    };
    click(w->strip(), QPoint(250, 10));
    EXPECT_TRUE(shows(most));
    click(w->strip(), QPoint(520, 10));
    EXPECT_TRUE(shows(second));
    EXPECT_FALSE(w->previous_button()->behaviour().enabled);
    click(w->strip(), QPoint(3, 10));
    EXPECT_TRUE(shows(most));
    press(w->next_button());
    EXPECT_TRUE(shows(second));
    EXPECT_EQ(w->strip()->range().selection, 1);
    EXPECT_FALSE(w->next_button()->behaviour().enabled);
    QTest::mouseMove(w, ReviewWindow::kLinkRect.center());
    click(w, ReviewWindow::kLinkRect.center());
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
    EXPECT_EQ(get_option_slot(OptReviewOffset), 33);
    EXPECT_EQ(get_option_slot(OptReviewOffset + 1), -12);
    EXPECT_EQ(get_option_slot(OptReviewShowStrokeOrder), 1);
    ReviewWindow* again = open_review({5});
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->pos(), main_window->pos() + QPoint(33, -12));
    EXPECT_TRUE(glyph_shown(5, true));
    click(again->stroke_order_box(), QPoint(5, 5));
    click(again, QPoint(ReviewWindow::kWidth - 16, 10)); // the close glyph
    EXPECT_EQ(get_option_slot(OptReviewShowStrokeOrder), 0);
    ASSERT_NE(open_review({5}), nullptr);
    review()->close();
    EXPECT_EQ(review(), nullptr);
    EXPECT_TRUE(main_window->isEnabled());
    EXPECT_EQ(active_calls, (std::vector<bool>{false, true, false, true, false, true}));
    EXPECT_EQ(example_closes, 3);
}

class ReviewStrokeAnimation : public ReviewTest {};

// The next kanji has more strokes than the 20 a smaller store would hold: its animation draws
// them all, with a pause after each stroke's number and after its arrow.
TEST_F(ReviewStrokeAnimation, TheCheckBoxAndNextStopARunningAnimationAndShowOnlyTheGlyph) {
    int most = 1, strokes = 0;
    for (int k = 1; k <= kKanjiTotal; ++k)
        if (KanjiData_LoadStrokes(k), KanjiData_StrokeCount() > strokes)
            strokes = KanjiData_StrokeCount(), most = k;
    ASSERT_GT(strokes, 20);
    ReviewWindow* w = open_review({3, most});
    ASSERT_NE(w, nullptr);
    start_parked(5);
    EXPECT_TRUE(w->animate_button()->behaviour().held);
    click(w->stroke_order_box(), QPoint(5, 5)); // numbers on
    EXPECT_FALSE(w->kanji_display().animating());
    EXPECT_FALSE(w->animate_button()->behaviour().held);
    QCoreApplication::processEvents(); // whatever the worker had posted arrives
    EXPECT_TRUE(glyph_shown(3, true));
    start_parked(12); // a line of the first stroke drawn
    press(w->next_button());
    QCoreApplication::processEvents();
    EXPECT_TRUE(glyph_shown(most, true)) << "nothing of the previous kanji";
    clock.reset();
    press(w->animate_button());
    ASSERT_EVENTUALLY(!w->animate_button()->behaviour().held);
    const std::vector<int> pauses = clock.pauses();
    EXPECT_EQ(std::count(pauses.begin(), pauses.end(), animation_pause::Marker), 2 * strokes);
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

// Once the list is longer than the strip, the selection keeps to the middle slot (13) wherever it
// can, in either direction; ".." stands at an end beyond which more kanji lie.
TEST(ReviewStrip, TheRangeFollowsTheSelectionBothWaysAndStopsAtTheEnds) {
    for (int count : {1, 2, 27, 28, 40}) {
        ReviewStripRange r = ReviewStripRange::opening(count);
        for (bool forward : {true, false})
            for (int step = 0; step < count; ++step) {
                const int first = std::clamp(r.selection - 13, 0, std::max(0, count - 27));
                ASSERT_EQ(r.first, first) << count << ", selection " << r.selection;
                ASSERT_EQ(r.last, first + std::min(count, 27));
                for (int i = r.first; i < r.last; ++i)
                    ASSERT_EQ(r.shows_dots(i),
                              (i == first && first > 0) || (i == r.last - 1 && r.last < count));
                const int next = std::clamp(r.selection + (forward ? 1 : -1), 0, count - 1);
                EXPECT_EQ(r.move(forward), next > 0 && next < count - 1);
                EXPECT_EQ(r.selection, next) << "no step past the end";
            }
    }
}

class ReviewExamples : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        auto* window = new QWidget; // deleted with every top-level window after the test
        window->setGeometry(300, 200, 240, 300);
        display =
            new ReviewExamplesDisplay(window, 10, 10, [this](int id) { opened.push_back(id); });
        window->show();
        for (int k = 1; ids.empty(); ++k) // the first kanji with 8 examples
            if (const KanjiRecord* r = KanjiData_LoadRecord(k); r->exampleCount() >= 8)
                ids.assign(r->ExampleIds, r->ExampleIds + 8);
        display->load(3, ids.data());
    }
    // Outline pixels along the left edge of a row's box.
    int outline(int row) {
        const int top = kExampleRowStep * row + 1;
        return count_near(display->surface(), {1, top + 8, 3, top + 36}, RGB(0, 0, 192), 60);
    }
    void double_click(int y) { QTest::mouseDClick(display, Qt::LeftButton, {}, QPoint(60, y)); }

    ReviewExamplesDisplay* display = nullptr;
    std::vector<int> ids, opened;
};

// The wheel scrolls a row a notch, as far as the last five rows; the highlight and the double
// click follow the examples as shown.
TEST_F(ReviewExamples, TheRowUnderThePointerIsOutlinedAndADoubleClickAsksForItsExample) {
    move_pointer(display, {60, 56 + 20});
    EXPECT_GT(outline(1), 10);
    EXPECT_EQ(outline(0), 0);
    move_pointer(display, {176, 56 + 20});
    EXPECT_EQ(outline(1), 0);
    move_pointer(display, {60, 20});
    display->load(3, ids.data());
    EXPECT_EQ(outline(0), 0) << "a new load starts without a highlight";
    double_click(56 * 2 + 30);
    double_click(50);
    double_click(56 * 3 + 5);
    EXPECT_EQ(opened, (std::vector<int>{ids[2], ids[0]})) << "nothing below the last example";
    display->load(8, ids.data());
    QWheelEvent e(QPointF(60, 20), QPointF(display->mapToGlobal(QPoint(60, 20))), QPoint(),
                  QPoint(0, -120 * 5), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(display, &e);
    EXPECT_EQ(display->first_row(), 3);
    move_pointer(display, {60, 20});
    EXPECT_EQ(display->hovered(), 4) << "the top row now shows the fourth example";
    double_click(56 * 4 + 30);
    EXPECT_EQ(opened.back(), ids[7]);
    const std::vector<int32_t> all(kMaxExamplesPerKanji, ids[0]);
    display->load(1000, all.data());
    EXPECT_EQ(display->examples().size(), size_t(kMaxExamplesPerKanji)) << "at most 48";
    EXPECT_EQ(display->first_row(), 0) << "a new kanji starts at its first example";
}

TEST_F(ReviewExamples, LeavingWithoutAMoveInsideClearsTheHighlightUntilThePointerCheckEnds) {
    move_pointer(display, {60, 20});
    ASSERT_EQ(display->hovered(), 1);
    EXPECT_FALSE(wait_until([&] { return display->hovered() == 0; }, 500))
        << "the pointer is still over the display";
    QCursor::setPos(QPoint(5, 5)); // far off the window, no move reaches the display
    EXPECT_EQ(display->hovered(), 1) << "cleared by the pointer check, not at once";
    EXPECT_EVENTUALLY(display->hovered() == 0);
    EXPECT_EQ(outline(0), 0);
    // Another window over the display: the pointer is over that window, not the display.
    move_pointer(display, {60, 20});
    ASSERT_EQ(display->hovered(), 1);
    QWidget cover;
    cover.setGeometry(QRect(display->mapToGlobal(QPoint(0, 0)), QSize(178, 120)));
    cover.show();
    EXPECT_EVENTUALLY(display->hovered() == 0);
    display->end_pointer_check();
    EXPECT_FALSE(display->pointer_check_running());
    move_pointer(display, {60, 56 + 20});
    display->load(3, ids.data());
    EXPECT_EQ(display->hovered(), -1) << "after its end nothing highlights";
}
