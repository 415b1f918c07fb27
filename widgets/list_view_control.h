#pragma once
// The framed list control that KanjiList and PairList share: a child window that paints its
// own rounded frame on the lined background and hosts a report-style item view (a tree view
// without header) over a model that asks this control for texts and colours on demand.
#include "list_view_behaviour.h"
#include "list_view_model.h"
#include "list_view_store.h"
#include "surface_widget.h"

#include <QPointer>
#include <vector>

class QTreeView;

class ListControl : public SurfaceWidget, protected ListViewAccess, protected ListItemSource {
  public:
    ~ListControl() override;

    int current() const { return behaviour_.current(); }
    bool has_multiple_selection() const;
    // The indices of all selected items, in order; returns their count.
    int selected_indices(std::vector<int>& out) const;
    // Appends a colour to the palette; returns its index.
    int add_colour(ColorRef colour);
    void set_keyboard(bool on);
    void set_tab_order(QWidget* next, QWidget* prev);
    void set_right_click(std::function<void(int item)> on_right_click);
    void ensure_visible(int index);
    // Selects the item alone, scrolls to it and reports it as a click on it would.
    void choose(int index);
    int count() const { return colour_indices_.count(); }

    QTreeView* view() const { return view_; }

  protected:
    ListControl(QWidget* parent, QRect frame, QRect view_rect, int columns,
                ListSelectHandler on_select);

    // The control's half of adding an item: the stores already hold it.
    void insert_item();
    void remove_item(int index);
    void remove_all_items();
    void set_view_drawing(bool on);
    // Re-renders the frame and lets the items take their colours anew.
    void repaint_frame();

    bool redraw_each_add_ = true;
    TextStore texts_;
    ValueStore colour_indices_;
    ValueStore palette_;

    // ListViewAccess
    int item_count() const override { return count(); }
    int first_selected() const override;
    void select_and_focus(int index) override;
    bool move_focus(bool backwards) override;

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build_view(QRect view_rect);
    bool mouse_event(QEvent* event);
    bool keyboard_event(QEvent* event);
    int item_at(const QMouseEvent* event) const;

    ListItemModel model_;
    QTreeView* view_ = nullptr;
    ListBehaviour behaviour_;
    bool keyboard_ = false;
    bool swallow_next_release_ = false; // the release that ends a double click
    QPointer<QWidget> next_focus_;
    QPointer<QWidget> prev_focus_;
    std::function<void(int)> on_right_click_;
};

// The width of a one-column list's column: the list's inner width, less a scroll bar's width
// once the items no longer fit into its height.
int list_column_width(int inner_width, int inner_height, int items, int scroll_bar_width);
