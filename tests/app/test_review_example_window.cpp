// The review window with the real Example Window: a double click on an example opens it at its
// remembered offset from the review window, showing that example; closing the review closes it
// and keeps its offset from the review window.
#include "button.h"
#include "example_window.h"
#include "examples.h"
#include "kanji_data.h"
#include "learning_list.h"
#include "options.h"
#include "review_examples.h"
#include "review_window.h"
#include "stroke_screens.h"
#include "test_add_word_fixture.h"

#include <QTest>

namespace {

class ReviewExampleWindowTest : public DetailWindowTest {
  protected:
    void SetUp() override {
        DetailWindowTest::SetUp();
        main_window->setGeometry(10, 30, 200, 100); // the review fits the screen beside it
    }
};

TEST_F(ReviewExampleWindowTest, ADoubleClickedExampleOpensAtItsOffsetFromTheReviewWindow) {
    set_option_slot(OptExampleWindowOffset, 120);
    set_option_slot(OptExampleWindowOffset + 1, 90);
    set_learning_list({44});
    Review_Open();
    ReviewWindow* review = ReviewWindow::instance();
    ASSERT_NE(review, nullptr);
    const KanjiRecord record = *KanjiData_LoadRecord(44);
    ASSERT_GE(record.exampleCount(), 2);

    QTest::mouseDClick(review->examples_display(), Qt::LeftButton, {}, QPoint(80, 56 + 20));
    ExampleWindow* example = ExampleWindow::instance();
    ASSERT_NE(example, nullptr);
    EXPECT_EQ(example->reference(), review);
    EXPECT_EQ(example->pos(), review->pos() + QPoint(120, 90));
    Surface expected(kExampleContentsWidth, kExampleContentsHeight);
    draw_example_contents(expected, *Examples_Load(record.ExampleIds[1]));
    EXPECT_EQ(example->contents().image(), expected.image()) << "the second example";

    example->move(review->pos() + QPoint(200, 40));
    click(review->exit_button(), QPoint(8, 8));
    EXPECT_EQ(ReviewWindow::instance(), nullptr);
    EXPECT_EQ(ExampleWindow::instance(), nullptr) << "closed with the review window";
    EXPECT_EQ(get_option_slot(OptExampleWindowOffset), 200);
    EXPECT_EQ(get_option_slot(OptExampleWindowOffset + 1), 40);
}

} // namespace
