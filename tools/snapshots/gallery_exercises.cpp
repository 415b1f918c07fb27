// Gallery: the three multiple-choice exercises and the kanji grid search, each open, answered
// right (with the countdown), answered wrong and after Show Answer; a long meaning shortened with
// its popup.
#include "choice_exercise.h"
#include "choice_panel.h"
#include "exercise_framework.h"
#include "gallery.h"
#include "gallery_sheet.h"
#include "gallery_stage.h"
#include "grid_exercise.h"
#include "grid_panel.h"
#include "kanji_data.h"
#include "learning_list.h"
#include "options.h"
#include "random.h"
#include "scores.h"
#include "shell.h"
#include "sound_cue.h"

#include <QPainter>

namespace {

// The stage with the countdown held on screen.
class ExerciseStage : public GalleryStage {
  public:
    explicit ExerciseStage(Gallery& g) : GalleryStage(g) { set_auto_progress_delay(3600 * 1000); }
    ~ExerciseStage() {
        Exercises_Abandon();
        settle();
        set_auto_progress_delay(0);
    }
};

void open(ExerciseKind kind, std::vector<int> list, int seed) {
    LearningList_Clear();
    for (int k : list)
        LearningList_Append(k);
    random_seed(seed);
    OpenExercise(kind, false);
    settle();
}

void shoot(Gallery& g, const QString& name) {
    settle();
    g.save(name, *open_exercise());
}

void click(QWidget* w, QPoint at) {
    send_mouse(w, QEvent::MouseMove, at);
    send_mouse(w, QEvent::MouseButtonPress, at);
    send_mouse(w, QEvent::MouseButtonRelease, at);
}

void answer_choice(bool right) {
    auto* w = static_cast<ChoiceExerciseWindow*>(open_exercise());
    const int row = (w->question().correctPosition + (right ? 0 : 2)) % 5;
    click(w->panel(), QPoint(100, 32 * row + 16));
}

void answer_grid(bool right) {
    auto* w = static_cast<GridExerciseWindow*>(open_exercise());
    const GridQuestion& q = w->question();
    const int column = (q.target_column + (right ? 0 : 4)) % kGridColumns;
    click(w->grid(), QPoint(40 * column + 20, 40 * q.target_row + 20));
}

// One exercise in its four states; auto-progress on for the right answer.
void four_states(Gallery& g, ExerciseKind kind, const QString& name, void (*answer)(bool),
                 int auto_progress_slot) {
    const std::vector<int> list{1, 2, 3, 4, 5, 6, 7, 8};
    set_option_slot(auto_progress_slot, 1);
    open(kind, list, 3);
    shoot(g, name + QStringLiteral("_open"));
    answer(true);
    shoot(g, name + QStringLiteral("_right"));
    Exercises_Abandon();
    open(kind, list, 3);
    answer(false);
    shoot(g, name + QStringLiteral("_wrong"));
    ShowAnswer();
    shoot(g, name + QStringLiteral("_shown"));
    Exercises_Abandon();
    set_option_slot(auto_progress_slot, 0);
}

// The window with its popup where it stands on screen (the popup may reach beyond the window).
QImage with_popup(QWidget& window, QWidget* popup) {
    const QImage shot = window.grab().toImage();
    if (!popup) return shot;
    const QRect area = window.geometry().united(popup->geometry());
    QImage both(area.size(), QImage::Format_RGB32);
    both.fill(Qt::white);
    QPainter p(&both);
    p.drawImage(window.pos() - area.topLeft(), shot);
    p.drawImage(popup->pos() - area.topLeft(), popup->grab().toImage());
    return both;
}

void long_meaning(Gallery& g) {
    int kanji = 0;
    for (int k = 1; k <= kKanjiTotal && !kanji; ++k)
        if (KanjiData_LoadRecord(k)->Meaning.count > 40) kanji = k;
    open(ExerciseKind::KanjiMeaningMC, {kanji}, 5);
    auto* w = static_cast<ChoiceExerciseWindow*>(open_exercise());
    const int row = w->question().correctPosition;
    send_mouse(w->panel(), QEvent::MouseMove, QPoint(100, 32 * row + 16));
    settle();
    g.save(QStringLiteral("exercise_meaning_long_popup"), with_popup(*w, w->panel()->popup()));
    Exercises_Abandon();
}

void exercises(Gallery& g) {
    ExerciseStage stage(g);
    four_states(g, ExerciseKind::KanjiMeaningMC, QStringLiteral("exercise_meaning"), answer_choice,
                OptAutoProgressMeaning);
    four_states(g, ExerciseKind::OnPronunciationMC, QStringLiteral("exercise_on"), answer_choice,
                OptAutoProgressOn);
    set_option_slot(OptRomajiOn, 1);
    open(ExerciseKind::OnPronunciationMC, {1, 2, 3, 4, 5}, 3);
    shoot(g, QStringLiteral("exercise_on_romaji"));
    Exercises_Abandon();
    four_states(g, ExerciseKind::KunPronunciationMC, QStringLiteral("exercise_kun"), answer_choice,
                OptAutoProgressKun);
    four_states(g, ExerciseKind::KanjiGridSearch, QStringLiteral("exercise_grid"), answer_grid,
                OptAutoProgressGrid);
    set_option_slot(OptRomajiGrid, 1);
    for (int seed = 1; seed < 40; ++seed) {
        open(ExerciseKind::KanjiGridSearch, {1, 2, 3, 4, 5}, seed);
        if (static_cast<GridExerciseWindow*>(open_exercise())->question().clue_kind != ClueMeaning)
            break;
        Exercises_Abandon();
    }
    shoot(g, QStringLiteral("exercise_grid_romaji_clue"));
    Exercises_Abandon();
    long_meaning(g);
}

GalleryRegistration reg("exercises", &exercises);

} // namespace
