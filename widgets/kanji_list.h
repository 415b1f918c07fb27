#pragma once
// KanjiList: the framed one-column list of single kanji (the main window's Learning List).
// Items are coloured from a small palette (entry 0 navy); clicks, double clicks, keyboard
// selection and focus loss reach one callback (see list_view_behaviour.h).
#include "list_view_control.h"

class KanjiList : public ListControl {
  public:
    static KanjiList* create(QWidget* parent, int x, int y, int w, int h,
                             ListSelectHandler on_select);

    void add(const QString& text, int colour_index);
    void remove(int index);
    // Shown enabled (navy items, dark lines) or not (pale); the items take the new colours
    // at their next repaint.
    void enable(bool flag);
    bool enabled() const { return enabled_; }
    QString text(int index) const { return texts_.at(index); }

  protected:
    void render() override;
    QString item_text(int row, int column) const override;
    ColorRef item_colour(int row, int column) const override;
    QString selection_text(int index) const override { return texts_.at(index); }

  private:
    KanjiList(QWidget* parent, QRect frame, ListSelectHandler on_select);
    void fit_column();

    bool enabled_ = true;
};
