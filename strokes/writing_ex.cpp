// Opening and closing the stroke order practice window, and its actions as entry points.
#include "writing_ex.h"

#include "learning_list.h"
#include "options.h"
#include "placement.h"
#include "practice_window.h"
#include "pump.h"
#include "shell.h"

#include <QCoreApplication>
#include <QPointer>

namespace {

QPointer<PracticeWindow> open_window;
AnimationClock* animation_clock = nullptr;

void set_main_window_enabled(bool enabled) {
    if (QWidget* main = App_MainWindow()) main->setEnabled(enabled);
}

template <typename Action> void with_window(Action action) {
    if (PracticeWindow* w = open_window) action(*w);
}

} // namespace

PracticeWindow* WritingEx_Window() {
    return open_window.data();
}

void WritingEx_SetAnimationClock(AnimationClock* clock) {
    animation_clock = clock;
}

void WritingEx_Open() {
    if (open_window) return;
    KanjiWindow_Close();
    if (LearningList_RequireNotEmpty()) return;
    auto* w = new PracticeWindow(LearningList_Count(), animation_clock);
    open_window = w;
    // Leaving the program with the window open: its animation must not outlive the program.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, w, [] { WritingEx_Close(); });
    w->move(place_window(get_option_slot(OptPracticeWindowOffset),
                         get_option_slot(OptPracticeWindowOffset + 1), w->width(), w->height(),
                         App_MainWindow()));
    w->load_kanji(0);
    set_main_window_enabled(false);
    MainWindow_SetActive(false);
    w->show();
}

void WritingEx_Close() {
    PracticeWindow* w = open_window;
    if (!w) return;
    open_window = nullptr;
    set_main_window_enabled(true);
    remember_window_offset(w, App_MainWindow(), OptPracticeWindowOffset);
    w->hide();
    pump_messages();
    w->stop_animation();
    pump_messages();
    MainWindow_SetActive(true);
    w->deleteLater();
}

void WritingEx_LoadKanji(int position) {
    with_window([position](PracticeWindow& w) { w.load_kanji(position); });
}

void WritingEx_ShowStrokes() {
    with_window([](PracticeWindow& w) { w.show_strokes(); });
}

void WritingEx_StartAnimation() {
    with_window([](PracticeWindow& w) { w.start_animation(); });
}

void WritingEx_Practice() {
    with_window([](PracticeWindow& w) { w.practice(); });
}

void WritingEx_Restart() {
    with_window([](PracticeWindow& w) { w.restart(); });
}

void WritingEx_Previous() {
    with_window([](PracticeWindow& w) { w.previous(); });
}

void WritingEx_Next() {
    with_window([](PracticeWindow& w) { w.next(); });
}
