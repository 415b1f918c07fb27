#pragma once
// PairList: the framed two-column list of a kanji and a second text (its meaning), the search
// results of the Add Word window. Each item keeps its left text at 2i and its right text at
// 2i + 1 in the text store.
#include "list_view_control.h"

class PairList : public ListControl {
  public:
    static PairList* create(QWidget* parent, int x, int y, int w, int h,
                            ListSelectHandler on_select);

    void add(const QString& left, const QString& right, int colour_index);
    void clear();
    // Off before filling the list with many items, on afterwards (which repaints once).
    void set_redraw(bool flag);
    // Disabled items show their left text in palette entry 0 and the right one in grey.
    void enable(bool flag);

  protected:
    void render() override;
    QString item_text(int row, int column) const override;
    ColorRef item_colour(int row, int column) const override;
    QString selection_text(int index) const override { return texts_.at(2 * index); }

  private:
    PairList(QWidget* parent, QRect frame, ListSelectHandler on_select);

    bool enabled_ = true;
};
