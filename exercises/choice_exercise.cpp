#include "choice_exercise.h"

#include "check_box.h"
#include "choice_panel.h"
#include "drawing.h"
#include "exercise_framework.h"
#include "feedback_strip.h"
#include "group_frame.h"
#include "kanji_source.h"
#include "text_display.h"
#include "trace.h"

namespace {

// The three windows differ only a little: sizes, and the places of the lower controls.
struct ChoiceLayout {
    ExerciseWindowLayout shared;
    int frame_height;
    const char* romaji_caption; // null: no romaji check box
};

ChoiceLayout choice_layout(ChoiceKind kind) {
    switch (kind) {
    case ChoiceKind::Meaning:
        return {{QSize(360, 459), 437, QRect(23, 330, 314, 51), QPoint(23, 392), QPoint(282, 392),
                 QPoint(288, 426), QPoint(23, 426)},
                181,
                nullptr};
    case ChoiceKind::On:
        return {{QSize(360, 471), 449, QRect(23, 328, 320, 51), QPoint(23, 388), QPoint(282, 388),
                 QPoint(290, 438), QPoint(23, 424)},
                179,
                "Display Romaji ON pronunciation"};
    case ChoiceKind::Kun:
        break;
    }
    return {{QSize(360, 467), 445, QRect(23, 328, 320, 51), QPoint(23, 388), QPoint(282, 388),
             QPoint(290, 434), QPoint(23, 424)},
            179,
            "Display Romaji KUN pronunciation"};
}

constexpr QPoint kKanjiDisplay(20, 50);
constexpr QSize kKanjiDisplaySize(320, 60);
constexpr QPoint kFeedback(23, 114);
constexpr QSize kFeedbackSize(305, 16);
constexpr QPoint kFrame(20, 136);
constexpr int kFrameWidth = 320;
constexpr QPoint kPanelInFrame(15, 9);
constexpr QPoint kRomajiBox(23, 442);
constexpr int kCheckBoxMaxWidth = 500;

} // namespace

ChoiceExerciseWindow::ChoiceExerciseWindow(ExerciseKind kind)
    : ExerciseWindow(kind, choice_layout(::choice_kind(kind)).shared),
      choice_kind_(::choice_kind(kind)) {}

void ChoiceExerciseWindow::draw_labels(Surface& s) {
    draw_label(s, 23, 30, QStringLiteral("Multiple Choice Kanji:"), 12, LabelTahomaBoldShadow,
               true);
}

void ChoiceExerciseWindow::create_question_controls() {
    const ChoiceLayout layout = choice_layout(choice_kind_);
    kanji_display_ =
        TextDisplay::create(this, kKanjiDisplay.x(), kKanjiDisplay.y(), kKanjiDisplaySize.width(),
                            kKanjiDisplaySize.height(), QString(), false, -7, 2);
    feedback_ = FeedbackStrip::create(this, surface(), kFeedback.x(), kFeedback.y(),
                                      kFeedbackSize.width(), kFeedbackSize.height());
    frame_ = GroupFrame::create(this, kFrame.x(), kFrame.y(), kFrameWidth, layout.frame_height,
                                QString());
    const QPoint panel_at = kFrame + kPanelInFrame;
    panel_ = ChoicePanel::create(this, panel_at.x(), panel_at.y(), choice_kind_,
                                 [this](int row) { answer_row(row); });
    panel_->set_romaji(session().showRomaji);
    if (layout.romaji_caption)
        romaji_box_ =
            CheckBox::create(this, &surface(), QString::fromLatin1(layout.romaji_caption),
                             kRomajiBox.x(), kRomajiBox.y(), kCheckBoxMaxWidth, 0,
                             session().showRomaji, [this](bool checked) { set_romaji(checked); });
}

void ChoiceExerciseWindow::set_up_question() {
    const ExerciseSession& s = session();
    question_ =
        build_choice_question(choice_kind_, s.currentKanji, s.kanjiCount(), study_data_source());
    trace("ChoiceExLoadKanji %d %d\n", s.currentKanji, question_.correctPosition);
    kanji_display_->set_text(QString(QChar(question_.character)));
    panel_->set_question(question_);
    redraw_feedback();
}

void ChoiceExerciseWindow::redraw_question() {
    panel_->set_answered(session().feedbackState > 0);
}

// Drawing the line in state Correct with auto-progress on starts the countdown.
void ChoiceExerciseWindow::redraw_feedback() {
    const ExerciseSession& s = session();
    feedback_->show_lines(feedback_line(FeedbackStyle::MultipleChoice, s.feedbackState,
                                        s.inSequence, s.autoProgress));
    if (s.feedbackState == Correct && s.autoProgress) start_auto_progress();
}

void ChoiceExerciseWindow::answer_row(int row) {
    HandleAnswer(row == question_.correctPosition);
}

// The right answer and the reading tests stay as they are; only the rows' texts change.
void ChoiceExerciseWindow::set_romaji(bool romaji) {
    session().showRomaji = romaji;
    panel_->set_romaji(romaji);
}
