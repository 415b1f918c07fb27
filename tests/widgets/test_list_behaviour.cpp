// The list controls' selection behaviour, driven through a fake view.
#include "list_view_behaviour.h"
#include "list_view_store.h"

#include <gmock/gmock.h>
#include <set>

namespace {

struct Notice {
    int index;
    QString value;
    bool operator==(const Notice&) const = default;
};

class FakeView : public ListViewAccess {
  public:
    std::vector<QString> items;
    std::set<int> selected;
    int focused = -1;
    bool has_next = true;
    int focus_moves_forward = 0;
    int focus_moves_back = 0;

    int item_count() const override { return int(items.size()); }
    int first_selected() const override { return selected.empty() ? -1 : *selected.begin(); }
    void select_and_focus(int index) override {
        selected.insert(index);
        focused = index;
    }
    QString selection_text(int index) const override { return items.at(size_t(index)); }
    bool move_focus(bool backwards) override {
        if (!has_next) return false;
        ++(backwards ? focus_moves_back : focus_moves_forward);
        return true;
    }
};

class ListBehaviourTest : public ::testing::Test {
  protected:
    FakeView view;
    std::vector<Notice> notices;
    ListBehaviour behaviour{view, [this](int i, const QString& v) { notices.push_back({i, v}); }};

    void SetUp() override { view.items = {"日", "月", "火"}; }
};

TEST_F(ListBehaviourTest, ClickOnAnItemMakesItCurrentAndReportsItsText) {
    behaviour.click(2);
    EXPECT_EQ(behaviour.current(), 2);
    EXPECT_THAT(notices, ::testing::ElementsAre(Notice{2, "火"}));
}

TEST_F(ListBehaviourTest, ClickOnEmptySpaceReportsNone) {
    behaviour.click(1);
    behaviour.click(-1);
    EXPECT_EQ(behaviour.current(), -1);
    EXPECT_EQ(notices.back(), (Notice{list_notice::None, {}}));
}

TEST_F(ListBehaviourTest, DoubleClickReportsMinusThreeAndLeavesTheItemCurrent) {
    behaviour.double_click(1);
    EXPECT_EQ(behaviour.current(), 1);
    EXPECT_THAT(notices, ::testing::ElementsAre(Notice{list_notice::DoubleClick, {}}));
}

TEST_F(ListBehaviourTest, DoubleClickOnEmptySpaceReportsMinusOneNotMinusThree) {
    behaviour.double_click(-1);
    EXPECT_EQ(behaviour.current(), -1);
    EXPECT_THAT(notices, ::testing::ElementsAre(Notice{list_notice::None, {}}));
}

TEST_F(ListBehaviourTest, FocusLossReportsMinusTwo) {
    behaviour.focus_out();
    EXPECT_THAT(notices, ::testing::ElementsAre(Notice{list_notice::FocusLost, {}}));
}

TEST_F(ListBehaviourTest, FocusArrivingWithoutSelectionTakesTheFirstItemSilently) {
    behaviour.set_current(2);
    const bool passed_on = behaviour.focus_in();
    EXPECT_TRUE(passed_on);
    EXPECT_EQ(behaviour.current(), 0);
    EXPECT_EQ(view.focused, 0);
    EXPECT_THAT(view.selected, ::testing::ElementsAre(0));
    EXPECT_TRUE(notices.empty());
}

TEST_F(ListBehaviourTest, FocusArrivingWithSelectionTakesTheTopmostSelectedItem) {
    view.selected = {2, 1};
    const bool passed_on = behaviour.focus_in();
    EXPECT_FALSE(passed_on);
    EXPECT_EQ(behaviour.current(), 1);
    EXPECT_EQ(view.focused, 1);
    EXPECT_TRUE(notices.empty());
}

TEST_F(ListBehaviourTest, FocusArrivingInAnEmptyListMovesStraightOn) {
    view.items.clear();
    behaviour.set_current(0);
    EXPECT_FALSE(behaviour.focus_in());
    EXPECT_EQ(behaviour.current(), -1);
    EXPECT_EQ(view.focus_moves_forward, 1);
    EXPECT_EQ(view.focus_moves_back, 0);
    EXPECT_TRUE(notices.empty());
}

TEST_F(ListBehaviourTest, TabMovesForwardAndShiftTabBack) {
    EXPECT_FALSE(behaviour.tab(false));
    EXPECT_FALSE(behaviour.tab(true));
    EXPECT_EQ(view.focus_moves_forward, 1);
    EXPECT_EQ(view.focus_moves_back, 1);
}

TEST_F(ListBehaviourTest, TabWithoutATargetIsLeftToTheView) {
    view.has_next = false;
    EXPECT_TRUE(behaviour.tab(false));
}

TEST_F(ListBehaviourTest, ConfirmingReportsTheFirstSelectedItemWithoutChangingCurrent) {
    behaviour.click(0);
    notices.clear();
    view.selected = {2, 1};
    behaviour.confirm_selection();
    EXPECT_THAT(notices, ::testing::ElementsAre(Notice{1, "月"}));
    EXPECT_EQ(view.focused, 1);
    EXPECT_EQ(behaviour.current(), 0);
}

TEST_F(ListBehaviourTest, ConfirmingWithNothingSelectedDoesNothing) {
    behaviour.confirm_selection();
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(view.focused, -1);
}

TEST(ItemStore, LongTextsAreCutTo255Characters) {
    TextStore store;
    store.append(QString(300, QChar('x')));
    store.append(QString(kMaxItemTextLength, QChar('y')));
    EXPECT_EQ(store.at(0).size(), kMaxItemTextLength);
    EXPECT_EQ(store.at(1).size(), kMaxItemTextLength);
}

TEST(ItemStore, FindAndRemoveTakeTheFirstEqualEntry) {
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

} // namespace
