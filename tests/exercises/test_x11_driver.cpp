// The program's side of the end-to-end check on a real X server (tests/e2e/exercises_x11.sh):
// a stand-in main window with the exercise buttons at their places, and the answer of each
// question written to a file so that the script can click right and wrong answers. Skipped
// unless BRUSHWISE_E2E_STATE names that file.
#include "exercise_fixture.h"
#include "grid_question.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTimer>

namespace {

// The main window's exercise buttons (exercises panel at (400, 46)).
void add_exercise_buttons(QWidget* main) {
    struct Entry {
        int y;
        const char* caption;
        std::function<void()> click;
    };
    const Entry entries[] = {
        {61, "Do Exercises to Complete List", [] { AdvanceExerciseSequence(); }},
        {121, "Kanji Meaning Multichoice",
         [] { OpenExercise(ExerciseKind::KanjiMeaningMC, false); }},
        {151, "ON Pronunciation Multichoice",
         [] { OpenExercise(ExerciseKind::OnPronunciationMC, false); }},
        {181, "KUN Pronunciation Multichoice",
         [] { OpenExercise(ExerciseKind::KunPronunciationMC, false); }},
        {211, "Stroke Order Exercise",
         [] { OpenExercise(ExerciseKind::StrokeOrderExercise, false); }},
        {241, "Kanji GridSearch Exercise",
         [] { OpenExercise(ExerciseKind::KanjiGridSearch, false); }},
    };
    for (const Entry& e : entries)
        Button::create(main, 415, 46 + e.y, QString::fromLatin1(e.caption), 12, {}, e.click,
                       QString(), -1, 0);
}

// "kind kanji answer_x answer_y window_x window_y step": the open exercise ("none" without one),
// its right answer as a point of its window, and the sequence step.
QString describe_open_exercise() {
    ExerciseWindow* w = open_exercise();
    if (!w || !w->isVisible())
        return QStringLiteral("none -1 0 0 0 0 %1").arg(ExerciseSequence_Step());
    QPoint answer;
    if (auto* c = dynamic_cast<ChoiceExerciseWindow*>(w))
        answer = c->panel()->geometry().topLeft() +
                 QPoint(100, kChoiceRowHeight * c->question().correctPosition + 16);
    else if (auto* g = dynamic_cast<GridExerciseWindow*>(w))
        answer = g->grid()->geometry().topLeft() +
                 QPoint(40 * g->question().target_column + 20, 40 * g->question().target_row + 20);
    return QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
        .arg(static_cast<int>(w->kind()))
        .arg(w->session().currentKanji)
        .arg(answer.x())
        .arg(answer.y())
        .arg(w->geometry().x())
        .arg(w->geometry().y())
        .arg(ExerciseSequence_Step());
}

// The first kanji whose meaning is too wide for its row, so that its row has a popup.
int kanji_with_long_meaning() {
    const FontSpec font = choice_row_font(ChoiceKind::Meaning, false);
    Surface measure(1, 1);
    for (int k = 1; k <= kKanjiTotal; ++k) {
        const QString meaning = QString::fromStdU16String(KanjiData_LoadRecord(k)->Meaning.text());
        if (measure.text_width(meaning, font) > 400) return k;
    }
    return 1;
}

class X11Driver : public ExerciseTest {};

TEST_F(X11Driver, RunsTheExercisesForTheScript) {
    const QString state_path = qEnvironmentVariable("BRUSHWISE_E2E_STATE");
    if (state_path.isEmpty()) GTEST_SKIP() << "run by tests/e2e/exercises_x11.sh";
    main_window->setWindowTitle(QStringLiteral("Brushwise"));
    main_window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    main_window->move(40, 40);
    main_window->show();
    add_exercise_buttons(main_window);
    set_learning_list(qEnvironmentVariableIsSet("BRUSHWISE_E2E_LONG_MEANING")
                          ? std::vector<int>{kanji_with_long_meaning()}
                          : kanji_with_both_readings(3));
    set_auto_progress_delay(kAutoProgressMs);
    QString last;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const QString now = describe_open_exercise() + QStringLiteral(" ") + folder +
                            QStringLiteral(" ") + QString::number(main_window->isEnabled());
        if (now == last) return;
        last = now;
        QSaveFile f(state_path);
        if (f.open(QIODevice::WriteOnly)) {
            f.write(now.toUtf8() + "\n");
            f.commit();
        }
    });
    poll.start(30);
    QElapsedTimer clock;
    clock.start();
    while (!QFile::exists(state_path + QStringLiteral(".quit")) && clock.elapsed() < 300000)
        QTest::qWait(50);
    EXPECT_LT(clock.elapsed(), 300000) << "the script did not finish";
}

} // namespace
