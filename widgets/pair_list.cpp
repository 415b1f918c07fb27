#include "pair_list.h"

#include "list_view_frame.h"
#include "list_view_style.h"

#include <QTreeView>

namespace {

QRect view_rect(QRect frame) {
    return {5, 6, frame.width() - 12, frame.height() - 12};
}

constexpr int kLeftColumnWidth = 40;
constexpr int kRightColumnWidth = 100;

} // namespace

PairList* PairList::create(QWidget* parent, int x, int y, int w, int h,
                           ListSelectHandler on_select) {
    auto* list = new PairList(parent, QRect(x, y, w, h), std::move(on_select));
    list->show();
    return list;
}

PairList::PairList(QWidget* parent, QRect frame, ListSelectHandler on_select)
    : ListControl(parent, frame, view_rect(frame), 2, std::move(on_select)) {
    palette_.append(int32_t(palette::Navy));
    view()->setColumnWidth(0, kLeftColumnWidth);
    view()->setColumnWidth(1, kRightColumnWidth);
    set_view_drawing(false); // until the first item arrives or set_redraw(1)
    refresh();
}

void PairList::add(const QString& left, const QString& right, int colour_index) {
    texts_.append(left);
    texts_.append(right);
    colour_indices_.append(colour_index);
    if (redraw_each_add_) set_view_drawing(false);
    insert_item();
    if (redraw_each_add_) set_view_drawing(true);
}

void PairList::clear() {
    remove_all_items();
}

void PairList::set_redraw(bool flag) {
    redraw_each_add_ = flag;
    set_view_drawing(flag);
}

void PairList::enable(bool flag) {
    enabled_ = flag;
    repaint_frame();
}

QString PairList::item_text(int row, int column) const {
    return column <= 1 ? texts_.at(2 * row + column) : QString();
}

// The right column is grey unless the item has a colour of its own.
ColorRef PairList::item_colour(int row, int column) const {
    const ColorRef first = ColorRef(palette_.at(0));
    if (!enabled_) return column == 1 ? list_style::PairDisabledSecond : first;
    const int index = colour_indices_.at(row);
    if (index != 0) return ColorRef(palette_.at(index));
    return column == 1 ? list_style::PairSecondColumn : first;
}

// The pair list's frame is always drawn as enabled.
void PairList::render() {
    draw_list_frame(surface(), true, list_style::OutlineEnabled);
}
