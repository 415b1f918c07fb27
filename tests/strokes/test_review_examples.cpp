// The review window's examples display: the hovered row and its outline, the check that clears
// the highlight when the pointer has gone without a move inside, and the double click.
#include "kanji_data.h"
#include "pixel_support.h"
#include "poll.h"
#include "review_examples.h"
#include "screen_fixture.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

TEST(ReviewExamplesRows, HoverTakesTheRowUnderThePointerBetweenFiveAnd174) {
    EXPECT_EQ(examples_hover_row(4, 10, 3), 0);
    EXPECT_EQ(examples_hover_row(5, 10, 3), 1);
    EXPECT_EQ(examples_hover_row(173, 10, 3), 1);
    EXPECT_EQ(examples_hover_row(174, 10, 3), 0);
    EXPECT_EQ(examples_hover_row(60, 50, 3), 1) << "the gap below a box belongs to its row";
    EXPECT_EQ(examples_hover_row(60, 56 * 2 + 3, 3), 3);
    EXPECT_EQ(examples_hover_row(60, 56 * 3, 3), 0) << "below the last example";
    EXPECT_EQ(examples_hover_row(60, -1, 3), 0);
    EXPECT_EQ(examples_clicked_row(56 * 2 + 40, 3), 2);
    EXPECT_EQ(examples_clicked_row(56 * 3, 3), -1);
    EXPECT_EQ(examples_clicked_row(10, 0), -1);
    EXPECT_EQ(examples_clicked_row(-3, 3), -1);
}

namespace {

class ReviewExamples : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        window = new QWidget;
        window->setGeometry(300, 200, 240, 300);
        display =
            new ReviewExamplesDisplay(window, 10, 10, [this](int id) { opened.push_back(id); });
        window->show();
        const KanjiRecord* r = KanjiData_LoadRecord(44);
        ASSERT_GE(r->exampleCount(), 3);
        ids.assign(r->ExampleIds, r->ExampleIds + 3);
        display->load(3, ids.data());
    }

    // The pointer goes there and the display sees the move.
    void move_to(QPoint at) {
        QCursor::setPos(display->mapToGlobal(at));
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(display->mapToGlobal(at)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(display, &move);
    }
    // Outline pixels along the left edge of a row's box.
    int outline(int row) {
        const int top = 56 * row + 1;
        return count_near(display->surface(), {1, top + 8, 3, top + 36}, RGB(0, 0, 192), 60);
    }

    QWidget* window = nullptr;
    ReviewExamplesDisplay* display = nullptr;
    std::vector<int> ids;
    std::vector<int> opened;
};

} // namespace

TEST_F(ReviewExamples, TheRowUnderThePointerIsOutlinedUntilThePointerMovesOff) {
    EXPECT_EQ(display->examples().size(), 3u);
    move_to({60, 56 + 20});
    EXPECT_EQ(display->hovered(), 2);
    EXPECT_GT(outline(1), 10);
    EXPECT_EQ(outline(0), 0);
    move_to({176, 56 + 20});
    EXPECT_EQ(display->hovered(), 0);
    EXPECT_EQ(outline(1), 0);
    move_to({60, 56 * 3 + 20});
    EXPECT_EQ(display->hovered(), 0) << "no example there";
    move_to({60, 20});
    display->load(3, ids.data());
    EXPECT_EQ(display->hovered(), 0) << "a new load starts without a highlight";
    EXPECT_EQ(outline(0), 0);
}

TEST_F(ReviewExamples, LeavingWithoutAMoveInsideClearsTheHighlight) {
    move_to({60, 20});
    ASSERT_EQ(display->hovered(), 1);
    EXPECT_FALSE(wait_until([&] { return display->hovered() == 0; }, 500))
        << "the pointer is still over the display";
    QCursor::setPos(QPoint(5, 5)); // far off the window, no move reaches the display
    EXPECT_EQ(display->hovered(), 1) << "cleared by the pointer check, not at once";
    EXPECT_EVENTUALLY(display->hovered() == 0);
    EXPECT_EQ(outline(0), 0);

    // Another window over the display: the pointer is over that window, not the display.
    move_to({60, 20});
    ASSERT_EQ(display->hovered(), 1);
    QWidget cover;
    cover.setGeometry(QRect(display->mapToGlobal(QPoint(0, 0)), QSize(178, 120)));
    cover.show();
    EXPECT_EVENTUALLY(display->hovered() == 0);
}

TEST_F(ReviewExamples, AfterTheEndOfThePointerCheckNothingHighlights) {
    move_to({60, 20});
    display->end_pointer_check();
    EXPECT_EQ(display->hovered(), -1);
    EXPECT_FALSE(display->pointer_check_running());
    move_to({60, 56 + 20});
    display->load(3, ids.data());
    EXPECT_EQ(display->hovered(), -1);
    EXPECT_EQ(outline(1), 0);
}

TEST_F(ReviewExamples, ADoubleClickOnARowAsksForItsExample) {
    QTest::mouseDClick(display, Qt::LeftButton, {}, QPoint(60, 56 * 2 + 30));
    QTest::mouseDClick(display, Qt::LeftButton, {}, QPoint(60, 50));
    QTest::mouseDClick(display, Qt::LeftButton, {}, QPoint(60, 56 * 3 + 5));
    QTest::mouseDClick(display, Qt::RightButton, {}, QPoint(60, 20));
    EXPECT_EQ(opened, (std::vector<int>{ids[2], ids[0]})) << "nothing below the last example";
}

TEST_F(ReviewExamples, ACountBeyondWhatARecordHoldsStopsAtFortyEight) {
    const std::vector<int32_t> all(kMaxExamplesPerKanji, ids[0]);
    display->load(1000, all.data());
    EXPECT_EQ(display->examples().size(), size_t(kMaxExamplesPerKanji));
    display->load(-5, all.data());
    EXPECT_TRUE(display->examples().empty());
}

TEST(ReviewExamplesRows, TheWheelScrollsWithinTheRows) {
    EXPECT_EQ(scrolled_first_row(0, 1, 12), 1);
    EXPECT_EQ(scrolled_first_row(6, 3, 12), 7) << "the last five rows fill the display";
    EXPECT_EQ(scrolled_first_row(2, -5, 12), 0);
    EXPECT_EQ(scrolled_first_row(0, 1, 5), 0) << "five examples never scroll";
    EXPECT_EQ(scrolled_first_row(0, 1, 0), 0);
}

// A kanji with more examples than five rows: the wheel brings the others in, and the highlight
// and the double click follow the examples as shown.
TEST_F(ReviewExamples, MoreThanFiveExamplesScrollIntoView) {
    std::vector<int32_t> many;
    int kanji = 1;
    for (; kanji <= kKanjiTotal && many.size() < 8; ++kanji) {
        const KanjiRecord* r = KanjiData_LoadRecord(kanji);
        if (r->exampleCount() >= 8) many.assign(r->ExampleIds, r->ExampleIds + 8);
    }
    ASSERT_EQ(many.size(), 8u);
    display->load(8, many.data());
    const QImage top = display->surface().image();
    const auto wheel = [&](int angle) {
        QWheelEvent e(QPointF(60, 20), QPointF(display->mapToGlobal(QPoint(60, 20))), QPoint(),
                      QPoint(0, angle), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(display, &e);
    };
    wheel(-120 * 5);
    EXPECT_EQ(display->first_row(), 3) << "down as far as the last five";
    EXPECT_NE(display->surface().image(), top);
    move_to({60, 20});
    EXPECT_EQ(display->hovered(), 4) << "the top row now shows the fourth example";
    QTest::mouseDClick(display, Qt::LeftButton, {}, QPoint(60, 56 * 4 + 30));
    EXPECT_EQ(opened, (std::vector<int>{many[7]}));
    wheel(60);
    EXPECT_EQ(display->first_row(), 3) << "half a notch is no row yet";
    wheel(60);
    EXPECT_EQ(display->first_row(), 2);
    display->load(8, many.data());
    EXPECT_EQ(display->first_row(), 0) << "a new kanji starts at its first example";
    EXPECT_EQ(display->surface().image(), top);
}

// Readings run on from the end of their word; however long the word and its reading, the
// reading is shortened before it reaches the row's right border.
TEST_F(ReviewExamples, NoReadingRunsOverItsRowsRightBorder) {
    int crowded_rows = 0;
    for (int kanji = 1; kanji <= kKanjiTotal; ++kanji) {
        const KanjiRecord* r = KanjiData_LoadRecord(kanji);
        const int count = std::min(r->exampleCount(), kVisibleExampleRows);
        display->load(count, r->ExampleIds);
        for (int row = 0; row < count; ++row) {
            const int top = kExampleRowStep * row;
            const PixelRect reading_line{7, top + 2, 171, top + 20};
            const PixelRect border_strip{171, top + 2, 177, top + 20};
            const PixelRect near_border{150, top + 2, 171, top + 20};
            if (count_near(display->surface(), border_strip, RGB(0, 0, 128), 80) > 0)
                ADD_FAILURE() << "kanji " << kanji << " row " << row << ": "
                              << QString::fromStdU16String(
                                     display->examples()[size_t(row)].ExampleReading.text())
                                     .toStdString();
            if (count_near(display->surface(), near_border, RGB(0, 0, 128), 80) > 0) ++crowded_rows;
            ASSERT_GT(count_near(display->surface(), reading_line, RGB(0, 0, 128), 80), 0);
        }
    }
    EXPECT_GT(crowded_rows, 20) << "many rows run their reading close to the border";
}
