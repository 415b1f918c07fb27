#include "list_view_store.h"

QString cut_item_text(const QString& text) {
    return text.size() > kMaxItemTextLength ? text.left(kMaxItemTextLength) : text;
}
