// Gallery: the Learning List and the search results, with colours, selections and hover, and
// the Learning List disabled and overflowing.
#include "gallery.h"
#include "kanji_list.h"
#include "pair_list.h"

#include <QApplication>
#include <QHoverEvent>
#include <QTreeView>

namespace {

const char* const kKanji[] = {"一", "右", "雨", "円", "王", "音", "下", "火", "花", "貝",
                              "学", "気", "九", "休", "玉", "金", "空", "月", "犬", "見"};
const char* const kMeanings[] = {"one",          "right",       "rain", "circle, yen", "king, rule",
                                 "sound, noise", "below, down", "fire", "flower",      "shellfish"};

void select_rows(ListControl* list, std::initializer_list<int> rows) {
    for (int row : rows)
        list->view()->selectionModel()->select(list->view()->model()->index(row, 0),
                                               QItemSelectionModel::Select |
                                                   QItemSelectionModel::Rows);
}

// The view underlines the row under the pointer.
void hover_row(ListControl* list, int row) {
    QWidget* viewport = list->view()->viewport();
    const QPointF at = list->view()->visualRect(list->view()->model()->index(row, 0)).center();
    QHoverEvent enter(QEvent::HoverEnter, at, at, QPointF(-1, -1));
    QApplication::sendEvent(viewport, &enter);
    QHoverEvent move(QEvent::HoverMove, at, at, at);
    QApplication::sendEvent(viewport, &move);
}

KanjiList* learning_list(QWidget* host, int x, int count) {
    KanjiList* list = KanjiList::create(host, x, 20, 160, 231, nullptr);
    const int red = list->add_colour(0x0000ff);
    for (int i = 0; i < count; ++i)
        list->add(QString::fromUtf8(kKanji[i]), i == 3 ? red : 0);
    list->ensure_visible(0);
    return list;
}

PairList* search_results(QWidget* host, int x) {
    PairList* list = PairList::create(host, x, 20, 200, 231, nullptr);
    list->add_colour(0xa5a5a5);
    list->add_colour(0x800000);
    list->add_colour(0xdc0000);
    for (int i = 0; i < 10; ++i)
        list->add(QString::fromUtf8(kKanji[i]), kMeanings[i], i < 3 ? i + 1 : 0);
    return list;
}

void lists(Gallery& g) {
    QWidget* host = g.host(640, 271);
    KanjiList* kanji = learning_list(host, 20, 10);
    select_rows(kanji, {1, 4, 5});
    kanji->set_keyboard(true);
    hover_row(kanji, 7);
    PairList* pairs = search_results(host, 200);
    select_rows(pairs, {4});
    hover_row(pairs, 6);
    KanjiList* overflowing = learning_list(host, 420, 20);
    select_rows(overflowing, {0});
    host->activateWindow();
    kanji->view()->setFocus();
    QApplication::processEvents();
    g.save("lists", *host);

    QWidget* disabled_host = g.host(200, 271);
    KanjiList* disabled = learning_list(disabled_host, 20, 10);
    select_rows(disabled, {2});
    disabled->enable(false);
    QApplication::processEvents();
    g.save("lists_disabled", *disabled_host);
}

GalleryRegistration reg("lists", &lists);

} // namespace
