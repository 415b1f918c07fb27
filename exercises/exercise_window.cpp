#include "exercise_window.h"

#include "button.h"
#include "check_box.h"
#include "drawing.h"
#include "exercise_counter.h"
#include "exercise_framework.h"
#include "exercise_kinds.h"
#include "options.h"
#include "palette.h"
#include "placement.h"
#include "shell.h"

#include <QCloseEvent>

namespace {

int auto_progress_ms = kAutoProgressMs;

constexpr int kFontSize = 12;
constexpr int kCheckBoxMaxWidth = 500;
const char* const kNextHint = "Click to proceed to next Kanji";
const char* const kExitHint = "Click to exit this exercise";

} // namespace

void set_auto_progress_delay(int ms) {
    auto_progress_ms = ms > 0 ? ms : kAutoProgressMs;
}

int auto_progress_delay() {
    return auto_progress_ms;
}

ExerciseWindow::ExerciseWindow(ExerciseKind kind, const ExerciseWindowLayout& layout)
    : FramelessWindow(App_MainWindow(), layout.size.width(), layout.size.height(),
                      QString::fromLatin1(kind_info(kind).title)),
      layout_(layout) {
    session_.kind = kind;
    const ExerciseKindInfo& info = kind_info(kind);
    session_.autoProgress = get_option_slot(info.auto_progress_slot) != 0;
    session_.showRomaji = info.romaji_slot >= 0 && get_option_slot(info.romaji_slot) != 0;
    auto_progress_timer_.setSingleShot(true);
    auto_progress_timer_.setTimerType(Qt::PreciseTimer);
    connect(&auto_progress_timer_, &QTimer::timeout, this, [] { NextKanji(); });
}

ExerciseWindow::~ExerciseWindow() = default;

void ExerciseWindow::build(std::vector<int> kanji_list, bool in_sequence) {
    session_.kanjiList = std::move(kanji_list);
    session_.inSequence = in_sequence;
    const ExerciseKindInfo& info = kind_info(kind());
    move(place_window(get_option_slot(info.offset_slot), get_option_slot(info.offset_slot + 1),
                      width(), height(), App_MainWindow()));
    refresh();
    create_shared_controls();
    create_question_controls();
    const QRect& c = layout_.counter;
    counter_ = ExerciseCounter::create(this, c.x(), c.y(), c.width(), c.height(),
                                       session_.kanjiCount(), GetExcludeCompleted());
}

void ExerciseWindow::create_shared_controls() {
    const ExerciseKindInfo& info = kind_info(kind());
    show_answer_ = Button::create(
        this, layout_.show_answer.x(), layout_.show_answer.y(), QStringLiteral("Show Answer"),
        kFontSize, {}, [] { ShowAnswer(); }, QString::fromLatin1(info.show_answer_hint), -1, 0);
    next_ = Button::create(
        this, layout_.next.x(), layout_.next.y(), QStringLiteral("Next"), kFontSize, {},
        [] { NextKanji(); }, QString::fromLatin1(kNextHint), -1, 0);
    exit_ = Button::create(
        this, layout_.exit.x(), layout_.exit.y(), QStringLiteral("Exit"), kFontSize, {},
        [] { CloseExercise(); }, QString::fromLatin1(kExitHint), -1, 0);
    auto_progress_ = CheckBox::create(
        this, &surface(), QStringLiteral("Automatically progress to next kanji"),
        layout_.auto_progress.x(), layout_.auto_progress.y(), kCheckBoxMaxWidth, 0,
        session_.autoProgress, [this](bool checked) { session_.autoProgress = checked; });
}

void ExerciseWindow::start_auto_progress() {
    auto_progress_timer_.start(auto_progress_ms);
}

void ExerciseWindow::stop_auto_progress() {
    auto_progress_timer_.stop();
}

void ExerciseWindow::show_answer() {
    if (!question_open(session_.feedbackState)) return;
    show_answer_->enable(false);
    session_.firstAttempt = false;
    session_.feedbackState = session_.on_last() ? AnswerShownLast : AnswerShown;
    redraw_question();
    redraw_feedback();
}

void ExerciseWindow::render(Surface& s) {
    draw_lined_background(s, 2, metrics::CaptionBarHeight, s.width() - 2, layout_.background_height,
                          true);
    draw_labels(s);
}

void ExerciseWindow::close_glyph_clicked() {
    CloseExercise();
}

void ExerciseWindow::closeEvent(QCloseEvent* event) {
    if (open_exercise() != this) return FramelessWindow::closeEvent(event);
    event->ignore();
    CloseExercise();
}
