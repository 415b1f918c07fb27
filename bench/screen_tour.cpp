#include "screen_tour.h"

#include "add_word_window.h"
#include "detail_windows.h"
#include "draw_kanji_window.h"
#include "example_window.h"
#include "exercise_framework.h"
#include "exercises.h"
#include "kanji_window.h"
#include "main_window.h"
#include "practice_window.h"
#include "review_window.h"
#include "shell.h"
#include "stroke_order_ex.h"
#include "stroke_screens.h"
#include "toolkit.h"
#include "writing_ex.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

QWidget* open_add_word() {
    AddWord_Open();
    return AddWordWindow::instance();
}

void close_add_word() {
    if (AddWordWindow* w = AddWordWindow::instance()) w->close();
    pump_messages();
}

// Through Add Word's "Draw Kanji" button, as the user opens it.
QWidget* open_draw_kanji() {
    AddWordWindow* add_word = static_cast<AddWordWindow*>(open_add_word());
    if (!add_word) return nullptr;
    QTest::mouseClick(add_word->draw_button(), Qt::LeftButton, {}, QPoint(5, 5));
    return DrawKanjiWindow::instance();
}

void close_draw_kanji() {
    if (DrawKanjiWindow* w = DrawKanjiWindow::instance()) w->close();
    pump_messages();
    close_add_word();
}

QWidget* open_review() {
    Review_Open();
    return ReviewWindow::instance();
}

QWidget* open_example_window() {
    QWidget* review = open_review();
    if (!review) return nullptr;
    ExampleWindow_Open(review, 0);
    return ExampleWindow::instance();
}

void close_example_window() {
    ExampleWindow_Close();
    Review_Close();
}

TourScreen exercise(const char* name, ExerciseKind kind) {
    return {name,
            [kind]() -> QWidget* {
                OpenExercise(kind, false);
                return open_exercise();
            },
            [] { CloseExercise(); }};
}

} // namespace

std::vector<TourScreen> screen_tour() {
    return {
        {"main window", [] { return static_cast<QWidget*>(MainWindow::instance()); }, [] {}},
        {"Add Word", open_add_word, close_add_word},
        {"Draw a Kanji", open_draw_kanji, close_draw_kanji},
        {"Kanji Window",
         []() -> QWidget* {
             KanjiWindow_Open(MainWindow::instance(), 0, true);
             return KanjiWindow::instance();
         },
         [] { KanjiWindow_Close(); }},
        {"Example Window", open_example_window, close_example_window},
        exercise("meaning exercise", ExerciseKind::KanjiMeaningMC),
        exercise("ON exercise", ExerciseKind::OnPronunciationMC),
        exercise("KUN exercise", ExerciseKind::KunPronunciationMC),
        exercise("stroke order exercise", ExerciseKind::StrokeOrderExercise),
        exercise("grid exercise", ExerciseKind::KanjiGridSearch),
        {"practice",
         []() -> QWidget* {
             WritingEx_Open();
             return WritingEx_Window();
         },
         [] { WritingEx_Close(); }},
        {"review", open_review, [] { Review_Close(); }},
    };
}

void finish_closing() {
    pump_messages();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

namespace {

struct Tour {
    std::vector<TourScreen> screens = screen_tour();
    size_t at = 0;
    std::vector<std::string> missing;
    std::function<void(const std::string&)> after;
    std::function<void(const std::vector<std::string>&)> done;
};

void tour_step(std::shared_ptr<Tour> tour);

// The screen is up: it paints, and is closed on the next turn of the loop.
void tour_close(std::shared_ptr<Tour> tour) {
    const TourScreen& screen = tour->screens[tour->at];
    screen.close();
    ++tour->at;
    QTimer::singleShot(0, [tour] {
        if (tour->after) tour->after(tour->screens[tour->at - 1].name);
        tour_step(tour);
    });
}

void tour_step(std::shared_ptr<Tour> tour) {
    if (tour->at == tour->screens.size()) {
        if (tour->done) tour->done(tour->missing);
        return;
    }
    const TourScreen& screen = tour->screens[tour->at];
    QWidget* w = screen.open();
    if (!w) tour->missing.push_back(screen.name);
    QTimer::singleShot(0, [tour, w = QPointer<QWidget>(w)] {
        if (w) w->grab();
        tour_close(tour);
    });
}

} // namespace

void tour_every_screen(std::function<void(const std::string&)> after,
                       std::function<void(const std::vector<std::string>&)> done) {
    auto tour = std::make_shared<Tour>();
    tour->after = std::move(after);
    tour->done = std::move(done);
    QTimer::singleShot(0, [tour] { tour_step(tour); });
}
