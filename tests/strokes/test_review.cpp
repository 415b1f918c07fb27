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

// The check box and Next stop a running animation and show the glyph; the next kanji has more
// strokes than the 20 a smaller store would hold, and its animation draws them all.
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
    EXPECT_NE(kanji_picture(), glyph_picture(3, false)) << "the first picture replaced the glyph";
    click(w->stroke_order_box(), QPoint(5, 5)); // numbers on
    EXPECT_FALSE(w->kanji_display().animating());
    EXPECT_FALSE(w->animate_button()->behaviour().held);
    QCoreApplication::processEvents(); // whatever the worker had posted arrives
    EXPECT_EQ(kanji_picture(), glyph_picture(3, true));
    start_parked(12); // a line of the first stroke drawn
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

// Once the list is longer than the strip, the selection keeps to the middle slot (13) wherever it
// can, in either direction; ".." stands at an end beyond which more kanji lie.
TEST(ReviewStrip, TheRangeFollowsTheSelectionBothWaysAndStopsAtTheEnds) {
    for (int count : {1, 2, 27, 28, 40}) {
        ReviewStripRange r = ReviewStripRange::opening(count);
        const auto expect_range = [&] {
            const int first = std::clamp(r.selection - 13, 0, std::max(0, count - 27));
            ASSERT_EQ(r.first, first) << count << ", selection " << r.selection;
            ASSERT_EQ(r.last, first + std::min(count, 27));
            for (int i = r.first; i < r.last; ++i)
                ASSERT_EQ(r.shows_dots(i),
                          (i == first && first > 0) || (i == r.last - 1 && r.last < count));
        };
        expect_range();
        for (bool forward : {true, false}) {
            for (int step = 1; step < count; ++step) {
                const int s = forward ? step : count - 1 - step;
                EXPECT_EQ(r.move(forward), s > 0 && s < count - 1) << "true while strictly inside";
                EXPECT_EQ(r.selection, s);
                expect_range();
            }
            EXPECT_FALSE(r.move(forward));
            EXPECT_EQ(r.selection, forward ? count - 1 : 0) << "no step past the end";
        }
    }
}

// Pairs 30 + 40 wide flow two to a line: a third would end at 174 + 74, past 194. A separator
// stands on the line of the entry before it.
TEST(ReviewMeaning, SixEntriesFlowAndWrapWhenAPairWouldReach194) {
    const ReadingBlockLayout l =
        layout_reading_block(kKunBlockTop, std::vector<int>(6, 30), std::vector<int>(6, 40));
    ASSERT_EQ(l.entries.size(), 6u);
    EXPECT_EQ(l.entries[1].kana_x, 90);
    EXPECT_EQ(l.entries[1].romaji_x, 90 + 30 + 4);
    EXPECT_EQ((std::array{l.entries[1].y, l.entries[2].y, l.entries[2].kana_x}),
              (std::array{227, 243, 6}));
    ASSERT_EQ(l.separators.size(), 5u) << "between entries, none after the last";
    EXPECT_EQ(l.separators[1], QPoint(174 - 7, 227));
}

// A kanji whose KUN romaji has no kana shows nothing in the KUN box; five ON entries and
// fourteen KUN entries flow with ";" between, and never reach past their boxes.
TEST(ReviewMeaning, ReadingsStayInTheirBoxesAndRomajiWithoutKanaShowsNothing) {
    const ColorRef blue = RGB(0, 0, 192), grey = RGB(165, 165, 165);
    KanjiRecord r{};
    r.Kanji = u'\u96fb';
    r.Meaning.assign(u"electricity");
    r.OnPronun.assign(u"\u30c7\u30f3");
    r.OnRomaji.assign(u"DEN");
    r.KunRomaji.assign(u"inazuma");
    Surface s(ReviewMeaningDisplay::kWidth, ReviewMeaningDisplay::kHeight);
    draw_meaning_display(s, r);
    EXPECT_EQ(count_near(s, {2, 224, 198, 310}, blue) + count_near(s, {6, 226, 190, 300}, grey, 30),
              0)
        << "nothing in the KUN box";

    KanjiRecord crowded = r;
    crowded.OnPronun.assign(
        u"\u30BB\u30A4, \u30B7\u30E7\u30A6, \u30BD\u30A6, \u30B7, \u30B7\u30E5");
    crowded.OnRomaji.assign(u"SEI, SHOU, SOU, SHI, SHU");
    std::u16string kun, kun_romaji;
    for (int i = 0; i < 14; ++i) {
        kun += std::u16string(i ? u", " : u"") + u"\u3044.\u304D\u308B\u3055";
        kun_romaji += std::u16string(i ? u", " : u"") + u"i.kirusa";
    }
    crowded.KunPronun.assign(kun);
    crowded.KunRomaji.assign(kun_romaji);
    Surface with(s.width(), s.height());
    draw_meaning_display(with, crowded);
    for (int top : {kOnBlockTop, kKunBlockTop}) { // a second entry's kana and ";" on the first line
        EXPECT_GT(count_near(with, {70, top + 2, 194, top + 14}, blue), 5) << top;
        EXPECT_GT(count_near(with, {60, top, 194, top + 14}, grey, 30), 0) << top;
    }
    // Between the ON box (124 to 196) and the KUN box (222 to 312): the KUN heading's rows.
    EXPECT_EQ(with.image().copy(0, 196, s.width(), 26), s.image().copy(0, 196, s.width(), 26));
}

namespace {

class ReviewExamples : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        window->setGeometry(300, 200, 240, 300);
        display =
            new ReviewExamplesDisplay(window, 10, 10, [this](int id) { opened.push_back(id); });
        window->show();
        const KanjiRecord* r = KanjiData_LoadRecord(44);
        ASSERT_GE(r->exampleCount(), 3);
        ids.assign(r->ExampleIds, r->ExampleIds + 3);
        display->load(3, ids.data());
    }
    // Outline pixels along the left edge of a row's box.
    int outline(int row) {
        const int top = 56 * row + 1;
        return count_near(display->surface(), {1, top + 8, 3, top + 36}, RGB(0, 0, 192), 60);
    }
    void double_click(int y) { QTest::mouseDClick(display, Qt::LeftButton, {}, QPoint(60, y)); }

    QWidget* window = new QWidget; // deleted with every top-level window after the test
    ReviewExamplesDisplay* display = nullptr;
    std::vector<int> ids, opened;
};

} // namespace

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
    const std::vector<int32_t> all(kMaxExamplesPerKanji, ids[0]);
    display->load(1000, all.data());
    EXPECT_EQ(display->examples().size(), size_t(kMaxExamplesPerKanji)) << "at most 48";
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
    EXPECT_EQ(outline(1), 0);
}

TEST_F(ReviewExamples, MoreThanFiveExamplesScrollIntoViewAndTheDoubleClickFollows) {
    std::vector<int32_t> many;
    for (int kanji = 1; kanji <= kKanjiTotal && many.empty(); ++kanji)
        if (const KanjiRecord* r = KanjiData_LoadRecord(kanji); r->exampleCount() >= 8)
            many.assign(r->ExampleIds, r->ExampleIds + 8);
    ASSERT_EQ(many.size(), 8u);
    display->load(8, many.data());
    const auto wheel = [&](int angle) {
        QWheelEvent e(QPointF(60, 20), QPointF(display->mapToGlobal(QPoint(60, 20))), QPoint(),
                      QPoint(0, angle), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(display, &e);
    };
    wheel(-120 * 5);
    EXPECT_EQ(display->first_row(), 3) << "down as far as the last five";
    move_pointer(display, {60, 20});
    EXPECT_EQ(display->hovered(), 4) << "the top row now shows the fourth example";
    double_click(56 * 4 + 30);
    EXPECT_EQ(opened, (std::vector<int>{many[7]}));
    wheel(60);
    EXPECT_EQ(display->first_row(), 3) << "half a notch is no row yet";
    wheel(60);
    EXPECT_EQ(display->first_row(), 2);
    display->load(8, many.data());
    EXPECT_EQ(display->first_row(), 0) << "a new kanji starts at its first example";
}

// However long the word and its reading, the reading is shortened before the row's right border.
TEST_F(ReviewExamples, NoReadingRunsOverItsRowsRightBorder) {
    int crowded_rows = 0;
    for (int kanji = 1; kanji <= kKanjiTotal; ++kanji) {
        const KanjiRecord* r = KanjiData_LoadRecord(kanji);
        const int count = std::min(r->exampleCount(), kVisibleExampleRows);
        display->load(count, r->ExampleIds);
        for (int row = 0; row < count; ++row) {
            const int top = kExampleRowStep * row;
            const auto ink = [&](int left, int right) {
                return count_near(display->surface(), {left, top + 2, right, top + 20},
                                  RGB(0, 0, 128), 80);
            };
            EXPECT_EQ(ink(171, 177), 0) << "kanji " << kanji << " row " << row;
            crowded_rows += ink(150, 171) > 0;
        }
    }
    EXPECT_GT(crowded_rows, 20) << "many rows run their reading close to the border";
}
