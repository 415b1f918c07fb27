// The stroke order practice window on the offscreen platform: opening and closing over the main
// window, walking the Learning List, the practice traced through the box with its verdicts, the
// modes, Restart and the tips link.
#include "exercise_counter.h"
#include "feedback_list.h"
#include "feedback_panel.h"
#include "options.h"
#include "test_practice_window_fixture.h"

#include <QDir>
#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAre;

TEST_F(PracticeWindowTest, OpensOverTheDisabledMainWindowAndClosesWithoutTouchingTheList) {
    set_option_slot(OptPracticeWindowOffset, 30);
    set_option_slot(OptPracticeWindowOffset + 1, 20);
    const std::vector<int> list{4, 5, 6};
    pass_all_exercises(6); // a complete kanji would graduate at a refill
    open(list);
    EXPECT_TRUE(w()->isVisible());
    EXPECT_EQ(w()->windowTitle(), QStringLiteral("Stroke Order Practice Exercise"));
    EXPECT_EQ(w()->pos(), main_window->pos() + QPoint(30, 20));
    EXPECT_FALSE(main_window->isEnabled());
    EXPECT_THAT(active_calls, ElementsAre(false));
    EXPECT_EQ(kanji_window_closes, 1);
    EXPECT_EQ(w()->kanji(), 4);
    EXPECT_TRUE(w()->show_button()->behaviour().held);
    EXPECT_FALSE(w()->previous_button()->behaviour().enabled);
    EXPECT_TRUE(w()->next_button()->behaviour().enabled);
    EXPECT_FALSE(w()->restart_button()->behaviour().enabled);
    EXPECT_FALSE(w()->checker().practice_mode());
    EXPECT_EQ(differing_pixels(box_picture().image(), drawn(&DrawShownStrokes).image()), 0);

    w()->move(w()->pos() + QPoint(11, 7));
    QPointer<PracticeWindow> window = w();
    press(w()->exit_button());
    EXPECT_EQ(w(), nullptr);
    EXPECT_TRUE(main_window->isEnabled());
    EXPECT_THAT(active_calls, ElementsAre(false, true));
    EXPECT_EQ(get_option_slot(OptPracticeWindowOffset), 41);
    EXPECT_EQ(get_option_slot(OptPracticeWindowOffset + 1), 27);
    EXPECT_EQ(LearningList_Count(), 3) << "closing refills nothing";
    EXPECT_TRUE(view.removed.empty());
    EXPECT_EVENTUALLY(window.isNull());
}

TEST_F(PracticeWindowTest, AnEmptyListOpensNothingAndASecondOpenKeepsTheFirstWindow) {
    set_learning_list(std::vector<int>{});
    WritingEx_Open();
    EXPECT_EQ(w(), nullptr);
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_TRUE(main_window->isEnabled());
    open({7, 8});
    PracticeWindow* first = w();
    WritingEx_Next();
    WritingEx_Open();
    EXPECT_EQ(w(), first);
    EXPECT_EQ(w()->position(), 1);
    EXPECT_EQ(windows_titled(QStringLiteral("Stroke Order Practice Exercise")).size(), 1);
}

TEST_F(PracticeWindowTest, NextAndPreviousWalkTheListAndStopAtItsEnds) {
    open({9, 10, 11});
    press(w()->next_button());
    EXPECT_EQ(w()->position(), 1);
    EXPECT_EQ(w()->kanji(), 10);
    EXPECT_TRUE(w()->previous_button()->behaviour().enabled);
    press(w()->next_button());
    EXPECT_EQ(w()->kanji(), 11);
    EXPECT_EQ(w()->counter()->current(), 3);
    EXPECT_FALSE(w()->next_button()->behaviour().enabled);
    WritingEx_Next();
    EXPECT_EQ(w()->position(), 2) << "Next does nothing at the last kanji";
    EXPECT_EQ(w()->character(), KanjiData_LoadRecord(11)->Kanji);
    press(w()->previous_button());
    press(w()->previous_button());
    EXPECT_EQ(w()->kanji(), 9);
    EXPECT_EQ(w()->counter()->current(), 1);
    EXPECT_FALSE(w()->previous_button()->behaviour().enabled);
    EXPECT_TRUE(w()->next_button()->behaviour().enabled);
    WritingEx_Previous();
    EXPECT_EQ(w()->position(), 0);
}

TEST_F(PracticeWindowTest, WithOneKanjiNeitherWayLeadsAnywhere) {
    open({12});
    EXPECT_FALSE(w()->previous_button()->behaviour().enabled);
    press(w()->next_button());
    EXPECT_EQ(w()->position(), 0);
    EXPECT_EQ(w()->counter()->current(), 1);
}

TEST_F(PracticeWindowTest, TracingEveryStrokeInOrderEndsInWellDone) {
    const int kanji = kanji_with_apart_starts(4);
    open({kanji});
    press(w()->practice_button());
    EXPECT_TRUE(w()->checker().practice_mode());
    EXPECT_TRUE(w()->practice_button()->behaviour().held);
    EXPECT_FALSE(w()->show_button()->behaviour().held);
    EXPECT_EQ(differing_pixels(box_picture().image(), drawn(&DrawTracingTemplate).image()), 0);
    cues.clear();
    const int n = w()->strokes().stroke_count();
    const std::vector<BoxPoint> first = pointer_path(w()->strokes().stroke(0), 3);
    press_at({first[0].x, first[0].y});
    EXPECT_TRUE(cursor_is(w()->box(), w()->cursors().drawing));
    EXPECT_EQ(pixel_at(box_picture(), first[0].x, first[0].y), RGB(164, 0, 0)) << "the dot";
    for (size_t i = 1; i < first.size(); ++i)
        move_to({first[i].x, first[i].y});
    release_at({first.back().x, first.back().y});
    EXPECT_EQ(newest_message(), QStringLiteral("Stroke number 1 completed"));
    EXPECT_TRUE(cursor_is(w()->box(), w()->cursors().idle));
    for (int s = 1; s < n; ++s)
        trace_stroke(s);
    EXPECT_EQ(newest_message(), QStringLiteral("WELL DONE: Character complete"));
    EXPECT_EQ(w()->checker().feedback().by_age(1).text,
              QStringLiteral("Stroke number %1 completed").arg(n));
    EXPECT_GT(newest_line_pixels(RGB(0, 0, 255)), 20);
    EXPECT_EQ(cues.back(), CueComplete);
    EXPECT_EQ(cues[cues.size() - 2], CueRight);
    EXPECT_EQ(std::count(cues.begin(), cues.end(), CueWrong), 0);
    EXPECT_TRUE(cursor_is(w()->box(), w()->cursors().idle));
    EXPECT_TRUE(w()->restart_button()->behaviour().enabled);
    EXPECT_EQ(w()->restart_button()->behaviour().blink, 0) << "success does not blink";
    Surface finished(kPracticeBoxSize, kPracticeBoxSize);
    DrawFinishedStrokes(finished, w()->strokes(), n - 1);
    EXPECT_EQ(differing_pixels(box_picture().image(), finished.image()), 0) << "drawn clean";
    press_at(point_of(0, 0));
    EXPECT_TRUE(cursor_is(w()->box(), w()->cursors().refused));
}

TEST_F(PracticeWindowTest, AStrokeOutOfOrderEndsTheAttemptInRedAndRestartStartsOver) {
    const int kanji = kanji_with_apart_starts(3);
    open({kanji});
    press(w()->practice_button());
    cues.clear();
    press_at(point_of(1, 0));
    EXPECT_EQ(newest_message(), QStringLiteral("FATAL: Incorrect Stroke Order"));
    EXPECT_GT(newest_line_pixels(RGB(255, 0, 0)), 20);
    EXPECT_THAT(cues, ElementsAre(CueWrong));
    EXPECT_TRUE(w()->restart_button()->behaviour().enabled);
    EXPECT_NE(w()->restart_button()->behaviour().blink, 0) << "Restart Practice calls attention";
    release_at(point_of(1, 0));
    EXPECT_TRUE(cursor_is(w()->box(), w()->cursors().refused));
    trace_stroke(0);
    EXPECT_EQ(w()->checker().feedback().count(), 1) << "nothing after a fatal verdict";

    press(w()->restart_button());
    EXPECT_TRUE(w()->checker().practising());
    EXPECT_EQ(w()->checker().feedback().count(), 0);
    EXPECT_FALSE(w()->restart_button()->behaviour().enabled);
    EXPECT_EQ(w()->restart_button()->behaviour().blink, 0);
    EXPECT_EQ(differing_pixels(box_picture().image(), drawn(&DrawTracingTemplate).image()), 0)
        << "the ink is gone";
    trace_stroke(0);
    EXPECT_EQ(newest_message(), QStringLiteral("Stroke number 1 completed"));
}

TEST_F(PracticeWindowTest, LeavingPracticeEndsTheAttemptButKeepsTheBackwardMoves) {
    const int kanji = kanji_with_apart_starts(3);
    open({kanji});
    press(w()->practice_button());
    const QPoint a = point_of(0, 0), b = point_of(0, 3);
    press_at(a);
    move_to(b);
    move_to(a); // back towards the start
    EXPECT_EQ(w()->checker().backward_moves(), 1);
    EXPECT_EQ(newest_message(), QStringLiteral("Warning: Incorrect Direction!"));
    press_at(point_of(2, 0)); // out of order: the attempt ends, Restart blinks
    ASSERT_NE(w()->restart_button()->behaviour().blink, 0);

    press(w()->show_button());
    EXPECT_FALSE(w()->checker().practice_mode());
    EXPECT_FALSE(w()->checker().practising());
    EXPECT_TRUE(w()->show_button()->behaviour().held);
    EXPECT_FALSE(w()->practice_button()->behaviour().held);
    EXPECT_FALSE(w()->restart_button()->behaviour().enabled);
    EXPECT_EQ(w()->restart_button()->behaviour().blink, 0) << "a disabled button does not blink";
    EXPECT_EQ(differing_pixels(box_picture().image(), drawn(&DrawShownStrokes).image()), 0);
    Surface page(kFeedbackPanelWidth, kFeedbackPanelHeight);
    DrawFeedbackPanel(page, FeedbackList(), false, w()->character());
    EXPECT_EQ(differing_pixels(w()->panel()->surface().image(), page.image()), 0)
        << "the instructions page again";

    press(w()->practice_button());
    EXPECT_TRUE(w()->checker().practising());
    EXPECT_EQ(w()->checker().current_stroke(), -1);
    EXPECT_EQ(w()->checker().feedback().count(), 0);
    EXPECT_EQ(w()->checker().backward_moves(), 1) << "kept across rounds of practice";
    press_at(a);
    move_to(b);
    press(w()->show_button()); // leaving with a stroke in progress
    press(w()->practice_button());
    move_to(a);
    EXPECT_EQ(w()->checker().backward_moves(), 1) << "no stroke is in progress after re-entering";
}

TEST_F(PracticeWindowTest, AnotherKanjiDuringAnAttemptEndsItSilently) {
    open({13, 14});
    press(w()->practice_button());
    press_at(point_of(0, 0));
    move_to(point_of(0, 1));
    cues.clear();
    press(w()->next_button());
    EXPECT_EQ(w()->kanji(), 14);
    EXPECT_FALSE(w()->checker().practice_mode());
    EXPECT_EQ(w()->checker().feedback().count(), 0);
    EXPECT_EQ(std::count(cues.begin(), cues.end(), CueWrong), 0);
    EXPECT_TRUE(w()->show_button()->behaviour().held);
    EXPECT_FALSE(w()->practice_button()->behaviour().held);
    EXPECT_EQ(differing_pixels(box_picture().image(), drawn(&DrawShownStrokes).image()), 0);
    // The instructions page names the new kanji.
    Surface page(kFeedbackPanelWidth, kFeedbackPanelHeight);
    DrawFeedbackPanel(page, FeedbackList(), false, KanjiData_LoadRecord(14)->Kanji);
    EXPECT_EQ(differing_pixels(w()->panel()->surface().image(), page.image()), 0);
}

TEST_F(PracticeWindowTest, TheTipsLinkOpensTheStrokeHelpPage) {
    open({15});
    const QPoint on_link = PracticeWindow::kLinkRect.center();
    move_pointer(w(), QPoint(150, 45));
    EXPECT_FALSE(w()->link_hovered());
    click(w(), QPoint(150, 45));
    EXPECT_TRUE(opened_pages.isEmpty());
    move_pointer(w(), on_link);
    EXPECT_TRUE(w()->link_hovered());
    EXPECT_EQ(w()->cursor().shape(), Qt::PointingHandCursor);
    click(w(), on_link);
    ASSERT_EQ(opened_pages.size(), 1);
    EXPECT_EQ(opened_pages[0],
              QDir(folder).absoluteFilePath(QStringLiteral("help/stroke_help.htm")));
    move_pointer(w(), PracticeWindow::kLinkRect.bottomRight() + QPoint(1, 1));
    EXPECT_FALSE(w()->link_hovered());
    EXPECT_EQ(w()->cursor().shape(), Qt::ArrowCursor);
    move_pointer(w(), on_link);
    QEvent leave(QEvent::Leave); // the pointer goes off the window from the link
    QApplication::sendEvent(w(), &leave);
    EXPECT_FALSE(w()->link_hovered());
    EXPECT_EQ(w()->cursor().shape(), Qt::ArrowCursor);
    click(w(), w()->caption_bar().state().close_rect().center());
    EXPECT_EQ(w(), nullptr) << "the close glyph closes the window";
    EXPECT_TRUE(main_window->isEnabled());
}

} // namespace
