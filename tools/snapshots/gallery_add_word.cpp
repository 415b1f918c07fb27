// Gallery: the Add Word window as it opens, and after a search for "water" by meaning with the
// first row selected (its details shown), with one kanji on the Learning List and one completed.
#include "add_word_window.h"
#include "button.h"
#include "edit_box.h"
#include "gallery.h"
#include "gallery_sheet.h"
#include "gallery_stage.h"
#include "learning_list.h"
#include "pair_list.h"
#include "scores.h"
#include "shell.h"

#include <QLineEdit>
#include <QTreeView>

namespace {

void click(QWidget* w, QPoint at) {
    send_mouse(w, QEvent::MouseButtonPress, at);
    send_mouse(w, QEvent::MouseButtonRelease, at);
}

void add_word(Gallery& g) {
    GalleryStudyFolder folder;
    Scores_Open();
    Scores_SetSlot(428, CompletedFlag, 1); // 湯: completed, listed grey
    Scores_SetSlot(44, KanjiMeaningMC, 1); // 水: meaning passed
    LearningList_Clear();
    LearningList_Append(44); // 水: on the list, listed blue
    QWidget* main = g.host(672, 499);
    Shell_Install(main, {});
    AddWordWindow::reset_search_mode();
    settle();

    AddWordWindow::open();
    AddWordWindow* w = AddWordWindow::instance();
    settle(50);
    g.save("add_word_opened", *w);

    w->search_field()->edit()->setText(QStringLiteral("water"));
    click(w->search_button(), QPoint(5, 5));
    QTreeView* view = w->results()->view();
    click(view->viewport(), view->visualRect(view->model()->index(0, 0)).center());
    settle(50);
    g.save("add_word_water", *w);
    w->close();
    settle();
    LearningList_Clear();
    Shell_Install(nullptr, {});
}

GalleryRegistration reg("add_word", &add_word);

} // namespace
