#include "list_view_model.h"

#include <QBrush>

ListItemModel::ListItemModel(const ListItemSource& source, int columns, QObject* parent)
    : QAbstractItemModel(parent), source_(source), columns_(columns) {}

void ListItemModel::append_row() {
    beginInsertRows({}, rows_, rows_);
    ++rows_;
    endInsertRows();
}

void ListItemModel::remove_row(int row, const std::function<void()>& forget) {
    if (row < 0 || row >= rows_) return;
    beginRemoveRows({}, row, row);
    forget();
    --rows_;
    endRemoveRows();
}

void ListItemModel::remove_all(const std::function<void()>& forget) {
    beginResetModel();
    forget();
    rows_ = 0;
    endResetModel();
}

void ListItemModel::colours_changed() {
    if (rows_ > 0)
        emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1), {Qt::ForegroundRole});
}

QModelIndex ListItemModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || row >= rows_ || column < 0 || column >= columns_) return {};
    return createIndex(row, column);
}

QModelIndex ListItemModel::parent(const QModelIndex&) const {
    return {};
}

int ListItemModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int ListItemModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant ListItemModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return source_.item_text(index.row(), index.column());
    if (role == Qt::ForegroundRole)
        return QBrush(colorref(source_.item_colour(index.row(), index.column())));
    return {};
}

Qt::ItemFlags ListItemModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}
