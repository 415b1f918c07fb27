// KanjiList on the offscreen platform: texts and colours on demand, notifications from real
// mouse and keyboard input, focus arrival and the column rule.
#include "kanji_list.h"
#include "list_view_style.h"

#include "poll.h"
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>

#include <QTest>
#include <QTreeView>
#include <gmock/gmock.h>
#include <utility>

namespace {

struct Notice {
    int index;
    QString value;
    bool operator==(const Notice&) const = default;
};

class KanjiListTest : public ::testing::Test {
  protected:
    static constexpr int kW = 160, kH = 231; // the Learning List's size
    std::vector<Notice> notices;             // outlives the window
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QLineEdit* before = new QLineEdit(window.get());
    QLineEdit* after = new QLineEdit(window.get());
    KanjiList* list =
        KanjiList::create(window.get(), 20, 46, kW, kH, [this](int i, const QString& v) {
            notices.push_back({i, v});
        });

    void SetUp() override {
        window->resize(300, 300);
        before->move(200, 10);
        after->move(200, 50);
        list->set_tab_order(after, before);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void fill(std::initializer_list<const char*> kanji) {
        for (const char* k : kanji)
            list->add(QString::fromUtf8(k), 0);
    }
    QTreeView* view() const { return list->view(); }
    QPoint row_centre(int row) const {
        return view()->visualRect(view()->model()->index(row, 0)).center();
    }
    ColorRef colour_of(int row) const {
        const QColor c =
            view()->model()->index(row, 0).data(Qt::ForegroundRole).value<QBrush>().color();
        return RGB(c.red(), c.green(), c.blue());
    }
    QString text_of(int row) const {
        return view()->model()->index(row, 0).data(Qt::DisplayRole).toString();
    }
    void focus_list() {
        view()->setFocus(Qt::TabFocusReason);
        ASSERT_EVENTUALLY(view()->hasFocus() || after->hasFocus());
    }
};

TEST_F(KanjiListTest, TextsAndColoursComeFromTheStoresAndFollowRemoval) {
    const int red = list->add_colour(0x0000ff);
    EXPECT_EQ(red, 1);
    list->add("日", 0);
    list->add("月", red);
    list->add("火", 0);
    EXPECT_EQ(colour_of(0), palette::Navy);
    EXPECT_EQ(colour_of(1), ColorRef(0x0000ff));
    list->remove(0);
    ASSERT_EQ(view()->model()->rowCount(), 2);
    EXPECT_EQ(text_of(0), "月");
    EXPECT_EQ(colour_of(0), ColorRef(0x0000ff));
    EXPECT_EQ(text_of(1), "火");
}

TEST_F(KanjiListTest, DisabledListShowsEveryItemPale) {
    list->add_colour(0x0000ff);
    list->add("日", 1);
    list->enable(false);
    EXPECT_EQ(colour_of(0), list_style::ItemDisabled);
    list->enable(true);
    EXPECT_EQ(colour_of(0), ColorRef(0x0000ff));
}

TEST_F(KanjiListTest, ClicksReportItemsAndEmptySpace) {
    fill({"日", "月"});
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, row_centre(1));
    EXPECT_EQ(list->current(), 1);
    ASSERT_FALSE(notices.empty());
    EXPECT_EQ(notices.back(), (Notice{1, "月"}));
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, QPoint(10, kH - 40));
    EXPECT_EQ(list->current(), -1);
    EXPECT_EQ(notices.back(), (Notice{-1, {}}));
}

TEST_F(KanjiListTest, DoubleClickReportsMinusThreeOrMinusOneOnEmptySpace) {
    fill({"日", "月"});
    QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, row_centre(1));
    EXPECT_EQ(notices.back(), (Notice{-3, {}}));
    EXPECT_EQ(list->current(), 1);
    QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, QPoint(10, kH - 40));
    EXPECT_EQ(notices.back(), (Notice{-1, {}}));
    EXPECT_EQ(list->current(), -1);
}

TEST_F(KanjiListTest, ARightClickReportsTheItemUnderThePointer) {
    fill({"日", "月"});
    std::vector<int> right_clicks;
    list->set_right_click([&](int item) { right_clicks.push_back(item); });
    QTest::mouseClick(view()->viewport(), Qt::RightButton, {}, row_centre(1));
    QTest::mouseClick(view()->viewport(), Qt::RightButton, {}, QPoint(10, kH - 40));
    EXPECT_THAT(right_clicks, ::testing::ElementsAre(1, -1));
    EXPECT_TRUE(notices.empty()) << "right clicks are not selections";
}

TEST_F(KanjiListTest, MultipleSelectionIsReportedInOrder) {
    fill({"日", "月", "火", "水"});
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, row_centre(3));
    EXPECT_FALSE(list->has_multiple_selection());
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, Qt::ControlModifier, row_centre(1));
    EXPECT_TRUE(list->has_multiple_selection());
    std::vector<int> rows;
    EXPECT_EQ(list->selected_indices(rows), 2);
    EXPECT_THAT(rows, ::testing::ElementsAre(1, 3));
}

TEST_F(KanjiListTest, FocusArrivingWithoutSelectionSelectsTheFirstItemSilently) {
    fill({"日", "月"});
    list->set_keyboard(true);
    focus_list();
    EXPECT_TRUE(view()->hasFocus());
    EXPECT_EQ(list->current(), 0);
    std::vector<int> rows;
    list->selected_indices(rows);
    EXPECT_THAT(rows, ::testing::ElementsAre(0));
    EXPECT_EQ(view()->currentIndex().row(), 0);
    EXPECT_TRUE(notices.empty());
}

TEST_F(KanjiListTest, FocusArrivingWithSelectionKeepsTheSelectedItem) {
    fill({"日", "月", "火"});
    list->set_keyboard(true);
    view()->selectionModel()->select(view()->model()->index(2, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    focus_list();
    EXPECT_EQ(list->current(), 2);
    EXPECT_EQ(view()->currentIndex().row(), 2);
    std::vector<int> rows;
    list->selected_indices(rows);
    EXPECT_THAT(rows, ::testing::ElementsAre(2));
    EXPECT_TRUE(notices.empty());
}

TEST_F(KanjiListTest, FocusArrivingInAnEmptyListPassesToTheNextControl) {
    list->set_keyboard(true);
    focus_list();
    ASSERT_EVENTUALLY(after->hasFocus());
    EXPECT_EQ(list->current(), -1);
}

TEST_F(KanjiListTest, FocusLeavingReportsMinusTwo) {
    fill({"日"});
    list->set_keyboard(true);
    focus_list();
    before->setFocus(Qt::MouseFocusReason);
    ASSERT_EVENTUALLY(before->hasFocus());
    EXPECT_EQ(notices.back(), (Notice{-2, {}}));
}

TEST_F(KanjiListTest, TabAndShiftTabFollowTheTabOrder) {
    fill({"日"});
    list->set_keyboard(true);
    focus_list();
    QTest::keyClick(view(), Qt::Key_Tab);
    ASSERT_EVENTUALLY(after->hasFocus());
    focus_list();
    QTest::keyClick(view(), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EVENTUALLY(before->hasFocus());
}

TEST_F(KanjiListTest, ArrowKeysReportTheItemTheSelectionMovedTo) {
    fill({"日", "月", "火"});
    list->set_keyboard(true);
    focus_list();
    QTest::keyClick(view(), Qt::Key_Down);
    EXPECT_EQ(notices.back(), (Notice{1, "月"}));
    QTest::keyClick(view(), Qt::Key_Down);
    QTest::keyClick(view(), Qt::Key_Up);
    EXPECT_EQ(notices.back(), (Notice{1, "月"}));
    EXPECT_EQ(notices.size(), 3u);
}

TEST_F(KanjiListTest, EnterReportsTheFirstSelectedItem) {
    fill({"日", "月", "火"});
    list->set_keyboard(true);
    view()->selectionModel()->select(view()->model()->index(2, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    focus_list();
    QTest::keyClick(view(), Qt::Key_Return);
    EXPECT_EQ(notices.back(), (Notice{2, "火"}));
}

TEST_F(KanjiListTest, KeysAreTheViewsOwnUntilKeyboardHandlingIsOn) {
    fill({"日", "月"});
    view()->setFocus(Qt::TabFocusReason);
    ASSERT_EVENTUALLY(view()->hasFocus());
    QTest::keyClick(view(), Qt::Key_Down);
    QTest::keyClick(view(), Qt::Key_Return);
    EXPECT_TRUE(notices.empty());
}

TEST_F(KanjiListTest, TheColumnNarrowsByAScrollBarOnceTheItemsOverflow) {
    const int inner_w = kW - 12, inner_h = kH - 24;
    const int fitting = inner_h / list_style::RowHeight;
    for (int i = 0; i < fitting; ++i)
        list->add(QString(QChar(0x4e00 + i)), 0);
    EXPECT_EQ(view()->columnWidth(0), inner_w);
    list->add("末", 0);
    const int bar = view()->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view());
    EXPECT_EQ(view()->columnWidth(0), inner_w - bar);
    // The rule's row height is the one the view draws: the scroll bar appears with it.
    ASSERT_EVENTUALLY(view()->verticalScrollBar()->isVisible());
}

TEST_F(KanjiListTest, AddingScrollsTheNewItemIntoView) {
    for (int i = 0; i < 30; ++i)
        list->add(QString(QChar(0x4e00 + i)), 0);
    ASSERT_EVENTUALLY(view()->viewport()->rect().contains(row_centre(29)));
}

ColorRef pixel(const Surface& s, int x, int y) {
    const QColor c = s.image().pixelColor(x, y);
    return RGB(c.red(), c.green(), c.blue());
}

TEST_F(KanjiListTest, TheFramePalesWhenTheListIsDisabled) {
    // The outline runs along the top edge; the corner square shows the lined background.
    EXPECT_EQ(pixel(std::as_const(*list).surface(), kW / 2, 0), list_style::OutlineEnabled);
    EXPECT_EQ(pixel(std::as_const(*list).surface(), 0, 0), palette::LineActive);
    EXPECT_EQ(pixel(std::as_const(*list).surface(), kW / 2, kH / 2), palette::White);
    list->enable(false);
    EXPECT_EQ(pixel(std::as_const(*list).surface(), kW / 2, 0), list_style::OutlineDisabled);
    EXPECT_EQ(pixel(std::as_const(*list).surface(), 0, 0), palette::LineInactive);
}

TEST(ListColumnWidth, NarrowsOnlyWhenTheRowsExceedTheHeight) {
    const int rows = 8;
    const int height = rows * list_style::RowHeight;
    EXPECT_EQ(list_column_width(148, height, rows, 17), 148);
    EXPECT_EQ(list_column_width(148, height, rows + 1, 17), 131);
    EXPECT_EQ(list_column_width(148, height - 1, rows, 17), 131);
}

} // namespace
