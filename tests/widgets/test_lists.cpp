// KanjiList on the offscreen platform: its colours, notifications from real mouse and keyboard
// input, focus arrival and the column rule.
#include "kanji_list.h"
#include "list_view_behaviour.h"
#include "list_view_store.h"
#include "list_view_style.h"

#include "poll.h"
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QTest>
#include <QTreeView>
#include <gmock/gmock.h>

namespace {

struct Notice {
    int index;
    QString value;
    bool operator==(const Notice&) const = default;
};

ColorRef colour_of(QAbstractItemView* view, int row) {
    const QColor c = view->model()->index(row, 0).data(Qt::ForegroundRole).value<QBrush>().color();
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
    const QPoint empty_space{10, kH - 40};

    void SetUp() override {
        window->resize(300, 300);
        before->move(200, 10);
        after->move(200, 50);
        list->set_tab_order(after, before);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        for (const char* k : {"日", "月", "火"})
            list->add(QString::fromUtf8(k), 0);
    }
    QTreeView* view() const { return list->view(); }
    QPoint row_centre(int row) const {
        return view()->visualRect(view()->model()->index(row, 0)).center();
    }
    void select_only(std::initializer_list<int> rows) {
        view()->selectionModel()->clearSelection();
        for (int row : rows)
            view()->selectionModel()->select(view()->model()->index(row, 0),
                                             QItemSelectionModel::Select |
                                                 QItemSelectionModel::Rows);
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

TEST_F(KanjiListTest, ColoursComeFromTheStoreFollowRemovalAndPaleWhenDisabledTextsAreCut) {
    const int red = list->add_colour(0x0000ff);
    list->add("水", red);
    EXPECT_EQ(colour_of(view(), 0), palette::Navy);
    list->remove(4);
    list->remove(-1);
    EXPECT_EQ(view()->model()->rowCount(), 4) << "no row past either end";
    list->remove(0);
    EXPECT_EQ(view()->model()->index(0, 0).data().toString(), "月");
    EXPECT_EQ(colour_of(view(), 2), ColorRef(0x0000ff));
    list->enable(false);
    EXPECT_EQ(colour_of(view(), 2), list_style::ItemDisabled);
    list->add(QString(300, QChar('x')), 0);
    EXPECT_EQ(list->text(3).size(), kMaxItemTextLength) << "long texts are cut";
}

// The events of a double click as they arrive: press, release, press, double click, release.
TEST_F(KanjiListTest, DoubleClickOnTheFirstItemReportsMinusThreeAndItsReleaseNothing) {
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
    at = empty_space; // -1, never -3
    double_click();
    EXPECT_THAT(notices, ::testing::Each(Notice{-1, {}}));
    EXPECT_FALSE(notices.empty());
    EXPECT_EQ(list->current(), -1);
}

// With keyboard handling on, focus arriving selects the first item without a selection, takes
// the topmost selected item with one, silently either way, and passes on from an empty list;
// leaving reports -2. Shift+Tab moves on, the arrows report the item the selection moved to and
// Enter the first selected item.
TEST_F(KanjiListTest, FocusArrivalLeavingAndKeys) {
    list->set_keyboard(true);
    select_only({});
    focus_list();
    EXPECT_EQ(list->current(), 0);
    EXPECT_THAT(selected_rows(), ::testing::ElementsAre(0));
    EXPECT_TRUE(notices.empty());
    before->setFocus(Qt::MouseFocusReason);
    ASSERT_EVENTUALLY(before->hasFocus());
    EXPECT_THAT(notices, ::testing::ElementsAre(Notice{-2, {}}));
    select_only({2, 1});
    focus_list();
    EXPECT_EQ(list->current(), 1);
    EXPECT_THAT(selected_rows(), ::testing::ElementsAre(1, 2));
    QTest::keyClick(view(), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EVENTUALLY(before->hasFocus());
    select_only({});
    focus_list();
    notices.clear();
    QTest::keyClick(view(), Qt::Key_Down);
    QTest::keyClick(view(), Qt::Key_Down);
    QTest::keyClick(view(), Qt::Key_Up);
    EXPECT_THAT(notices, ::testing::ElementsAre(Notice{1, "月"}, Notice{2, "火"}, Notice{1, "月"}));
    QKeyEvent held(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(view(), &held);
    EXPECT_EQ(notices.size(), 3u) << "a key held down reports only when let go";
    select_only({2});
    QTest::keyClick(view(), Qt::Key_Return);
    EXPECT_EQ(notices.back(), (Notice{2, "火"}));
    before->setFocus(Qt::MouseFocusReason);
    for (int i = 2; i >= 0; --i)
        list->remove(i);
    focus_list();
    ASSERT_EVENTUALLY(after->hasFocus()) << "an empty list passes the focus on";
}

// Rows exactly filling the height fit; one more narrows the column by a scroll bar, as the view
// shows it.
TEST_F(KanjiListTest, TheColumnNarrowsByAScrollBarOnceTheItemsOverflow) {
    const int height = 8 * list_style::RowHeight;
    EXPECT_EQ(list_column_width(148, height, 8, 17), 148);
    EXPECT_EQ(list_column_width(148, height, 9, 17), 131);
    EXPECT_EQ(list_column_width(148, height - 1, 8, 17), 131);
    for (int i = 3; i <= (kH - 24) / list_style::RowHeight; ++i)
        list->add(QString(QChar(0x4e00 + i)), 0);
    EXPECT_EQ(view()->columnWidth(0),
              kW - 12 - view()->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view()));
}

} // namespace
