#include "main_window.h"

#include "app_exit.h"
#include "detail_windows.h"
#include "exercises.h"
#include "kanji_data.h"
#include "main_window_panels.h"
#include "scores.h"
#include "stroke_screens.h"
#include "summary_strip.h"
#include "toolkit.h"

#include <QCloseEvent>
#include <QPointer>

namespace {

// Draws the panel once in the look asked for: a change of look draws it, else it is redrawn.
void draw_in_look(Panel* panel, bool active) {
    if (panel->active() == active)
        panel->refresh();
    else
        panel->set_active(active);
}

QPointer<MainWindow>& the_main_window() {
    static QPointer<MainWindow> w;
    return w;
}

struct ExerciseButton {
    int y;
    const char* caption;
    const char* explanation;
    int hint;
    ColorRef swatch;
    void (*open)();
};

template <ExerciseKind kind> void open_exercise() {
    OpenExercise(kind, false);
}

// The exercises panel's buttons, top to bottom; hints 8 to 15.
constexpr ExerciseButton kExerciseButtons[] = {
    {31, "Review Learning List Kanji", "Click to review all kanji in the Learning List", 8,
     0xd2d2d2, &Review_Open},
    {61, "Do Exercises to Complete List",
     "Click to start all exercises required to graduate all kanji in the Learning List", 9,
     0xd2d2d2, &AdvanceExerciseSequence},
    {121, "Kanji Meaning Multichoice", "Click to start the Kanji Meaning Multichoice exercise", 10,
     0x7878d2, &open_exercise<ExerciseKind::KanjiMeaningMC>},
    {151, "ON Pronunciation Multichoice",
     "Click to start the ON Pronunciation Multichoice exercise", 11, 0x78d278,
     &open_exercise<ExerciseKind::OnPronunciationMC>},
    {181, "KUN Pronunciation Multichoice",
     "Click to start the KUN Pronunciation Multichoice exercise", 12, 0xd27878,
     &open_exercise<ExerciseKind::KunPronunciationMC>},
    {211, "Stroke Order Exercise", "Click to start the Stroke Order exercise", 13, 0x4c92ff,
     &open_exercise<ExerciseKind::StrokeOrderExercise>},
    {241, "Kanji GridSearch Exercise", "Click to start the Kanji GridSearch exercise", 14, 0xeaeab2,
     &open_exercise<ExerciseKind::KanjiGridSearch>},
    {301, "Stroke Order Practice", "Click to start the Stroke Order Practice", 15, 0xd2d2d2,
     &WritingEx_Open},
};

constexpr int kHintGeneral = 1;
constexpr int kHintAddWord = 2;
constexpr int kHintRemoveWord = 3;
constexpr int kHintZeroScore = 4;
constexpr int kHintStatus = 6;
constexpr int kHintSummary = 7;
constexpr int kHintExclude = 16;
constexpr int kHintExit = 17;
constexpr ColorRef kUnusedRed = 0x0000ff; // palette entry 1 of the list; no row uses it

QString kanji_text(int kanji) {
    const KanjiRecord* r = KanjiData_LoadRecord(kanji);
    return r && r->Kanji ? QString(QChar(r->Kanji)) : QString();
}

StripKanji strip_kanji(const KanjiRecord& r, const std::array<uint32_t, 10>& scores) {
    StripKanji k;
    k.present = r.Kanji != 0;
    k.has_on = r.hasOn();
    k.has_kun = r.hasKun();
    std::copy_n(scores.begin(), kScoredExercises, k.scores.begin());
    return k;
}

} // namespace

MainWindow::MainWindow()
    : FramelessWindow(nullptr, kWidth, kHeight, QStringLiteral("Brushwise"), true) {
    setObjectName(QStringLiteral("Brushwise"));
    the_main_window() = this;
    Shell_Install(this, {});
    refresh();
}

MainWindow::~MainWindow() {
    drop_focus();
    if (the_main_window() == this) {
        StudyLists_SetView(nullptr);
        set_hint_handler({});
        Shell_Install(nullptr, {});
    }
}

MainWindow* MainWindow::instance() {
    return the_main_window().data();
}

void MainWindow::install_operations() {
    ShellOperations ops;
    ops.set_active = [this](bool a) { set_active(a); };
    ops.list_append_kanji = [this](int k) { list_append_kanji(k); };
    ops.list_remove_row = [this](int p) { list_remove_row(p); };
    ops.refresh_status = [this] { refresh_status(); };
    install_detail_window_operations(ops);
    Shell_Install(this, std::move(ops));
    StudyLists_SetView(this);
    set_hint_handler([this](int topic) { show_hint_topic(topic); });
}

void MainWindow::build() {
    if (built()) return;
    exit_ = Button::create(
        this, 600, 448, QStringLiteral("Exit"), 12, {}, [] { App_Exit(); },
        QStringLiteral("Click to exit Brushwise"), kHintExit, 0);
    CompletedList_Load();
    Scores_Open();
    build_list_view();
    list_->ensure_visible(0);
    build_status_panel();
    build_summary_panel();
    build_exercises_panel();
    build_help_panel();
    build_list_management();
    install_operations();
    refresh();
}

bool MainWindow::at_rest() const {
    return built() && isVisible() && active_ && isEnabled() && !leaving_;
}

void MainWindow::bring_forward() {
    if (!isVisible() || leaving_) return; // still starting, or on the way out
    showNormal();
    raise();
    activateWindow();
}

void MainWindow::build_list_view() {
    list_ = KanjiList::create(this, 20, 46, 160, 231,
                              [this](int index, const QString&) { on_list_select(index); });
    list_->set_keyboard(true);
    list_->add_colour(kUnusedRed);
    LearningList_Load();
    summary_position_ = -1;
    for (int p = 0; p < LearningList_Count(); ++p)
        list_->add(kanji_text(LearningList_At(p)), 0);
}

void MainWindow::build_status_panel() {
    status_ = Panel::create(this, 200, 46, 180, 81, {},
                            [this](Surface& s) {
                                const StatusCounts counts{
                                    LearningList_Count(),
                                    static_cast<int>(CompletedList_AvailableCount()),
                                    static_cast<int>(CompletedList_CompletedCount())};
                                paint_status_panel(s, counts, status_ ? status_->active() : true);
                            },
                            {});
    status_->set_hint_id(kHintStatus);
    status_->refresh();
}

void MainWindow::build_summary_panel() {
    paint_strip(strip_, strip_kanji(summary_record_, summary_slots_), true);
    summary_ = Panel::create(this, 200, 158, 180, 119, {},
                             [this](Surface& s) {
                                 paint_summary_panel(s, summary_record_, strip_, App_JapaneseFace(),
                                                     summary_ ? summary_->active() : true);
                             },
                             {});
    summary_->set_hint_id(kHintSummary);
    summary_->refresh();
}

void MainWindow::build_exercises_panel() {
    exercises_ =
        Panel::create(this, 400, 46, 250, 387, {},
                      [this](Surface& s) {
                          paint_exercise_headings(s, exercises_ ? exercises_->active() : true);
                      },
                      {});
    exercises_->refresh();
    for (const ExerciseButton& b : kExerciseButtons) {
        Button* button =
            Button::create(exercises_, 15, b.y, QString::fromLatin1(b.caption), 12, {}, b.open,
                           QString::fromLatin1(b.explanation), b.hint, b.swatch);
        button->set_style(true);
        exercise_buttons_.push_back(button);
    }
    exclude_box_ = CheckBox::create(
        exercises_, &exercises_->surface(),
        QStringLiteral("Exclude completed Kanji from Individual Exercises"), 15, 347, 210, 0,
        GetExcludeCompleted(), [](bool checked) { SetExcludeCompleted(checked); });
    exclude_box_->set_hint_id(kHintExclude);
}

void MainWindow::build_help_panel() {
    hint_text_ = load_help_topic(hint_topic_);
    help_ =
        Panel::create(this, 200, 308, 180, 125, {},
                      [this](Surface& s) { paint_help_panel(s, hint_text_, hints_enabled_); }, {});
    help_->refresh();
}

void MainWindow::build_list_management() {
    list_frame_ = GroupFrame::create(this, 20, 308, 160, 125, {});
    add_word_ = Button::create(
        this, 32, 324, QStringLiteral("Add Word to List"), 12, {}, [] { AddWord_Open(); },
        QStringLiteral("Click to Add a Word to the Learning List"), kHintAddWord, 0);
    remove_word_ = Button::create(
        this, 32, 356, QStringLiteral("Remove Word"), 12, {},
        [this] {
            remove_word();
            enable_row_commands(false);
        },
        QStringLiteral("Click to Remove the selected word(s) from the Learning List"),
        kHintRemoveWord, 0);
    zero_score_ = Button::create(
        this, 32, 388, QStringLiteral("Zero Word Score"), 12, {}, [this] { zero_word_score(); },
        QStringLiteral("Click to Zero the Score of the selected Word"), kHintZeroScore, 0);
    enable_row_commands(false);
}

void MainWindow::enable_row_commands(bool flag) {
    remove_word_->enable(flag);
    zero_score_->enable(flag);
}

Button* MainWindow::button(const QString& caption) const {
    for (Button* b : findChildren<Button*>())
        if (b->caption() == caption) return b;
    return nullptr;
}

void MainWindow::on_list_select(int index) {
    if (!active_) return; // another screen is open: the list does not respond
    if (index > -2) {
        show_summary(index);
        enable_row_commands(index != -1);
    } else if (index == list_notice::DoubleClick) {
        KanjiWindow_Open(this, list_->current(), true);
    }
}

void MainWindow::show_summary(int position) {
    load_summary(position);
    if (summary_) summary_->refresh();
}

void MainWindow::load_summary(int position) {
    summary_position_ = position;
    const KanjiRecord* record = KanjiData_LoadRecord(LearningList_At(position));
    if (record) {
        summary_record_ = *record;
        const uint32_t* scores = Scores_Get(LearningList_At(position));
        std::copy_n(scores, summary_slots_.size(), summary_slots_.begin());
    } else {
        summary_record_ = KanjiRecord{};
        summary_slots_.fill(0);
    }
    paint_strip(strip_, strip_kanji(summary_record_, summary_slots_), active_);
}

void MainWindow::list_append_kanji(int kanji) {
    list_->add(kanji_text(kanji), 0);
    pump_messages();
}

void MainWindow::list_remove_row(int position) {
    list_->remove(position);
    show_summary(-1);
    refresh_status();
}

void MainWindow::refresh_status() {
    if (status_) status_->refresh();
}

void MainWindow::show_hint_topic(int topic) {
    if (!hints_enabled_ || topic == hint_topic_) return;
    hint_topic_ = topic;
    hint_text_ = load_help_topic(topic);
    if (help_) help_->refresh();
}

void MainWindow::set_active(bool flag) {
    if (!built()) return;
    active_ = flag;
    caption_bar().set_active(flag);
    exit_->set_shown_active(flag);
    exercises_->set_active(flag);
    for (Button* b : exercise_buttons_)
        b->set_shown_active(flag);
    exclude_box_->set_greyed(!flag);
    exclude_box_->set_locked(!flag);
    list_->enable(flag);
    list_->setEnabled(flag); // an inactive window's list takes no clicks
    status_->set_active(flag);
    hints_enabled_ = flag;
    draw_in_look(help_, flag);
    if (summary_position_ >= 0) {
        load_summary(summary_position_); // the strip follows the look
        draw_in_look(summary_, flag);
    } else {
        summary_->set_active(flag);
    }
    list_frame_->set_active(flag);
    add_word_->enable(flag);
    enable_row_commands(flag);
    refresh();
    pump_messages();
}

void MainWindow::showMessage(const std::string& text) {
    show_message_box(this, QString::fromStdString(text), MessageOk, -1);
}

void MainWindow::render(Surface& s) {
    paint_main_background(s, active_);
}

void MainWindow::unclaimed_mouse_move(QPoint) {
    show_hint(kHintGeneral);
}

void MainWindow::close_glyph_clicked() {
    App_Exit();
}

// The window manager's close, or the session closing the window: the same saving as "Exit".
void MainWindow::closeEvent(QCloseEvent* event) {
    if (leaving_) {
        event->accept();
        return;
    }
    event->ignore();
    App_Leave(0);
}
