#include "kanji_list.h"

#include "list_view_frame.h"
#include "list_view_style.h"

#include <QStyle>
#include <QTreeView>

namespace {

QRect view_rect(QRect frame) {
    return {5, 6, frame.width() - 12, frame.height() - 24};
}

const FontSpec kFooterFont{"Arial", list_style::FooterSize};

} // namespace

KanjiList* KanjiList::create(QWidget* parent, int x, int y, int w, int h,
                             ListSelectHandler on_select) {
    auto* list = new KanjiList(parent, QRect(x, y, w, h), std::move(on_select));
    list->show();
    return list;
}

KanjiList::KanjiList(QWidget* parent, QRect frame, ListSelectHandler on_select)
    : ListControl(parent, frame, view_rect(frame), 1, std::move(on_select)) {
    palette_.append(int32_t(palette::Navy));
    view()->setColumnWidth(0, frame.width() - 12);
    set_view_drawing(false); // until the first item arrives
    refresh();
}

void KanjiList::add(const QString& text, int colour_index) {
    texts_.append(text);
    colour_indices_.append(colour_index);
    if (redraw_each_add_) set_view_drawing(false);
    insert_item();
    ensure_visible(count() - 1);
    fit_column();
    if (redraw_each_add_) set_view_drawing(true);
}

void KanjiList::fit_column() {
    const int scroll_bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view());
    view()->setColumnWidth(0, list_column_width(width() - 12, height() - 24, count(), scroll_bar));
}

void KanjiList::remove(int index) {
    remove_item(index);
}

void KanjiList::enable(bool flag) {
    enabled_ = flag;
    repaint_frame();
}

QString KanjiList::item_text(int row, int column) const {
    return column == 0 ? texts_.at(row) : QString();
}

ColorRef KanjiList::item_colour(int row, int) const {
    if (!enabled_) return list_style::ItemDisabled;
    return ColorRef(palette_.at(colour_indices_.at(row)));
}

void KanjiList::render() {
    Surface& s = surface();
    draw_list_frame(s, enabled_,
                    enabled_ ? list_style::OutlineEnabled : list_style::OutlineDisabled);
    s.text(12, s.height() - 16, QStringLiteral("Double click kanji for details"), kFooterFont,
           list_style::FooterText);
}
