#include "list_view_delegate.h"

#include "list_view_style.h"

#include <QAbstractItemView>
#include <QPainter>

namespace {

bool view_has_focus(const QStyleOptionViewItem& option) {
    return option.state & QStyle::State_HasFocus || (option.widget && option.widget->hasFocus());
}

void paint_background(QPainter* painter, const QStyleOptionViewItem& option) {
    ColorRef fill = palette::White;
    if (option.state & QStyle::State_Selected)
        fill =
            view_has_focus(option) ? list_style::SelectionFocused : list_style::SelectionUnfocused;
    painter->fillRect(option.rect, colorref(fill));
}

// The current row of a focused list gets a thin outline across all its cells.
void paint_focus(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) {
    const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    if (!view || !view->hasFocus() || view->currentIndex().row() != index.row()) return;
    const QRect r = option.rect;
    painter->setPen(colorref(list_style::FocusOutline));
    painter->drawLine(r.topLeft(), r.topRight());
    painter->drawLine(r.bottomLeft(), r.bottomRight());
    if (index.column() == 0) painter->drawLine(r.topLeft(), r.bottomLeft());
    if (index.column() == index.model()->columnCount() - 1)
        painter->drawLine(r.topRight(), r.bottomRight());
}

} // namespace

void ListItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    painter->save();
    paint_background(painter, option);
    paint_focus(painter, option, index);
    QFont font = option.font;
    font.setUnderline(option.state & QStyle::State_MouseOver);
    painter->setFont(font);
    painter->setPen(index.data(Qt::ForegroundRole).value<QBrush>().color());
    const QRect text_rect = option.rect.adjusted(list_style::TextMargin, 0, -2, 0);
    const QString text = QFontMetrics(font).elidedText(index.data(Qt::DisplayRole).toString(),
                                                       Qt::ElideRight, text_rect.width());
    painter->drawText(text_rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter->restore();
}

QSize ListItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), list_style::RowHeight};
}
