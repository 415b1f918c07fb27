#pragma once
// What the list controls do with clicks, double clicks, focus and keys, kept apart from the
// item view so that it can be driven without one.
//
// The owner hears of it through one callback, on_select(index, value):
//   index >= 0  the item `index` was chosen; value is its text (a pair list's left text)
//   -1          no item (a click or double click on empty space)
//   -2          the list lost the keyboard focus
//   -3          the current item was double-clicked; the owner reads current()
#include <QString>
#include <functional>

using ListSelectHandler = std::function<void(int index, const QString& value)>;

namespace list_notice {
constexpr int None = -1;
constexpr int FocusLost = -2;
constexpr int DoubleClick = -3;
} // namespace list_notice

// The view as the behaviour sees it.
class ListViewAccess {
  public:
    virtual ~ListViewAccess() = default;
    virtual int item_count() const = 0;
    virtual int first_selected() const = 0; // -1 when nothing is selected
    virtual void select_and_focus(int index) = 0;
    virtual QString selection_text(int index) const = 0;
    // Moves the keyboard focus to the control after (or before) the list; false when there is
    // none.
    virtual bool move_focus(bool backwards) = 0;
};

class ListBehaviour {
  public:
    ListBehaviour(ListViewAccess& view, ListSelectHandler on_select);

    int current() const { return current_; }
    void set_current(int index) { current_ = index; }

    // Mouse (always on). `item` is the item under the pointer, -1 on empty space.
    void click(int item);
    void double_click(int item);

    // Keyboard handling, once installed. Each returns whether the event is passed on to the
    // item view.
    bool focus_in();
    void focus_out();
    bool tab(bool backwards);
    // Enter or Space pressed, or an arrow key released after the view moved the selection.
    void confirm_selection();

  private:
    void notify(int index, const QString& value = {});

    ListViewAccess& view_;
    ListSelectHandler on_select_;
    int current_ = -1;
};
