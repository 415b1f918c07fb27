#include "review_window.h"

#include "button.h"
#include "check_box.h"
#include "drawing.h"
#include "group_frame.h"
#include "kanji_data.h"
#include "learning_list.h"
#include "options.h"
#include "palette.h"
#include "placement.h"
#include "review_examples.h"
#include "review_kanji_display.h"
#include "review_meaning.h"
#include "review_strip.h"
#include "shell.h"
#include "stroke_screens.h"
#include "trace.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPointer>

namespace {

QPointer<ReviewWindow>& current() {
    static QPointer<ReviewWindow> window;
    return window;
}

AnimationClock* animation_clock = nullptr;

constexpr int kBackgroundHeight = 435;
constexpr int kHeadingSize = 12;
constexpr int kFontSize = 12;
constexpr ColorRef kLinkColour = RGB(0, 0, 164);
const char* const kHelpPage = "help/stroke_help.htm";

struct Heading {
    int x, y;
    const char* text;
};
constexpr Heading kHeadings[] = {{32, 34, "Learning"},
                                 {32, 50, "List Kanji:"},
                                 {23, 90, "Kanji Display:"},
                                 {463, 88, "Kanji Examples:"},
                                 {23, 320, "Stroke Order:"}};

std::vector<int> learning_list_now() {
    std::vector<int> kanji;
    for (int i = 0; i < LearningList_Count(); ++i)
        kanji.push_back(LearningList_At(i));
    return kanji;
}

KanjiRecord record_of(int kanji) {
    const KanjiRecord* r = KanjiData_LoadRecord(kanji);
    return r ? *r : KanjiRecord{};
}

void set_main_window_enabled(bool enabled) {
    if (QWidget* main = App_MainWindow()) main->setEnabled(enabled);
}

Button* make_button(QWidget* parent, int x, int y, const char* caption, const char* explanation,
                    Button::Callback on_click) {
    return Button::create(parent, x, y, QString::fromLatin1(caption), kFontSize, {},
                          std::move(on_click), QString::fromLatin1(explanation), -1, 0);
}

} // namespace

ReviewWindow* ReviewWindow::instance() {
    return current();
}

ReviewExamplesDisplay* ReviewWindow::examples_display() const {
    return examples_.data();
}

ReviewWindow::ReviewWindow()
    : FramelessWindow(App_MainWindow(), kWidth, kHeight,
                      QStringLiteral("Review Learning List Kanji")) {
    setObjectName(QStringLiteral("ReviewWindow"));
}

ReviewWindow::~ReviewWindow() {
    if (examples_) examples_->end_pointer_check();
    kanji_display_.reset(); // stops the animation while its box still exists
}

void ReviewWindow::build() {
    move(place_window(get_option_slot(OptReviewOffset), get_option_slot(OptReviewOffset + 1),
                      kWidth, kHeight, App_MainWindow()));
    refresh(); // the background the check box blends into
    create_displays();
    create_controls();
    // Every control keeps the arrow: the link's hand belongs to the window's own surface.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setCursor(Qt::ArrowCursor);
}

// The strip with its copies of the list, the examples, the kanji and the meaning of the first
// kanji, then the frames around them.
void ReviewWindow::create_displays() {
    kanji_numbers_ = learning_list_now();
    std::vector<KanjiRecord> records;
    for (int kanji : kanji_numbers_)
        records.push_back(record_of(kanji));
    strip_ = new ReviewListStrip(this, 132, 32, std::move(records),
                                 [](bool forward) { Review_Move(forward); });
    examples_ =
        new ReviewExamplesDisplay(this, 472, 118, [this](int id) { ExampleWindow_Open(this, id); });
    // The animation holds its button down while it runs: the button comes first.
    animate_ =
        make_button(this, 31, 370, "Animate Strokes", "Click to start Kanji stroke animation",
                    [this] { kanji_display_->animate(); });
    kanji_display_ = std::make_unique<ReviewKanjiDisplay>(
        this, 20, 108, animate_, get_option_slot(OptReviewShowStrokeOrder) != 0, animation_clock);
    load_kanji(1);
    meaning_ = new ReviewMeaningDisplay(this, 240, 88);
    ReviewMeaningDisplay_Load(1);
    for (QWidget* w : std::initializer_list<QWidget*>{strip_, examples_, meaning_})
        w->show();
    strip_frame_ = GroupFrame::create(this, 20, 26, 640, 47, {});
    examples_frame_ = GroupFrame::create(this, 460, 106, 200, 295, {});
    stroke_frame_ = GroupFrame::create(this, 20, 338, 200, 65, {});
}

void ReviewWindow::create_controls() {
    stroke_order_box_ =
        CheckBox::create(this, &surface(), QStringLiteral("Show Kanji Stroke Order"), 31, 348, 500,
                         0, kanji_display_->show_numbers(),
                         [this](bool checked) { kanji_display_->set_show_numbers(checked); });
    previous_ =
        make_button(this, 20, 424, "Previous", "Click to display previous Kanji in Learning List",
                    [this] { on_previous(); });
    next_ = make_button(this, 116, 424, "Next", "Click to display next Kanji in Learning List",
                        [this] { on_next(); });
    exit_ = make_button(this, 610, 424, "Exit", "Click to exit the review window",
                        [] { Review_Close(); });
    previous_->enable(false);
    if (kanji_numbers_.size() == 1) next_->enable(false);
}

void ReviewWindow::render(Surface& s) {
    draw_lined_background(s, 2, metrics::CaptionBarHeight, s.width() - 2, kBackgroundHeight, true);
    for (const Heading& h : kHeadings)
        draw_label(s, h.x, h.y, QString::fromLatin1(h.text), kHeadingSize, LabelTahomaBoldShadow,
                   true);
    draw_label(s, 463, 402, QStringLiteral("Double click example for full view."), 10,
               LabelArialGrey, true);
    s.text(kLinkRect.x(), kLinkRect.y(), QStringLiteral("Stroke Order Tips"),
           FontSpec{QStringLiteral("Arial"), 10, false, false, true}, kLinkColour);
}

// Steps 2 to 5 of loading a kanji: its strokes, its record, its examples, its picture.
void ReviewWindow::load_kanji(int position) {
    trace("ReviewKanjiDisplay_Load >>>>>>>>>> %d\n", position);
    kanji_display_->stop();
    if (position < 1 || position > int(kanji_numbers_.size())) return;
    const int kanji = kanji_numbers_[size_t(position - 1)];
    const int strokes = kanji_display_->load_strokes(kanji);
    trace("ReviewKanjiDisplay_Load %d\n", 2);
    trace("nReviewKanjiDisplay_NumStrokes = %d \n", strokes);
    const KanjiRecord record = record_of(kanji);
    kanji_display_->set_character(record.Kanji);
    trace("%d\n", 5);
    Review_ExamplesDisplay_Load(record.exampleCount(), record.ExampleIds);
    trace("%d\n", 6);
    kanji_display_->redraw();
    trace("ReviewKanjiDisplay_Load >>>>>> DONE \n");
}

void ReviewWindow::on_previous() {
    next_->enable(true);
    if (!Review_Move(false)) previous_->enable(false);
}

void ReviewWindow::on_next() {
    previous_->enable(true);
    if (!Review_Move(true)) next_->enable(false);
}

void ReviewWindow::set_link_hovered(bool hovered) {
    if (hovered == link_hovered_) return;
    link_hovered_ = hovered;
    setCursor(hovered ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void ReviewWindow::unclaimed_mouse_move(QPoint at) {
    set_link_hovered(kLinkRect.contains(at));
}

void ReviewWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (caption_bar().mouse_up(event->position().toPoint()) == 1) return Review_Close();
    if (link_hovered_) open_help_page(QString::fromLatin1(kHelpPage));
}

void ReviewWindow::close_glyph_clicked() {
    Review_Close();
}

void ReviewWindow::closeEvent(QCloseEvent* event) {
    if (closing_) return FramelessWindow::closeEvent(event);
    event->ignore();
    close_review();
}

// Stops the animation, gives the main window back, stores the offset and the check box, takes
// the displays and controls down (the examples' pointer check first), closes the Example Window.
void ReviewWindow::close_review() {
    if (closing_) return;
    closing_ = true;
    kanji_display_->stop();
    set_main_window_enabled(true);
    remember_window_offset(this, App_MainWindow(), OptReviewOffset);
    hide();
    set_option_slot(OptReviewShowStrokeOrder, kanji_display_->show_numbers() ? 1 : 0);
    for (SurfaceWidget* w : std::initializer_list<SurfaceWidget*>{
             animate_, previous_, next_, exit_, stroke_order_box_, strip_frame_, examples_frame_,
             stroke_frame_, strip_, meaning_})
        w->destroy();
    kanji_display_.reset();
    examples_->end_pointer_check();
    examples_->destroy();
    ExampleWindow_Close();
    if (current() == this) current() = nullptr;
    deleteLater();
    MainWindow_SetActive(true);
}

void Review_Open() {
    if (ReviewWindow* open = current()) {
        open->raise();
        return;
    }
    if (LearningList_RequireNotEmpty()) return;
    set_main_window_enabled(false);
    MainWindow_SetActive(false);
    auto* window = new ReviewWindow;
    current() = window;
    window->build();
    window->show();
}

void Review_Close() {
    if (ReviewWindow* w = current()) w->close_review();
}

bool Review_Move(bool forward) {
    ReviewWindow* w = current();
    if (!w) return false;
    ReviewStripRange& range = w->strip_->range();
    const bool between = range.move(forward);
    w->strip_->refresh();
    ReviewKanjiDisplay_Load(range.selection + 1);
    ReviewMeaningDisplay_Load(range.selection + 1);
    return between;
}

void ReviewKanjiDisplay_Load(int position) {
    if (ReviewWindow* w = current()) w->load_kanji(position);
}

void ReviewMeaningDisplay_Load(int position) {
    trace("ReviewMeaningDisplay_Load %d\n", position);
    ReviewWindow* w = current();
    if (!w || !w->meaning_display()) return;
    const ReviewListStrip* strip = w->strip();
    if (position < 1 || position > strip->range().count) return;
    w->meaning_display()->load(strip->record(position - 1));
}

void Review_ExamplesDisplay_Load(int count, const int32_t* ids) {
    ReviewWindow* w = current();
    if (w && w->examples_display()) w->examples_display()->load(count, ids);
}

void Review_SetAnimationClock(AnimationClock* clock) {
    animation_clock = clock;
}
