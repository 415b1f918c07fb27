// Gallery: the splash picture, and the main window over the real data with a word selected (two
// of its exercises passed), hovering "Do Exercises to Complete List", and shown inactive.
#include "exercises.h"
#include "gallery.h"
#include "gallery_sheet.h"
#include "gallery_stage.h"
#include "kanji_data.h"
#include "kanji_list.h"
#include "learning_list.h"
#include "main_window.h"
#include "options.h"
#include "scores.h"
#include "shell.h"
#include "splash.h"
#include "toolkit.h"

#include <QTreeView>

namespace {

void click_row(KanjiList* list, int row) {
    QWidget* viewport = list->view()->viewport();
    const QPoint at = list->view()->visualRect(list->view()->model()->index(row, 0)).center();
    send_mouse(viewport, QEvent::MouseButtonPress, at);
    send_mouse(viewport, QEvent::MouseButtonRelease, at);
}

void splash(Gallery& g) {
    GalleryStudyFolder folder;
    QWidget* owner = g.host(10, 10);
    Splash_Show(owner);
    settle();
    if (QWidget* s = Splash_Window()) g.save("splash", *s);
    Splash_SetMinimumDuration(0);
    Splash_Close();
    Splash_SetMinimumDuration(-1);
}

void main_window(Gallery& g) {
    GalleryStudyFolder folder;
    SetExcludeCompleted(true);
    auto* w = new MainWindow;
    w->build();
    w->move(0, 0);
    w->show();
    const int kanji = LearningList_At(2);
    Scores_SetSlot(kanji, KanjiMeaningMC, 1);
    Scores_SetSlot(kanji, StrokeOrderExercise, 1);
    click_row(w->learning_list(), 2);
    show_hint(9);
    settle(50);
    g.save("main_window", *w);
    MainWindow_SetActive(false);
    settle(50);
    g.save("main_window_inactive", *w);
    delete w;
    SetExcludeCompleted(false);
}

// The first kanji (by number) for which the test holds.
int first_kanji(bool (*test)(const KanjiRecord&)) {
    for (int k = 1; k <= kKanjiTotal; ++k)
        if (test(*KanjiData_LoadRecord(k))) return k;
    return 1;
}

// The summary of words without a KUN or an ON reading (crossed cells), passed partly, and of no
// word at all.
void summaries(Gallery& g) {
    GalleryStudyFolder folder;
    const int no_kun = first_kanji([](const KanjiRecord& r) { return r.hasOn() && !r.hasKun(); });
    const int no_on = first_kanji([](const KanjiRecord& r) { return !r.hasOn() && r.hasKun(); });
    auto* w = new MainWindow;
    w->build();
    w->show();
    LearningList_Append(no_kun);
    w->list_append_kanji(no_kun);
    LearningList_Append(no_on);
    w->list_append_kanji(no_on);
    Scores_SetSlot(no_on, KanjiMeaningMC, 1);
    GallerySheet sheet(2);
    const int rows = w->learning_list()->count();
    click_row(w->learning_list(), rows - 2);
    settle();
    sheet.add(QStringLiteral("no KUN reading"), *w->summary_panel());
    click_row(w->learning_list(), rows - 1);
    settle();
    sheet.add(QStringLiteral("no ON reading, meaning passed"), *w->summary_panel());
    w->show_summary(-1);
    settle();
    sheet.add(QStringLiteral("nothing selected"), *w->summary_panel());
    MainWindow_SetActive(false);
    w->show_summary(rows - 2);
    settle();
    sheet.add(QStringLiteral("no KUN reading, inactive"), *w->summary_panel());
    g.save("main_window_summaries", sheet.image());
    delete w;
}

GalleryRegistration reg_splash("splash", &splash);
GalleryRegistration reg_summaries("main_window_summaries", &summaries);
GalleryRegistration reg_main("main_window", &main_window);

} // namespace
