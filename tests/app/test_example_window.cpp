// The Example Window: opened and closed by the review window through the shell, placed at its
// remembered offset from the review window, and showing the next example in place.
#include "button.h"
#include "example_window.h"
#include "examples.h"
#include "options.h"
#include "test_add_word_fixture.h"

#include <QWindow>
#include <gmock/gmock.h>

namespace {

class ExampleWindowTest : public DetailWindowTest {
  protected:
    QWidget* review = nullptr;

    void SetUp() override {
        DetailWindowTest::SetUp();
        review = new QWidget;
        review->setGeometry(120, 90, 500, 400);
        review->show();
    }
};

TEST_F(ExampleWindowTest, OpensOverTheReviewWindowAndRemembersItsOffset) {
    ExampleWindow_Open(review, 0);
    ExampleWindow* w = ExampleWindow::instance();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->pos(), review->pos()) << "first opening: the review window's top-left";
    EXPECT_EQ(w->size(), QSize(300, 143));
    EXPECT_EQ(w->windowTitle(), "Example Window");
    EXPECT_EQ(w->windowHandle()->transientParent(), review->windowHandle());

    w->move(review->pos() + QPoint(150, -20));
    ExampleWindow_Close();
    EXPECT_EQ(ExampleWindow::instance(), nullptr);
    EXPECT_EQ(get_option_slot(OptExampleWindowOffset), 150);
    EXPECT_EQ(get_option_slot(OptExampleWindowOffset + 1), -20);

    review->move(60, 140);
    ExampleWindow_Open(review, 1);
    ASSERT_NE(ExampleWindow::instance(), nullptr);
    EXPECT_EQ(ExampleWindow::instance()->pos(), QPoint(60 + 150, 140 - 20));
}

TEST_F(ExampleWindowTest, OpeningAgainShowsTheNextExampleInPlace) {
    ExampleWindow_Open(review, 0);
    ExampleWindow* w = ExampleWindow::instance();
    ASSERT_NE(w, nullptr);
    w->move(250, 300);
    const QImage first = w->contents().image();
    ExampleWindow_Open(review, 1);
    EXPECT_EQ(ExampleWindow::instance(), w);
    EXPECT_EQ(w->pos(), QPoint(250, 300));
    EXPECT_NE(w->contents().image(), first);
    click(w->close_button(), QPoint(5, 5));
    EXPECT_EQ(ExampleWindow::instance(), nullptr);
    EXPECT_EQ(get_option_slot(OptExampleWindowOffset), 250 - review->x());
}

TEST_F(ExampleWindowTest, AnExampleThatCannotBeReadShowsAnEmptyBox) {
    ExampleWindow_Open(review, 1000000); // far beyond the end of the file
    ASSERT_NE(ExampleWindow::instance(), nullptr);
    Surface empty(kExampleContentsWidth, kExampleContentsHeight);
    draw_example_contents(empty, ExampleRecord{});
    EXPECT_EQ(ExampleWindow::instance()->contents().image(), empty.image());
    ExampleWindow_Open(review, 0);
    EXPECT_NE(ExampleWindow::instance()->contents().image(), empty.image());
}

} // namespace
