#include "list_view_behaviour.h"

#include <utility>

ListBehaviour::ListBehaviour(ListViewAccess& view, ListSelectHandler on_select)
    : view_(view), on_select_(std::move(on_select)) {}

void ListBehaviour::notify(int index, const QString& value) {
    if (on_select_) on_select_(index, value);
}

void ListBehaviour::click(int item) {
    current_ = item;
    if (item < 0)
        notify(list_notice::None);
    else
        notify(item, view_.selection_text(item));
}

void ListBehaviour::double_click(int item) {
    current_ = item;
    notify(item < 0 ? list_notice::None : list_notice::DoubleClick);
}

bool ListBehaviour::focus_in() {
    if (view_.item_count() == 0) {
        current_ = -1;
        view_.move_focus(false);
        return false;
    }
    const int selected = view_.first_selected();
    if (selected >= 0) {
        current_ = selected;
        view_.select_and_focus(selected);
        return false;
    }
    current_ = 0;
    view_.select_and_focus(0);
    return true;
}

void ListBehaviour::focus_out() {
    notify(list_notice::FocusLost);
}

bool ListBehaviour::tab(bool backwards) {
    return !view_.move_focus(backwards);
}

void ListBehaviour::confirm_selection() {
    const int selected = view_.first_selected();
    if (selected < 0) return;
    view_.select_and_focus(selected);
    notify(selected, view_.selection_text(selected));
}
