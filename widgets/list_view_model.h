#pragma once
// A flat item model that stores nothing of its own: the list control answers every text
// (DisplayRole) and colour (ForegroundRole) when the view asks for it.
#include "surface.h"

#include <QAbstractItemModel>
#include <functional>

// What the model asks its list control.
class ListItemSource {
  public:
    virtual ~ListItemSource() = default;
    virtual QString item_text(int row, int column) const = 0;
    virtual ColorRef item_colour(int row, int column) const = 0;
};

class ListItemModel : public QAbstractItemModel {
  public:
    ListItemModel(const ListItemSource& source, int columns, QObject* parent = nullptr);

    // The rows follow the control's stores; these tell the view what changed.
    void append_row();
    // `forget` drops the row from the control's stores while the view is told of it.
    void remove_row(int row, const std::function<void()>& forget);
    void remove_all(const std::function<void()>& forget);
    void colours_changed(); // repaint every item with the colours the source now gives

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    const ListItemSource& source_;
    int columns_;
    int rows_ = 0;
};
