#include "practice_window.h"

#include "button.h"
#include "drawing.h"
#include "exercise_counter.h"
#include "feedback_panel.h"
#include "kanji_data.h"
#include "learning_list.h"
#include "practice_drawing.h"
#include "pump.h"
#include "shell.h"
#include "sound_cue.h"
#include "stroke_animation.h"
#include "stroke_box.h"
#include "stroke_drawing.h"
#include "writing_ex.h"

#include <QCloseEvent>
#include <QMouseEvent>

namespace {

constexpr int kBackgroundHeight = 445;
constexpr QPoint kBox(20, 56);
constexpr QPoint kPanel(298, 56);
constexpr QRect kCounter(298, 366, 220, 51);
constexpr QPoint kStrokesHeading(23, 36);
constexpr QPoint kFeedbackHeading(301, 36);
constexpr ColorRef kLinkColour = RGB(0, 0, 164);
const char* const kHelpPage = "help/stroke_help.htm";

FontSpec link_font() {
    return {QStringLiteral("Arial"), 10, false, false, true};
}

} // namespace

PracticeFeedbackPanel::PracticeFeedbackPanel(QWidget* parent, int x, int y,
                                             const PracticeChecker& checker)
    : SurfaceWidget(parent, kFeedbackPanelWidth, kFeedbackPanelHeight), checker_(checker) {
    setObjectName(QStringLiteral("WritingEx_FeedBack"));
    move(x, y);
    setCursor(Qt::ArrowCursor);
    refresh();
    show();
}

void PracticeFeedbackPanel::render() {
    DrawFeedbackPanel(surface(), checker_.feedback(), checker_.practice_mode(), kanji_);
}

PracticeWindow::PracticeWindow(int list_length, AnimationClock* clock)
    : FramelessWindow(App_MainWindow(), kWidth, kHeight,
                      QStringLiteral("Stroke Order Practice Exercise")),
      list_length_(list_length), cursors_(PracticeCursors_Load()) {
    setObjectName(QStringLiteral("WritingExWindow"));
    refresh();
    create_buttons();
    create_box();
    panel_ = new PracticeFeedbackPanel(this, kPanel.x(), kPanel.y(), checker_);
    counter_ = ExerciseCounter::create(this, kCounter.x(), kCounter.y(), kCounter.width(),
                                       kCounter.height(), list_length_, false);
    previous_->enable(false);
    animation_ = std::make_unique<StrokeAnimation>(AnimationFlavour::Practice,
                                                   animation_host(box_, animate_), clock);
}

PracticeWindow::~PracticeWindow() = default;

void PracticeWindow::create_buttons() {
    auto button = [this](int x, int y, const char* caption, const char* explanation,
                         void (*action)()) {
        return Button::create(this, x, y, QString::fromLatin1(caption), 12, {}, action,
                              QString::fromLatin1(explanation), 0, 0);
    };
    show_ = button(20, 330, "Show Stroke Order", "Show Strokes", &WritingEx_ShowStrokes);
    animate_ =
        button(20, 362, "Animation Strokes", "Start Stroke Animation", &WritingEx_StartAnimation);
    practise_ = button(20, 394, " Practice Strokes ", "Practice Strokes", &WritingEx_Practice);
    restart_ = button(298, 330, "Restart Practice", "Restart Practice", &WritingEx_Restart);
    exit_ = button(20, 434, " Exit ", "Click to exit this exercise", &WritingEx_Close);
    previous_ = button(301, 430, "Previous", "Go to Previous Kanji", &WritingEx_Previous);
    next_ = button(464, 430, "Next", "Go to next Kanji", &WritingEx_Next);
}

void PracticeWindow::create_box() {
    box_ = new StrokeBox(this, kBox.x(), kBox.y(), kPracticeBoxSize, kPracticeBoxSize);
    box_->setObjectName(QStringLiteral("WritingEx_PracticeWindow"));
    box_->setCursor(cursors_.idle);
    box_->on_press = [this](int x, int y) { box_press(int16_t(x), int16_t(y)); };
    box_->on_move = [this](int x, int y) { box_move(int16_t(x), int16_t(y)); };
    box_->on_release = [this](int x, int y) { box_release(int16_t(x), int16_t(y)); };
    box_->canvas().draw([this](Surface& s) { DrawTracingTemplate(s, strokes_); });
    box_->show();
}

void PracticeWindow::render(Surface& s) {
    draw_lined_background(s, 2, 20, s.width() - 2, kBackgroundHeight, true);
    draw_label(s, kStrokesHeading.x(), kStrokesHeading.y(), QStringLiteral("Kanji Stroke Orders:"),
               12, LabelTahomaBoldShadow, true);
    draw_label(s, kFeedbackHeading.x(), kFeedbackHeading.y(),
               QStringLiteral("Feedback and Instructions:"), 12, LabelTahomaBoldShadow, true);
    s.text(kLinkRect.x(), kLinkRect.y(), QStringLiteral("Stroke Order Tips"), link_font(),
           kLinkColour);
}

// Only while no animation draws into the canvas.
void PracticeWindow::draw_box(void (*draw)(Surface&, const StrokeSet&)) {
    box_->canvas().draw([&](Surface& s) { draw(s, strokes_); });
    box_->update();
}

void PracticeWindow::stop_animation() {
    StrokeAnimation_Stop(*animation_);
}

// The kanji-loaded reset: the strokes shown, the instructions page, no attempt going on.
void PracticeWindow::load_kanji(int position) {
    stop_animation();
    restart_->attention(false);
    restart_->enable(false);
    show_->hold(-1);
    animate_->hold(0);
    practise_->hold(0);
    position_ = position;
    kanji_ = LearningList_At(position);
    const KanjiRecord* record = KanjiData_LoadRecord(kanji_);
    character_ = record ? record->Kanji : 0;
    KanjiData_LoadStrokes(kanji_);
    StrokeSet_Load(strokes_, StrokeScreen::Practice);
    checker_.load_kanji(strokes_);
    draw_box(&DrawShownStrokes);
    panel_->set_kanji(character_);
    panel_->refresh();
}

// A disabled Restart Practice no longer blinks.
void PracticeWindow::disable_restart() {
    restart_->attention(false);
    restart_->enable(false);
}

void PracticeWindow::leave_practice_mode() {
    disable_restart();
    practise_->hold(0);
    checker_.leave_practice();
    panel_->refresh();
}

void PracticeWindow::show_strokes() {
    if (checker_.practice_mode())
        leave_practice_mode();
    else
        stop_animation();
    show_->hold(-1);
    draw_box(&DrawShownStrokes);
}

void PracticeWindow::start_animation() {
    if (checker_.practice_mode())
        leave_practice_mode();
    else
        show_->hold(0);
    if (animation_->running()) return;
    StrokeAnimation_Start(*animation_, strokes_); // holds "Animation Strokes" while it runs
}

void PracticeWindow::practice() {
    stop_animation();
    show_->hold(0);
    practise_->hold(-1);
    checker_.start_practice();
    draw_box(&DrawTracingTemplate);
    panel_->refresh();
}

void PracticeWindow::restart() {
    checker_.restart();
    draw_box(&DrawTracingTemplate);
    panel_->refresh();
    disable_restart();
}

void PracticeWindow::show_position() {
    counter_->set_current(position_ + 1);
    previous_->enable(position_ > 0);
    next_->enable(position_ < list_length_ - 1);
}

void PracticeWindow::previous() {
    if (position_ <= 0) return;
    load_kanji(position_ - 1);
    show_position();
}

void PracticeWindow::next() {
    if (position_ >= list_length_ - 1) return;
    load_kanji(position_ + 1);
    show_position();
}

void PracticeWindow::box_press(int x, int y) {
    apply(checker_.press(x, y));
}

void PracticeWindow::box_move(int x, int y) {
    apply(checker_.move(x, y));
}

void PracticeWindow::box_release(int x, int y) {
    apply(checker_.release(x, y));
}

// In the checker's order: cursor, box drawings and repaint, panel, cues, Restart Practice, and
// last the pump, which may run further moves before this returns.
void PracticeWindow::apply(const PracticeEffects& fx) {
    if (const QCursor* cursor = cursors_.for_request(fx.cursor)) box_->setCursor(*cursor);
    if (fx.dot || fx.ink || fx.finished_through >= 0 || fx.corner_pixel)
        box_->canvas().draw([&](Surface& s) { DrawPracticeEffects(s, strokes_, fx); });
    if (fx.repaint_box) box_->update();
    if (fx.feedback_changed) panel_->refresh();
    for (int cue : fx.cues)
        PlaySoundCue(cue);
    if (fx.restart_enabled) restart_->enable(true);
    if (fx.restart_attention) restart_->attention(true);
    if (fx.pump) pump_messages();
}

void PracticeWindow::set_link_hovered(bool hovered) {
    if (hovered == link_hovered_) return;
    link_hovered_ = hovered;
    setCursor(hovered ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void PracticeWindow::unclaimed_mouse_move(QPoint point) {
    set_link_hovered(kLinkRect.contains(point));
}

void PracticeWindow::leaveEvent(QEvent* event) {
    set_link_hovered(false);
    FramelessWindow::leaveEvent(event);
}

void PracticeWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (caption_bar().mouse_up(event->position().toPoint()) == 1) return close_glyph_clicked();
    if (link_hovered_) open_help_page(QString::fromLatin1(kHelpPage));
}

void PracticeWindow::close_glyph_clicked() {
    WritingEx_Close();
}

void PracticeWindow::closeEvent(QCloseEvent* event) {
    if (WritingEx_Window() != this) return FramelessWindow::closeEvent(event);
    event->ignore();
    WritingEx_Close();
}
