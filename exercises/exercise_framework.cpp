#include "exercise_framework.h"

#include "button.h"
#include "exercise_counter.h"
#include "exercise_kinds.h"
#include "exercise_list.h"
#include "learning_list.h"
#include "message_box.h"
#include "options.h"
#include "placement.h"
#include "pump.h"
#include "scores.h"
#include "shell.h"
#include "sound_cue.h"

#include <QPointer>

namespace {

QPointer<ExerciseWindow> current_exercise;

void set_main_window_enabled(bool enabled) {
    if (QWidget* main = App_MainWindow()) main->setEnabled(enabled);
}

// The end of a close, also for an exercise that never opened because its list was empty.
void finish_close(const ExerciseSession& s) {
    const ExerciseKindInfo& info = kind_info(s.kind);
    if (!s.inSequence) LearningList_Refill();
    if (info.grid_rules) MainWindow_SetActive(true);
    set_option_slot(info.auto_progress_slot, s.autoProgress ? 1 : 0);
    if (info.romaji_slot >= 0) set_option_slot(info.romaji_slot, s.showRomaji ? 1 : 0);
    if (s.inSequence)
        AdvanceExerciseSequence();
    else if (!info.grid_rules)
        MainWindow_SetActive(true);
}

void end_with_empty_list(ExerciseKind kind, bool in_sequence) {
    show_message_box(App_MainWindow(), empty_list_message(kind), MessageOk, -1);
    ExerciseSession s;
    s.kind = kind;
    s.inSequence = in_sequence;
    const ExerciseKindInfo& info = kind_info(kind);
    s.autoProgress = get_option_slot(info.auto_progress_slot) != 0;
    s.showRomaji = info.romaji_slot >= 0 && get_option_slot(info.romaji_slot) != 0;
    finish_close(s);
}

} // namespace

ExerciseWindow* open_exercise() {
    return current_exercise.data();
}

void OpenExerciseWindow(ExerciseKind kind, bool in_sequence,
                        const std::function<ExerciseWindow*()>& make) {
    if (current_exercise) return;
    KanjiWindow_Close();
    if (LearningList_RequireNotEmpty()) return;
    std::vector<int> list = BuildExerciseList(kind);
    if (list.empty()) return end_with_empty_list(kind, in_sequence);
    ExerciseWindow* w = make();
    current_exercise = w;
    w->build(std::move(list), in_sequence);
    LoadExerciseKanji(0);
    set_main_window_enabled(false);
    MainWindow_SetActive(false);
    w->show();
}

void LoadExerciseKanji(int position) {
    ExerciseWindow* w = current_exercise;
    if (!w || position < 0 || position >= w->session().kanjiCount()) return;
    ExerciseSession& s = w->session();
    s.currentIndex = position;
    s.firstAttempt = true;
    w->next_button()->enable(true);
    w->show_answer_button()->enable(true);
    s.currentKanji = s.kanjiList[position];
    w->set_up_question();
    w->counter()->set_current(position + 1);
    if (position + 1 >= s.kanjiCount()) w->next_button()->enable(false);
}

void HandleAnswer(bool right) {
    ExerciseWindow* w = current_exercise;
    if (!w || !question_open(w->session().feedbackState)) return;
    ExerciseSession& s = w->session();
    if (right) {
        if (s.on_last()) {
            PlaySoundCue(CueComplete);
            s.feedbackState = CorrectLast;
        } else {
            PlaySoundCue(CueRight);
            s.feedbackState = Correct;
        }
        if (s.autoProgress && !kind_info(s.kind).grid_rules) w->next_button()->enable(false);
        if (s.firstAttempt) Scores_SetSlot(s.currentKanji, kind_info(s.kind).score_slot, 1);
        w->show_answer_button()->enable(false);
        w->redraw_question();
    } else {
        PlaySoundCue(CueWrong);
        s.feedbackState = Incorrect;
        Scores_Reset(s.currentKanji);
    }
    s.firstAttempt = false;
    w->redraw_feedback();
}

void ShowAnswer() {
    if (ExerciseWindow* w = current_exercise) w->show_answer();
}

void NextKanji() {
    ExerciseWindow* w = current_exercise;
    if (!w) return;
    w->stop_auto_progress();
    ExerciseSession& s = w->session();
    if (s.on_last()) return; // Next is disabled on the last kanji: the list is never passed
    s.currentIndex += 1;
    s.feedbackState = AwaitingAnswer;
    LoadExerciseKanji(s.currentIndex);
}

void CloseExercise() {
    ExerciseWindow* w = current_exercise;
    if (!w) return;
    current_exercise = nullptr;
    w->stop_auto_progress();
    set_main_window_enabled(true);
    remember_window_offset(w, App_MainWindow(), kind_info(w->kind()).offset_slot);
    w->hide();
    pump_messages();
    const ExerciseSession s = w->session();
    w->deleteLater();
    finish_close(s);
}

void Exercises_Abandon() {
    if (ExerciseWindow* w = current_exercise) {
        current_exercise = nullptr;
        w->stop_auto_progress();
        w->hide();
        w->deleteLater();
    }
    ExerciseSequence_Reset();
}
