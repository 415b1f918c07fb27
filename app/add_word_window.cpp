#include "add_word_window.h"

#include "button.h"
#include "check_box.h"
#include "draw_kanji_window.h"
#include "drawing.h"
#include "edit_box.h"
#include "group_frame.h"
#include "kanji_record.h"
#include "kanji_window.h"
#include "learning_list.h"
#include "message_box.h"
#include "options.h"
#include "pair_list.h"
#include "palette.h"
#include "pump.h"
#include "radio_button.h"
#include "scores.h"
#include "search_pasted_kanji.h"
#include "search_ranking.h"
#include "shell.h"

#include <QCloseEvent>
#include <QPointer>
#include <algorithm>

namespace {

QPointer<AddWordWindow>& current() {
    static QPointer<AddWordWindow> window;
    return window;
}

// Which text the result list shows; it outlasts the window, from one opening to the next.
int g_search_mode = ModeMeaning;

// Result list colour indices (entry 0 is the list's navy with grey text).
constexpr int kPlainRow = 0;
constexpr int kCompletedRow = 1;
constexpr int kListedRow = 3;
constexpr ColorRef kCompletedColour = 0xa5a5a5;
constexpr ColorRef kListedColour = 0xdc0000;

constexpr int kBackgroundHeight = 473;
constexpr int kEditLimit = 100;
constexpr int kQuestionKanjiAt = 21; // the x of the questions
// "Draw Kanji" sits right of "Search" inside the search frame, in a smaller font to fit there.
constexpr int kDrawButtonFontSize = 10;
constexpr int kDrawButtonGap = 3;

QString qstring(const std::u16string& s) {
    return QString::fromUtf16(s.data(), qsizetype(s.size()));
}

bool answered_yes(int result) {
    return result % MessageTicked == MessageYes;
}

QString with_kanji(QString text, char16_t kanji) {
    text[kQuestionKanjiAt] = QChar(kanji);
    return text;
}

// The Add Word window opens centred on the main window, as it is: not moved into the work area.
QPoint centred_on_main_window() {
    const QWidget* main = App_MainWindow();
    if (!main) return {};
    const QRect r = main->frameGeometry();
    return {r.left() + ((r.width() - AddWordWindow::kWidth) >> 1),
            r.top() + ((r.height() - AddWordWindow::kHeight) >> 1)};
}

} // namespace

QString draw_kanji_explanation() {
    return QStringLiteral("Click to find a kanji by drawing it");
}

QString draw_kanji_missing_explanation() {
    return QStringLiteral("Install the Debian package %1 to find a kanji by drawing it")
        .arg(QString::fromLatin1(kHandwritingModelPackage));
}

QString already_listed_question(char16_t kanji) {
    return with_kanji(QStringLiteral("The selected kanji ' x ' already exists on the Learning "
                                     "List.\nWould you like to add a copy of the selected kanji."),
                      kanji);
}

QString already_completed_question(char16_t kanji) {
    return with_kanji(QStringLiteral("The selected kanji ' x ' has been successfully completed.\n"
                                     "Would you reset scores and add it to the Learning List?"),
                      kanji);
}

// Counts a command that pumps messages; a close asked for meanwhile happens at the end.
class AddWordWindow::Busy {
  public:
    explicit Busy(AddWordWindow* w) : window_(w) { ++w->busy_; }
    ~Busy() {
        if (!window_) return;
        if (--window_->busy_ == 0 && window_->close_pending_) window_->close();
    }
    bool window_alive() const { return !window_.isNull(); }

  private:
    QPointer<AddWordWindow> window_;
};

void AddWordWindow::open() {
    if (AddWordWindow* window = current()) {
        window->raise();
        return;
    }
    if (QWidget* main = App_MainWindow()) main->setEnabled(false);
    MainWindow_SetActive(false);
    auto* window = new AddWordWindow;
    current() = window;
    window->fill_results();
    window->move(centred_on_main_window());
    window->show();
    window->edit_->focus();
}

AddWordWindow* AddWordWindow::instance() {
    return current();
}

void AddWordWindow::reset_search_mode() {
    g_search_mode = ModeMeaning;
}

int AddWordWindow::search_mode() {
    return g_search_mode;
}

AddWordWindow::AddWordWindow()
    : FramelessWindow(App_MainWindow(), kWidth, kHeight,
                      QStringLiteral("Add Word to Learning List")),
      index_(build_search_index(kKanjiTotal)), order_(identity_order(kKanjiTotal)),
      show_meanings_(get_option_slot(OptAddWordShowMeanings) != 0) {
    setFocusPolicy(Qt::StrongFocus);
    refresh(); // the background the check box and the radio buttons blend into
    create_controls();
}

AddWordWindow::~AddWordWindow() {
    drop_focus();
}

void AddWordWindow::create_controls() {
    results_ = PairList::create(this, 20, 44, 170, 385,
                                [this](int index, const QString&) { result_selected(index); });
    results_->add_colour(kCompletedColour);
    results_->add_colour(palette::Navy);
    results_->add_colour(kListedColour);
    results_->set_keyboard(true);
    details_ = std::make_unique<KanjiDetailsPanel>(
        this, [this](int kanji) { KanjiWindow::open(this, kanji, false); });
    frame_ = GroupFrame::create(this, 210, 44, 178, 161, {});
    create_search_controls();
    add_button_ = Button::create(
        this, 210, 248, QStringLiteral("Add Selected Word"), 12, nullptr,
        [this] { add_selected(); },
        QStringLiteral("Click to add the selected word to the Learning "
                       "List"),
        -1, 0);
    add_button_->enable(false);
    exit_button_ = Button::create(
        this, 338, 462, QStringLiteral("Exit"), 12, nullptr, [this] { close(); },
        QStringLiteral("Click to exit the AddWord window"), -1, 0);
    show_all_button_ = Button::create(
        this, 210, 218, QStringLiteral("Show All Kanji"), 12, nullptr, [this] { show_all(); },
        QStringLiteral("Click to display all kanji - ignoring the search string"), -1, 0);
    meanings_box_ =
        CheckBox::create(this, &surface(), QStringLiteral("Show Kanji Meanings"), 23, 466, 500, 0,
                         show_meanings_, [this](bool checked) { meanings_changed(checked); });
}

void AddWordWindow::create_search_controls() {
    const char* captions[] = {"Meaning", "ON Pronunciation", "KUN Pronunciation"};
    for (int c = 0; c < 3; ++c)
        radios_[size_t(c)] = RadioButton::create(this, &surface(), QString::fromLatin1(captions[c]),
                                                 225, 109 + 18 * c, -1, c == SearchByMeaning, true,
                                                 [this, c](int) { choose_search_by(c); });
    search_button_ = Button::create(
        this, 225, 172, QStringLiteral("Search"), 12, nullptr, [this] { search(); },
        QStringLiteral("Click to search for kanji"), -1, 0);
    search_button_->enable(false);
    create_draw_button();
    edit_ = EditBox::create(this, 225, 59, 148, 23, 14, EditAutoScroll,
                            [this](int length) { search_button_->enable(length >= 1); });
    edit_->set_max_length(kEditLimit);
}

// Greyed, with an explanation that names the package, when the handwriting model is missing.
void AddWordWindow::create_draw_button() {
    const bool present = handwriting_model_present();
    draw_button_ = Button::create(
        this, search_button_->x() + search_button_->width() + kDrawButtonGap, search_button_->y(),
        QStringLiteral("Draw Kanji"), kDrawButtonFontSize, nullptr, [this] { open_draw_window(); },
        present ? draw_kanji_explanation() : draw_kanji_missing_explanation(), -1, 0);
    draw_button_->set_shown_active(present);
}

// A greyed button still clicks: without the model nothing opens. A model installed while the
// window was open makes the button active again.
void AddWordWindow::open_draw_window() {
    const bool present = handwriting_model_present();
    draw_button_->set_shown_active(present);
    if (!present) return;
    std::u16string kanji;
    for (const SearchEntry& e : index_)
        kanji += e.kanji;
    QPointer<AddWordWindow> self(this);
    DrawKanjiWindow::open(this, kanji, [self](int number) {
        if (self) self->show_drawn_kanji(number);
    });
}

void AddWordWindow::show_drawn_kanji(int kanji) {
    const auto at = std::find(order_.begin(), order_.end(), kanji - 1);
    if (at == order_.end()) return;
    Busy busy(this);
    std::rotate(order_.begin(), at, at + 1);
    fill_results();
    if (!busy.window_alive()) return;
    results_->choose(0);
}

void AddWordWindow::render(Surface& s) {
    draw_lined_background(s, 2, 20, width() - 2, kBackgroundHeight, true);
    draw_label(s, 23, 26, QStringLiteral("Search Results:"), 12, LabelTahomaBoldShadow, true);
    draw_label(s, 213, 26, QStringLiteral("Search:"), 12, LabelTahomaBoldShadow, true);
    draw_label(s, 228, 91, QStringLiteral("Search by:"), 11, LabelTahomaBoldShadow, true);
    draw_label(s, 213, 289, QStringLiteral("Selected Kanji details:"), 12, LabelTahomaBoldShadow,
               true);
    const FontSpec bold{QStringLiteral("Tahoma"), 11, true};
    const FontSpec normal{QStringLiteral("Tahoma"), 11, false};
    const ColorRef grey = palette::LabelGrey;
    s.text(25, 432, QStringLiteral("Blue"), bold, kListedColour);
    s.text(25, 444, QStringLiteral("Grey"), bold, grey);
    s.text(54, 432, QStringLiteral("signifies Learning List kanji"), normal, grey);
    s.text(56, 444, QStringLiteral("signifies completed kanji"), normal, grey);
    s.text(212, 430, QStringLiteral("Double click kanji for complete details"), normal, grey);
}

// Every kanji in the search order: its character, the text the search mode (or the meanings
// box) asks for, and its colour: blue on the Learning List, grey when completed.
void AddWordWindow::fill_results() {
    results_->set_redraw(false);
    results_->clear();
    // Every kanji's completed flag, read from the score file in one go rather than row by row.
    const std::vector<uint32_t> scores = Scores_GetUpTo(kKanjiTotal);
    for (int entry : order_) {
        const SearchEntry& e = index_[size_t(entry)];
        const int kanji = entry + 1;
        const bool completed =
            kanji <= kKanjiTotal && scores[size_t(kanji) * kScoreSlots + CompletedFlag] == 1;
        results_->add(QString(QChar(e.kanji)), right_text(e), colour_index(kanji, completed));
    }
    results_->set_redraw(true);
    pump_messages();
}

QString AddWordWindow::right_text(const SearchEntry& entry) const {
    return qstring(show_meanings_ ? entry.meaning : entry.field(g_search_mode));
}

int AddWordWindow::colour_index(int kanji, bool completed) const {
    if (LearningList_Contains(kanji)) return kListedRow;
    return completed ? kCompletedRow : kPlainRow;
}

void AddWordWindow::search() {
    Busy busy(this);
    search_button_->hold(-1);
    add_button_->enable(false);
    details_->show(-1);
    pump_messages();
    const NormalisedSearch search =
        normalise_search(edit_->get_text().toStdU16String(), search_by_);
    g_search_mode = search.mode;
    order_ = rank_typed_search(index_, search);
    fill_results();
    search_button_->hold(0);
    search_button_->enable(edit_->text_length() >= 1);
}

void AddWordWindow::show_all() {
    Busy busy(this);
    details_->show(-1);
    pump_messages();
    order_ = identity_order(kKanjiTotal);
    g_search_mode = ModeMeaning;
    fill_results();
}

// Before any search (mode 0) the box changes nothing, not even the flag it stands for.
void AddWordWindow::meanings_changed(bool checked) {
    Busy busy(this);
    pump_messages();
    if (g_search_mode == ModeMeaning) return;
    show_meanings_ = checked;
    fill_results();
}

void AddWordWindow::choose_search_by(int choice) {
    for (int c = 0; c < 3; ++c)
        if (c != choice) radios_[size_t(c)]->set_checked(false);
    search_by_ = choice;
}

void AddWordWindow::result_selected(int index) {
    add_button_->enable(index != list_notice::None);
    if (index >= 0 && index < int(order_.size())) {
        details_->show(order_[size_t(index)] + 1);
    } else if (index == list_notice::None) {
        details_->show(-1);
    } else if (index == list_notice::DoubleClick) {
        const int row = results_->current();
        if (row >= 0 && row < int(order_.size()))
            KanjiWindow::open(this, order_[size_t(row)] + 1, false);
    }
}

// The kanji of the selected rows: every selected row in order when several are, else the
// current row.
std::vector<int> AddWordWindow::selected_kanji() const {
    std::vector<int> rows;
    if (results_->has_multiple_selection())
        results_->selected_indices(rows);
    else if (results_->current() >= 0)
        rows.push_back(results_->current());
    std::vector<int> kanji;
    for (int r : rows)
        if (r >= 0 && r < int(order_.size())) kanji.push_back(order_[size_t(r)] + 1);
    return kanji;
}

void AddWordWindow::add_selected() {
    Busy busy(this);
    for (int kanji : selected_kanji()) {
        if (!confirm_adding(kanji)) continue;
        LearningList_Append(kanji);
        MainWindow_ListAppendKanji(kanji);
    }
}

// Asks before adding a copy of a listed kanji, and before taking a completed kanji back (whose
// scores are then reset and which no longer counts as completed).
bool AddWordWindow::confirm_adding(int kanji) {
    const char16_t character = index_[size_t(kanji - 1)].kanji;
    if (LearningList_Contains(kanji) &&
        !answered_yes(show_message_box(this, already_listed_question(character),
                                       MessageYesNoWithCheck, OptRememberAlreadyListed)))
        return false;
    if (Scores_Get(kanji)[CompletedFlag] == 1) {
        if (!answered_yes(show_message_box(this, already_completed_question(character),
                                           MessageYesNo, OptRememberCompleted)))
            return false;
        Scores_Reset(kanji);
        CompletedList_AddCompleted(-1);
    }
    return true;
}

void AddWordWindow::focusInEvent(QFocusEvent*) {
    if (edit_) edit_->focus();
}

// Gives the main window back, stores the meanings flag and goes.
void AddWordWindow::closeEvent(QCloseEvent* event) {
    if (busy_ > 0) {
        close_pending_ = true;
        event->ignore();
        return;
    }
    if (closing_) return;
    closing_ = true;
    if (DrawKanjiWindow* drawing = DrawKanjiWindow::instance()) drawing->close();
    if (QWidget* main = App_MainWindow()) main->setEnabled(true);
    hide();
    pump_messages();
    if (current() == this) current() = nullptr;
    deleteLater();
    MainWindow_SetActive(true);
    set_option_slot(OptAddWordShowMeanings, show_meanings_ ? 1 : 0);
    event->accept();
}
