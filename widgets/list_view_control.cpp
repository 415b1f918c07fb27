#include "list_view_control.h"

#include "list_view_delegate.h"
#include "list_view_style.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTreeView>
#include <algorithm>
#include <utility>

namespace {

// The item font: "MS Shell Dlg 2", bold, 13 pixels high.
const FontSpec kItemFont{"MS Shell Dlg 2", 13, true};

QPalette white_palette(QPalette p) {
    p.setColor(QPalette::Base, colorref(palette::White));
    p.setColor(QPalette::Window, colorref(palette::White));
    return p;
}

} // namespace

int list_column_width(int inner_width, int inner_height, int items, int scroll_bar_width) {
    const bool all_fit = inner_height >= items * list_style::RowHeight;
    return all_fit ? inner_width : inner_width - scroll_bar_width;
}

ListControl::ListControl(QWidget* parent, QRect frame, QRect view_rect, int columns,
                         ListSelectHandler on_select)
    : SurfaceWidget(parent, frame.width(), frame.height()), model_(*this, columns),
      behaviour_(*this, std::move(on_select)) {
    move(frame.topLeft());
    build_view(view_rect);
}

// The view goes first, without telling the owner that it loses the focus.
ListControl::~ListControl() {
    view_->removeEventFilter(this);
    view_->viewport()->removeEventFilter(this);
    delete view_;
}

void ListControl::build_view(QRect view_rect) {
    view_ = new QTreeView(this);
    view_->setGeometry(view_rect);
    view_->setModel(&model_);
    view_->setItemDelegate(new ListItemDelegate(view_));
    view_->setHeaderHidden(true);
    view_->setRootIsDecorated(false);
    view_->setItemsExpandable(false);
    view_->setUniformRowHeights(true);
    view_->setSortingEnabled(false);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setAllColumnsShowFocus(false); // the delegate outlines the current row itself
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setFrameShape(QFrame::NoFrame);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view_->setMouseTracking(true);
    view_->viewport()->setAttribute(Qt::WA_Hover);
    view_->setPalette(white_palette(view_->palette()));
    view_->setFont(make_font(kItemFont));
    view_->header()->setStretchLastSection(false);
    view_->installEventFilter(this);
    view_->viewport()->installEventFilter(this);
}

bool ListControl::has_multiple_selection() const {
    return view_->selectionModel()->selectedRows().size() > 1;
}

int ListControl::selected_indices(std::vector<int>& out) const {
    out.clear();
    for (const QModelIndex& index : view_->selectionModel()->selectedRows())
        out.push_back(index.row());
    std::sort(out.begin(), out.end());
    return int(out.size());
}

int ListControl::first_selected() const {
    std::vector<int> rows;
    return selected_indices(rows) > 0 ? rows.front() : -1;
}

void ListControl::select_and_focus(int index) {
    const QModelIndex item = model_.index(index, 0);
    if (!item.isValid()) return;
    auto* selection = view_->selectionModel();
    selection->select(item, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selection->setCurrentIndex(item, QItemSelectionModel::NoUpdate);
}

bool ListControl::move_focus(bool backwards) {
    QWidget* target = backwards ? prev_focus_.data() : next_focus_.data();
    if (!target) return false;
    target->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    return true;
}

int ListControl::add_colour(ColorRef colour) {
    palette_.append(int32_t(colour));
    return palette_.count() - 1;
}

void ListControl::set_keyboard(bool on) {
    keyboard_ = on;
}

void ListControl::set_tab_order(QWidget* next, QWidget* prev) {
    next_focus_ = next;
    prev_focus_ = prev;
}

void ListControl::set_right_click(std::function<void(int)> on_right_click) {
    on_right_click_ = std::move(on_right_click);
}

void ListControl::ensure_visible(int index) {
    const QModelIndex item = model_.index(index, 0);
    if (item.isValid()) view_->scrollTo(item);
}

void ListControl::choose(int index) {
    if (!colour_indices_.valid(index)) return;
    view_->selectionModel()->clearSelection();
    select_and_focus(index);
    ensure_visible(index);
    behaviour_.click(index);
}

void ListControl::insert_item() {
    model_.append_row();
}

void ListControl::remove_item(int index) {
    if (!colour_indices_.valid(index)) return;
    const int columns = model_.columnCount();
    model_.remove_row(index, [&] {
        for (int c = 0; c < columns; ++c)
            texts_.remove_at(index * columns);
        colour_indices_.remove_at(index);
    });
}

void ListControl::remove_all_items() {
    model_.remove_all([&] {
        texts_.clear();
        colour_indices_.clear();
    });
}

void ListControl::set_view_drawing(bool on) {
    view_->setUpdatesEnabled(on);
    if (!on) return;
    model_.colours_changed();
    view_->viewport()->update();
}

void ListControl::repaint_frame() {
    refresh();
    model_.colours_changed();
}

int ListControl::item_at(const QMouseEvent* event) const {
    const QPoint pos = event->position().toPoint();
    const QModelIndex item = view_->indexAt(pos);
    return item.isValid() ? item.row() : -1;
}

// Clicks are reported on release, double clicks on the second press; the release that ends a
// double click reports nothing.
bool ListControl::mouse_event(QEvent* event) {
    // The viewport sees every kind of event; only mouse events are looked at.
    const auto* mouse = dynamic_cast<QMouseEvent*>(event);
    if (!mouse) return false;
    switch (event->type()) {
    case QEvent::MouseMove:
        // One click activates an item: the pointer says so over the items.
        view_->viewport()->setCursor(item_at(mouse) >= 0 ? Qt::PointingHandCursor
                                                         : Qt::ArrowCursor);
        break;
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::RightButton && on_right_click_) on_right_click_(item_at(mouse));
        break;
    case QEvent::MouseButtonDblClick:
        if (mouse->button() != Qt::LeftButton) break;
        swallow_next_release_ = true;
        behaviour_.double_click(item_at(mouse));
        break;
    case QEvent::MouseButtonRelease:
        if (mouse->button() != Qt::LeftButton) break;
        if (std::exchange(swallow_next_release_, false)) break;
        behaviour_.click(item_at(mouse));
        break;
    default:
        break;
    }
    return false;
}

// Returns true when the event is not to reach the item view.
bool ListControl::keyboard_event(QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn:
        if (behaviour_.focus_in()) return false;
        view_->viewport()->update();
        return true;
    case QEvent::FocusOut:
        behaviour_.focus_out();
        return false;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            const bool backwards =
                key == Qt::Key_Backtab || (QApplication::keyboardModifiers() & Qt::ShiftModifier);
            return !behaviour_.tab(backwards);
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
            behaviour_.confirm_selection();
        return false;
    }
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat() && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down))
            behaviour_.confirm_selection();
        return false;
    }
    default:
        return false;
    }
}

bool ListControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_->viewport()) return mouse_event(event);
    if (watched == view_ && keyboard_) return keyboard_event(event);
    return QWidget::eventFilter(watched, event);
}
