#pragma once
// Draws one cell of a list control: the text in the colour the model gives, on white or on the
// selection colour, underlined while the pointer is over its row.
#include <QStyledItemDelegate>

class ListItemDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
