#include "stroke_order_ex.h"

#include "button.h"
#include "drawing.h"
#include "exercise_framework.h"
#include "glyph_display.h"
#include "kanji_data.h"
#include "scores.h"
#include "sound_cue.h"
#include "stroke_box.h"
#include "stroke_screens.h"
#include "trace.h"

namespace {

const ExerciseWindowLayout kLayout{QSize(360, 497),         475,
                                   QRect(20, 364, 318, 51), QPoint(20, 426),
                                   QPoint(282, 426),        QPoint(287, 464),
                                   QPoint(23, 464)};
constexpr QPoint kHeading(53, 30);
constexpr QPoint kDisplay(50, 50);
constexpr QRect kFeedback(32, 322, 260, 30);

} // namespace

StrokeOrderFeedback::StrokeOrderFeedback(QWidget* parent, int x, int y)
    : SurfaceWidget(parent, kFeedback.width(), kFeedback.height()) {
    setObjectName(QStringLiteral("StrokeOrderEx_Feedback"));
    move(x, y);
    setCursor(Qt::ArrowCursor);
    refresh();
    show();
}

void StrokeOrderFeedback::show_lines(std::vector<PlacedText> lines) {
    lines_ = std::move(lines);
    refresh();
}

void StrokeOrderFeedback::render() {
    draw_lined_background(surface(), 0, 0, width(), height(), true);
    draw_placed(surface(), lines_);
}

StrokeOrderExWindow::StrokeOrderExWindow()
    : ExerciseWindow(ExerciseKind::StrokeOrderExercise, kLayout) {
    setObjectName(QStringLiteral("StrokeOrderExWindow"));
}

StrokeOrderExWindow* StrokeOrderEx_Window() {
    return dynamic_cast<StrokeOrderExWindow*>(open_exercise());
}

void StrokeOrderExWindow::draw_labels(Surface& s) {
    draw_label(s, kHeading.x(), kHeading.y(), QStringLiteral("Kanji Stroke Orders:"), 12,
               LabelTahomaBoldShadow, true);
}

void StrokeOrderExWindow::create_question_controls() {
    display_ = new StrokeBox(this, kDisplay.x(), kDisplay.y(), kExerciseBoxSize, kExerciseBoxSize);
    display_->setObjectName(QStringLiteral("StrokeOrderEx_Display"));
    display_->setCursor(Qt::CrossCursor);
    display_->on_release = [this](int x, int y) { click(int16_t(x), int16_t(y)); };
    display_->show();
    feedback_ = new StrokeOrderFeedback(this, kFeedback.x(), kFeedback.y());
}

void StrokeOrderExWindow::set_up_question() {
    const ExerciseSession& s = session();
    trace("StrokeOrderExLoadKanji %d\n", s.currentKanji);
    found_ = 0;
    session().feedbackState = StrokeOrderAwaiting;
    const KanjiRecord* record = KanjiData_LoadRecord(s.currentKanji);
    character_ = record ? record->Kanji : 0;
    KanjiData_LoadStrokes(s.currentKanji);
    StrokeStarts_Load(starts_, StrokeScreen::Exercise);
    redraw_question();
    redraw_feedback();
}

StrokeOrderQuestion StrokeOrderExWindow::question() const {
    return {found_, session().feedbackState, session().firstAttempt};
}

void StrokeOrderExWindow::store(const StrokeOrderQuestion& q) {
    found_ = q.found;
    session().feedbackState = q.state;
    session().firstAttempt = q.first_attempt;
}

bool StrokeOrderExWindow::on_last_kanji() const {
    const ExerciseSession& s = session();
    return !s.kanjiList.empty() && s.currentKanji == s.kanjiList.back();
}

void StrokeOrderExWindow::click(int x, int y) {
    StrokeOrderQuestion q = question();
    const StrokeOrderClick c = StrokeOrderEx_Judge(q, starts_, x, y, on_last_kanji());
    if (!c.judged) return;
    store(q);
    if (c.hit) redraw_question();
    if (c.complete) show_answer_button()->enable(false);
    PlaySoundCue(c.cue);
    const int kanji = session().currentKanji;
    if (c.write_slot) Scores_SetSlot(kanji, StrokeOrderExercise, 1);
    if (c.reset_scores) Scores_Reset(kanji);
    redraw_feedback();
}

void StrokeOrderExWindow::show_answer() {
    StrokeOrderQuestion q = question();
    if (!StrokeOrderEx_Reveal(q, starts_.stroke_count(), session().on_last())) return;
    store(q);
    show_answer_button()->enable(false);
    redraw_question();
    redraw_feedback();
}

void StrokeOrderExWindow::redraw_question() {
    display_->canvas().draw(
        [&](Surface& s) { DrawExerciseGlyphDisplay(s, character_, starts_, found_); });
    display_->update();
}

// Drawing the line in state 2 with auto-progress on starts the countdown, with Next disabled.
void StrokeOrderExWindow::redraw_feedback() {
    const ExerciseSession& s = session();
    feedback_->show_lines(stroke_order_feedback(s.feedbackState, s.inSequence, s.autoProgress));
    if (s.feedbackState == StrokeOrderComplete && s.autoProgress) {
        next_button()->enable(false);
        start_auto_progress();
    }
}

void StrokeOrderEx_Open(bool in_sequence) {
    OpenExerciseWindow(ExerciseKind::StrokeOrderExercise, in_sequence,
                       [] { return new StrokeOrderExWindow; });
}
