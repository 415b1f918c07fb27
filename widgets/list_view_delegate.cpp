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

} // namespace

void ListItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    painter->save();
    paint_background(painter, option);
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
