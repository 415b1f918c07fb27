// The list controls on the offscreen platform: KanjiList's texts and colours on demand,
// notifications from real mouse and keyboard input, focus arrival and the column rule; PairList's
// two texts per item, its colour rule, clearing and the redraw switch; and the item stores.
#include "kanji_list.h"
#include "list_view_behaviour.h"
#include "list_view_store.h"
#include "list_view_style.h"
#include "pair_list.h"

#include "poll.h"
#include <QLineEdit>
#include <QMouseEvent>
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

ColorRef colour_of(QAbstractItemView* view, int row, int column = 0) {
    const QColor c =
        view->model()->index(row, column).data(Qt::ForegroundRole).value<QBrush>().color();
    return RGB(c.red(), c.green(), c.blue());
}

ColorRef pixel(const Surface& s, int x, int y) {
    const QColor c = s.image().pixelColor(x, y);
    return RGB(c.red(), c.green(), c.blue());
}

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
    QString text_of(int row) const {
        return view()->model()->index(row, 0).data(Qt::DisplayRole).toString();
    }
    void select(int row) {
        view()->selectionModel()->select(view()->model()->index(row, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    void focus_list() {
        view()->setFocus(Qt::TabFocusReason);
        ASSERT_EVENTUALLY(view()->hasFocus() || after->hasFocus());
    }
    std::vector<int> selected_rows() const {
        std::vector<int> rows;
        list->selected_indices(rows);
        return rows;
    }
};

TEST_F(KanjiListTest, TextsAndColoursComeFromTheStoresFollowRemovalAndPaleWhenDisabled) {
    const int red = list->add_colour(0x0000ff);
    EXPECT_EQ(red, 1);
    fill({"日"});
    list->add("月", red);
    list->add("火", 0);
    EXPECT_EQ(colour_of(view(), 0), palette::Navy);
    EXPECT_EQ(colour_of(view(), 1), ColorRef(0x0000ff));
    list->remove(0);
    ASSERT_EQ(view()->model()->rowCount(), 2);
    EXPECT_EQ(text_of(0), "月");
    EXPECT_EQ(colour_of(view(), 0), ColorRef(0x0000ff));
    EXPECT_EQ(text_of(1), "火");
    // The outline runs along the top edge; the corner square shows the lined background.
    const Surface& face = std::as_const(*list).surface();
    EXPECT_EQ(pixel(face, kW / 2, 0), list_style::OutlineEnabled);
    EXPECT_EQ(pixel(face, 0, 0), palette::LineActive);
    EXPECT_EQ(pixel(face, kW / 2, kH / 2), palette::White);
    list->enable(false);
    EXPECT_EQ(colour_of(view(), 0), list_style::ItemDisabled);
    EXPECT_EQ(pixel(std::as_const(*list).surface(), kW / 2, 0), list_style::OutlineDisabled);
    EXPECT_EQ(pixel(std::as_const(*list).surface(), 0, 0), palette::LineInactive);
    list->enable(true);
    EXPECT_EQ(colour_of(view(), 0), ColorRef(0x0000ff));
}

TEST_F(KanjiListTest, ClicksReportItemsEmptySpaceAndMultipleSelectionsNotRightClicks) {
    fill({"日", "月"});
    std::vector<int> right_clicks;
    list->set_right_click([&](int item) { right_clicks.push_back(item); });
    QTest::mouseClick(view()->viewport(), Qt::RightButton, {}, row_centre(1));
    QTest::mouseClick(view()->viewport(), Qt::RightButton, {}, QPoint(10, kH - 40));
    EXPECT_THAT(right_clicks, ::testing::ElementsAre(1, -1));
    EXPECT_TRUE(notices.empty()) << "right clicks are not selections";
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, row_centre(1));
    EXPECT_EQ(list->current(), 1);
    EXPECT_THAT(notices, ::testing::ElementsAre(Notice{1, "月"}));
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, QPoint(10, kH - 40));
    EXPECT_EQ(list->current(), -1);
    EXPECT_EQ(notices.back(), (Notice{-1, {}}));
    // A multiple selection is reported in order.
    list->add("火", 0);
    list->add("水", 0);
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, row_centre(3));
    EXPECT_FALSE(list->has_multiple_selection());
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, Qt::ControlModifier, row_centre(1));
    EXPECT_TRUE(list->has_multiple_selection());
    std::vector<int> rows;
    EXPECT_EQ(list->selected_indices(rows), 2);
    EXPECT_THAT(rows, ::testing::ElementsAre(1, 3));
}

// The events of a double click as they arrive: press, release, press, double click, release.
TEST_F(KanjiListTest, DoubleClickOnTheFirstItemReportsMinusThreeAndItsReleaseNothing) {
    fill({"日", "月"});
    QWidget* viewport = view()->viewport();
    QPoint at = row_centre(0);
    const auto send = [&](QEvent::Type type) {
        QMouseEvent e(type, at, viewport->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport, &e);
    };
    const auto double_click = [&] {
        for (auto type :
             {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
            send(type);
    };
    double_click();
    EXPECT_THAT(notices, ::testing::ElementsAre(Notice{0, QStringLiteral("日")}, Notice{-3, {}}));
    EXPECT_EQ(list->current(), 0);
    send(QEvent::MouseButtonPress);
    send(QEvent::MouseButtonRelease);
    EXPECT_EQ(notices.back(), (Notice{0, QStringLiteral("日")})) << "the next click counts again";
    notices.clear();
    at = QPoint(10, kH - 40); // empty space: -1, never -3
    double_click();
    EXPECT_THAT(notices, ::testing::Each(Notice{-1, {}}));
    EXPECT_FALSE(notices.empty());
    EXPECT_EQ(list->current(), -1);
}

// Focus arriving in an empty list passes on to the next control; without a selection it selects
// the first item, with one it takes the topmost selected item, silently either way; leaving
// reports -2.
TEST_F(KanjiListTest, FocusArrivalAndLeaving) {
    list->set_keyboard(true);
    focus_list();
    ASSERT_EVENTUALLY(after->hasFocus());
    EXPECT_EQ(list->current(), -1);
    notices.clear(); // the focus it passed on is reported lost
    fill({"日", "月", "火"});
    focus_list();
    EXPECT_TRUE(view()->hasFocus());
    EXPECT_EQ(list->current(), 0);
    EXPECT_THAT(selected_rows(), ::testing::ElementsAre(0));
    EXPECT_EQ(view()->currentIndex().row(), 0);
    EXPECT_TRUE(notices.empty());
    before->setFocus(Qt::MouseFocusReason);
    ASSERT_EVENTUALLY(before->hasFocus());
    EXPECT_THAT(notices, ::testing::ElementsAre(Notice{-2, {}}));
    notices.clear();
    view()->selectionModel()->clearSelection();
    select(2);
    select(1);
    focus_list();
    EXPECT_EQ(list->current(), 1);
    EXPECT_EQ(view()->currentIndex().row(), 1);
    EXPECT_THAT(selected_rows(), ::testing::ElementsAre(1, 2));
    EXPECT_TRUE(notices.empty());
}

// Keys are the view's own until keyboard handling is on; then Tab and Shift+Tab move on, the
// arrows report the item the selection moved to and Enter the first selected item.
TEST_F(KanjiListTest, TabShiftTabArrowsAndEnter) {
    fill({"日", "月", "火"});
    view()->setFocus(Qt::TabFocusReason);
    ASSERT_EVENTUALLY(view()->hasFocus());
    QTest::keyClick(view(), Qt::Key_Down);
    QTest::keyClick(view(), Qt::Key_Return);
    EXPECT_TRUE(notices.empty());
    list->set_keyboard(true);
    focus_list();
    QTest::keyClick(view(), Qt::Key_Tab);
    ASSERT_EVENTUALLY(after->hasFocus());
    focus_list();
    QTest::keyClick(view(), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EVENTUALLY(before->hasFocus());
    view()->selectionModel()->clearSelection();
    focus_list();
    notices.clear();
    QTest::keyClick(view(), Qt::Key_Down);
    EXPECT_EQ(notices.back(), (Notice{1, "月"}));
    QTest::keyClick(view(), Qt::Key_Down);
    QTest::keyClick(view(), Qt::Key_Up);
    EXPECT_EQ(notices.back(), (Notice{1, "月"}));
    EXPECT_EQ(notices.size(), 3u);
    view()->selectionModel()->clearSelection();
    select(2);
    QTest::keyClick(view(), Qt::Key_Return);
    EXPECT_EQ(notices.back(), (Notice{2, "火"}));
    EXPECT_EQ(notices.size(), 4u);
}

TEST_F(KanjiListTest, TheColumnNarrowsByAScrollBarOnceTheItemsOverflowAndNewItemsShow) {
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
    for (int i = fitting + 1; i < 30; ++i)
        list->add(QString(QChar(0x4e00 + i)), 0);
    ASSERT_EVENTUALLY(view()->viewport()->rect().contains(row_centre(29)));
    // The rule at its boundary: rows exactly filling the height fit.
    const int height = 8 * list_style::RowHeight;
    EXPECT_EQ(list_column_width(148, height, 8, 17), 148);
    EXPECT_EQ(list_column_width(148, height, 9, 17), 131);
    EXPECT_EQ(list_column_width(148, height - 1, 8, 17), 131);
}

// The branches real input cannot reach on this platform, through a fake view.
class FakeView : public ListViewAccess {
  public:
    int item_count() const override { return 3; }
    int first_selected() const override { return -1; }
    void select_and_focus(int) override { ++selections; }
    QString selection_text(int) const override { return {}; }
    bool move_focus(bool) override { return false; }
    int selections = 0;
};

TEST(ListBehaviour, WithoutATargetTabIsTheViewsAndConfirmingNothingReportsNothing) {
    FakeView view;
    int notices = 0;
    ListBehaviour behaviour(view, [&](int, const QString&) { ++notices; });
    EXPECT_TRUE(behaviour.tab(false)) << "no control to move to: the view handles the Tab";
    behaviour.confirm_selection();
    EXPECT_EQ(notices, 0);
    EXPECT_EQ(view.selections, 0);
}

TEST(ItemStore, LongTextsAreCutTo255CharactersFindAndRemoveTakeTheFirstEqualEntry) {
    TextStore texts;
    texts.append(QString(300, QChar('x')));
    texts.append(QString(kMaxItemTextLength, QChar('y')));
    EXPECT_EQ(texts.at(0).size(), kMaxItemTextLength);
    EXPECT_EQ(texts.at(1).size(), kMaxItemTextLength);
    ValueStore store;
    for (int v : {4, 7, 4, 9})
        store.append(v);
    EXPECT_EQ(store.find(4), 0);
    EXPECT_EQ(store.find(5), -1);
    store.remove_first(4);
    EXPECT_EQ(store.find(4), 1);
    store.remove_at(0);
    store.remove_at(17); // outside: ignored
    EXPECT_EQ(store.count(), 2);
    EXPECT_EQ(store.at(0), 4);
    EXPECT_EQ(store.at(5), 0);
}

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
};

// Drawing stays off until the first item and while filling with the redraw switch off; clearing
// empties the stores too.
TEST_F(PairListTest, ItemsShowTheirTwoTextsAClickReportsTheLeftAndClearingEmptiesAll) {
    EXPECT_FALSE(list->view()->updatesEnabled());
    list->add("日", "day, sun", 0);
    EXPECT_TRUE(list->view()->updatesEnabled());
    list->add("月", "moon, month", 0);
    ASSERT_EQ(list->view()->model()->columnCount(), 2);
    EXPECT_EQ(cell(1, 0).data().toString(), "月");
    EXPECT_EQ(cell(1, 1).data().toString(), "moon, month");
    QTest::mouseClick(list->view()->viewport(), Qt::LeftButton, {},
                      list->view()->visualRect(cell(1, 1)).center());
    ASSERT_FALSE(notices.empty());
    EXPECT_EQ(notices.back(), std::make_pair(1, QString("月")));
    list->clear();
    EXPECT_EQ(list->view()->model()->rowCount(), 0);
    EXPECT_EQ(list->count(), 0);
    list->set_redraw(false);
    for (int i = 0; i < 500; ++i)
        list->add(QString(QChar(0x4e00 + i)), "meaning", 0);
    EXPECT_FALSE(list->view()->updatesEnabled());
    list->set_redraw(true);
    EXPECT_TRUE(list->view()->updatesEnabled());
    EXPECT_EQ(list->view()->model()->rowCount(), 500);
    EXPECT_EQ(cell(0, 1).data().toString(), "meaning");
}

// Uncoloured items have a grey right column, coloured ones are wholly coloured; disabled, every
// item takes the first palette entry with a pale right column, and the frame stays active.
TEST_F(PairListTest, ColoursEnabledAndDisabled) {
    list->add_colour(0xa5a5a5);
    const int blue = list->add_colour(0xdc0000);
    list->add("日", "day", 0);
    list->add("月", "moon", blue);
    QTreeView* view = list->view();
    EXPECT_EQ(colour_of(view, 0, 0), palette::Navy);
    EXPECT_EQ(colour_of(view, 0, 1), list_style::PairSecondColumn);
    EXPECT_EQ(colour_of(view, 1, 0), ColorRef(0xdc0000));
    EXPECT_EQ(colour_of(view, 1, 1), ColorRef(0xdc0000));
    list->enable(false);
    EXPECT_EQ(colour_of(view, 1, 0), palette::Navy);
    EXPECT_EQ(colour_of(view, 1, 1), list_style::PairDisabledSecond);
    EXPECT_EQ(pixel(std::as_const(*list).surface(), 100, 0), list_style::OutlineEnabled);
    EXPECT_EQ(pixel(std::as_const(*list).surface(), 0, 0), palette::LineActive);
}

} // namespace
