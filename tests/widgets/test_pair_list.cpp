// PairList: two texts per item, its colour rule, clearing and the redraw switch.
#include "list_view_style.h"
#include "pair_list.h"

#include <QTest>
#include <QTreeView>
#include <gmock/gmock.h>
#include <utility>

namespace {

class PairListTest : public ::testing::Test {
  protected:
    std::vector<std::pair<int, QString>> notices; // outlives the window
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    PairList* list =
        PairList::create(window.get(), 10, 10, 200, 150,
                         [this](int i, const QString& v) { notices.emplace_back(i, v); });

    void SetUp() override {
        window->resize(240, 200);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QModelIndex cell(int row, int column) const {
        return list->view()->model()->index(row, column);
    }
    ColorRef colour_of(int row, int column) const {
        const QColor c = cell(row, column).data(Qt::ForegroundRole).value<QBrush>().color();
        return RGB(c.red(), c.green(), c.blue());
    }
};

TEST_F(PairListTest, EachItemShowsItsLeftAndRightText) {
    list->add("日", "day, sun", 0);
    list->add("月", "moon, month", 0);
    ASSERT_EQ(list->view()->model()->rowCount(), 2);
    ASSERT_EQ(list->view()->model()->columnCount(), 2);
    EXPECT_EQ(cell(1, 0).data().toString(), "月");
    EXPECT_EQ(cell(1, 1).data().toString(), "moon, month");
}

TEST_F(PairListTest, AClickReportsTheLeftText) {
    list->add("日", "day, sun", 0);
    list->add("月", "moon, month", 0);
    const QPoint centre = list->view()->visualRect(cell(1, 1)).center();
    QTest::mouseClick(list->view()->viewport(), Qt::LeftButton, {}, centre);
    ASSERT_FALSE(notices.empty());
    EXPECT_EQ(notices.back(), std::make_pair(1, QString("月")));
}

TEST_F(PairListTest, UncolouredItemsHaveAGreyRightColumnColouredOnesAreWhollyColoured) {
    list->add_colour(0xa5a5a5);
    const int blue = list->add_colour(0xdc0000);
    list->add("日", "day", 0);
    list->add("月", "moon", blue);
    EXPECT_EQ(colour_of(0, 0), palette::Navy);
    EXPECT_EQ(colour_of(0, 1), list_style::PairSecondColumn);
    EXPECT_EQ(colour_of(1, 0), ColorRef(0xdc0000));
    EXPECT_EQ(colour_of(1, 1), ColorRef(0xdc0000));
}

TEST_F(PairListTest, DisabledItemsUseTheFirstPaletteEntryAndAPaleRightColumn) {
    const int blue = list->add_colour(0xdc0000);
    list->add("月", "moon", blue);
    list->enable(false);
    EXPECT_EQ(colour_of(0, 0), palette::Navy);
    EXPECT_EQ(colour_of(0, 1), list_style::PairDisabledSecond);
}

TEST_F(PairListTest, TheFrameStaysActiveWhenDisabled) {
    list->enable(false);
    const QColor outline = std::as_const(*list).surface().image().pixelColor(100, 0);
    const QColor corner = std::as_const(*list).surface().image().pixelColor(0, 0);
    EXPECT_EQ(RGB(outline.red(), outline.green(), outline.blue()), list_style::OutlineEnabled);
    EXPECT_EQ(RGB(corner.red(), corner.green(), corner.blue()), palette::LineActive);
}

TEST_F(PairListTest, ClearEmptiesTheListAndItsStores) {
    list->add("日", "day", 0);
    list->add("月", "moon", 0);
    list->clear();
    EXPECT_EQ(list->view()->model()->rowCount(), 0);
    EXPECT_EQ(list->count(), 0);
    list->add("火", "fire", 0);
    EXPECT_EQ(cell(0, 1).data().toString(), "fire");
}

TEST_F(PairListTest, DrawingStaysOffWhileFillingAndComesBackWithSetRedraw) {
    list->set_redraw(false);
    for (int i = 0; i < 500; ++i)
        list->add(QString(QChar(0x4e00 + i)), "meaning", 0);
    EXPECT_FALSE(list->view()->updatesEnabled());
    list->set_redraw(true);
    EXPECT_TRUE(list->view()->updatesEnabled());
    EXPECT_EQ(list->view()->model()->rowCount(), 500);
}

TEST_F(PairListTest, DrawingIsOffUntilTheFirstItem) {
    EXPECT_FALSE(list->view()->updatesEnabled());
    list->add("日", "day", 0);
    EXPECT_TRUE(list->view()->updatesEnabled());
}

} // namespace
