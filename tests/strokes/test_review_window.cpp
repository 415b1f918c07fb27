// The review window: opening over the disabled main window, Previous and Next at both ends, the
// strip's ends, the help link, the check box and the close with what it stores. (The double click
// on an example: test_review_examples.cpp, and with the real Example Window in the app tests.)
#include "test_review_fixture.h"

#include <QDir>

namespace {

const KanjiRecord& record_of(int kanji) {
    static KanjiRecord copy;
    copy = *KanjiData_LoadRecord(kanji);
    return copy;
}

} // namespace

TEST_F(ReviewTest, AnEmptyListShowsItsMessageAndOpensNothing) {
    EXPECT_EQ(open_review({}), nullptr);
    EXPECT_EQ(view.messages, std::vector<std::string>{kMessageListEmpty});
    EXPECT_TRUE(active_calls.empty());
    EXPECT_TRUE(main_window->isEnabled());
}

TEST_F(ReviewTest, OpensAtItsOffsetFromTheDisabledMainWindowOnTheFirstKanji) {
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

    const KanjiRecord first = record_of(44);
    EXPECT_EQ(w->strip()->range().count, 3);
    EXPECT_EQ(w->strip()->record(2).Kanji, record_of(300).Kanji);
    EXPECT_EQ(w->kanji_display().character(), first.Kanji);
    EXPECT_EQ(w->meaning_display()->record().Kanji, first.Kanji);
    ASSERT_EQ(w->examples_display()->ids().size(), size_t(first.exampleCount()));
    EXPECT_EQ(w->examples_display()->ids()[0], first.ExampleIds[0]);
    EXPECT_EQ(kanji_picture(), glyph_picture(44, false)) << "numbers off (slot 27 is 0)";

    Review_Open();
    EXPECT_EQ(review(), w) << "at most one review window";
}

TEST_F(ReviewTest, WithOneKanjiPreviousAndNextAreBothDisabled) {
    ReviewWindow* w = open_review({12});
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->previous_button()->behaviour().enabled);
    EXPECT_FALSE(w->next_button()->behaviour().enabled);
}

TEST_F(ReviewTest, NextWalksToTheEndOfFortyKanjiAndPreviousBack) {
    const std::vector<int> list = first_kanji(40);
    ReviewWindow* w = open_review(list);
    ASSERT_NE(w, nullptr);
    for (int s = 1; s <= 39; ++s) {
        ASSERT_TRUE(w->next_button()->behaviour().enabled) << "before step " << s;
        press(w->next_button());
        EXPECT_EQ(w->strip()->range().selection, s);
        EXPECT_TRUE(w->previous_button()->behaviour().enabled);
        EXPECT_EQ(w->kanji_display().character(), record_of(list[size_t(s)]).Kanji);
        EXPECT_EQ(w->meaning_display()->record().Kanji, record_of(list[size_t(s)]).Kanji);
    }
    EXPECT_FALSE(w->next_button()->behaviour().enabled) << "at the last kanji";
    EXPECT_EQ(w->strip()->range().first, 13);
    EXPECT_EQ(w->examples_display()->ids().size(), size_t(record_of(40).exampleCount()));
    for (int s = 38; s >= 0; --s) {
        ASSERT_TRUE(w->previous_button()->behaviour().enabled) << "before step back to " << s;
        press(w->previous_button());
        EXPECT_EQ(w->strip()->range().selection, s);
        EXPECT_TRUE(w->next_button()->behaviour().enabled);
    }
    EXPECT_FALSE(w->previous_button()->behaviour().enabled) << "at the first kanji";
    EXPECT_EQ(w->strip()->range().first, 0);
    EXPECT_EQ(kanji_picture(), glyph_picture(list[0], false));
}

TEST_F(ReviewTest, TheStripsEndsMoveWithoutTouchingTheButtons) {
    const std::vector<int> list = first_kanji(3);
    ReviewWindow* w = open_review(list);
    ASSERT_NE(w, nullptr);
    click(w->strip(), QPoint(520, 10));
    EXPECT_EQ(w->strip()->range().selection, 1);
    EXPECT_EQ(w->kanji_display().character(), record_of(list[1]).Kanji);
    EXPECT_FALSE(w->previous_button()->behaviour().enabled);
    click(w->strip(), QPoint(250, 10));
    EXPECT_EQ(w->strip()->range().selection, 1) << "the middle does nothing";
    click(w->strip(), QPoint(520, 10));
    EXPECT_EQ(w->strip()->range().selection, 2);
    EXPECT_TRUE(w->next_button()->behaviour().enabled);
    click(w->strip(), QPoint(3, 10));
    EXPECT_EQ(w->strip()->range().selection, 1);
    EXPECT_EQ(w->meaning_display()->record().Kanji, record_of(list[1]).Kanji);
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
    EXPECT_TRUE(w->kanji_display().show_numbers());
    EXPECT_EQ(kanji_picture(), glyph_picture(5, true));
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
    EXPECT_EQ(again->pos(), main_window->pos() + QPoint(33, -12));
    EXPECT_TRUE(again->stroke_order_box()->checked());
    EXPECT_EQ(kanji_picture(), glyph_picture(5, true));
    click(again->stroke_order_box(), QPoint(5, 5));
    click(again, QPoint(ReviewWindow::kWidth - 16, 10)); // the close glyph
    EXPECT_EQ(review(), nullptr);
    EXPECT_EQ(get_option_slot(OptReviewShowStrokeOrder), 0);
    EXPECT_EQ(example_closes, 2);
    EXPECT_EQ(active_calls.back(), true);
}

TEST_F(ReviewTest, AWindowManagersCloseClosesAsExitDoes) {
    ReviewWindow* w = open_review({5});
    ASSERT_NE(w, nullptr);
    w->close();
    EXPECT_EQ(review(), nullptr);
    EXPECT_TRUE(main_window->isEnabled());
    EXPECT_EQ(active_calls, (std::vector<bool>{false, true}));
    EXPECT_EQ(example_closes, 1);
}

// With the real data: the kanji with the most examples loads all of them, in order, and each
// row's word and reading fit beside each other in its box.
TEST_F(ReviewTest, TheKanjiWithTheMostExamplesLoadsEveryExample) {
    int kanji = 1;
    for (int k = 1; k <= kKanjiTotal; ++k)
        if (KanjiData_LoadRecord(k)->exampleCount() > KanjiData_LoadRecord(kanji)->exampleCount())
            kanji = k;
    const KanjiRecord r = record_of(kanji);
    ReviewWindow* w = open_review({kanji});
    ASSERT_NE(w, nullptr);
    const ReviewExamplesDisplay* d = w->examples_display();
    ASSERT_EQ(d->examples().size(), size_t(r.exampleCount()));
    for (int i = 0; i < r.exampleCount(); ++i) {
        EXPECT_EQ(d->ids()[size_t(i)], r.ExampleIds[i]);
        const ExampleRecord& e = d->examples()[size_t(i)];
        const ExampleRecord* stored = Examples_Load(r.ExampleIds[i]);
        EXPECT_EQ(e.ExampleWord.text(), stored->ExampleWord.text()) << "example " << i;
        const Surface& s = d->surface();
        const int word = s.text_width(QString::fromStdU16String(e.ExampleWord.text()),
                                      FontSpec{App_JapaneseFace(), 16, true});
        const int reading = s.text_width(QString::fromStdU16String(e.ExampleReading.text()),
                                         FontSpec{"Arial", 12, false, true});
        EXPECT_LE(word + 11 + reading, 174) << "example " << i;
    }
}
