#include "draw_kanji_window.h"

#include "button.h"
#include "draw_kanji_box.h"
#include "draw_kanji_candidates.h"
#include "drawing.h"
#include "message_box.h"
#include "options.h"
#include "palette.h"
#include "placement.h"

#include <QCloseEvent>
#include <QPointer>

namespace {

QPointer<DrawKanjiWindow>& current() {
    static QPointer<DrawKanjiWindow> window;
    return window;
}

constexpr int kBoxX = 20, kBoxY = 44;
constexpr int kRightColumnX = 298;
constexpr int kStripX = 20, kStripY = 330;
// Where the window opens before it was ever moved: beside Add Word, to its right.
constexpr int kFirstOffsetGap = 4;

const char* const kInstructions =
    "Draw the kanji with the mouse, one stroke after the other, in its stroke order. After each "
    "stroke the kanji that match best are listed below, best first. Click one to select it in "
    "the Add Word window.";

} // namespace

QString DrawKanjiWindow::model_unreadable_text() {
    return QStringLiteral("The handwriting model could not be read:\n%1\nInstall the Debian "
                          "package %2 again to find kanji by drawing.")
        .arg(QString::fromStdString(handwriting_model_path()),
             QString::fromLatin1(kHandwritingModelPackage));
}

DrawKanjiWindow* DrawKanjiWindow::open(QWidget* owner, const std::u16string& kanji,
                                       ChooseKanji on_choose) {
    if (DrawKanjiWindow* window = current()) {
        window->raise();
        return window;
    }
    std::unique_ptr<KanjiRecogniser> recogniser = open_kanji_recogniser(kanji);
    if (!recogniser) {
        show_message_box(owner, model_unreadable_text(), MessageOk, -1);
        return nullptr;
    }
    auto* window = new DrawKanjiWindow(owner, kanji, std::move(recogniser), std::move(on_choose));
    current() = window;
    window->move(window->opening_position());
    window->show();
    return window;
}

DrawKanjiWindow* DrawKanjiWindow::instance() {
    return current();
}

DrawKanjiWindow::DrawKanjiWindow(QWidget* owner, std::u16string kanji,
                                 std::unique_ptr<KanjiRecogniser> recogniser, ChooseKanji on_choose)
    : FramelessWindow(owner, kWidth, kHeight, QStringLiteral("Draw a Kanji")),
      kanji_(std::move(kanji)), recogniser_(std::move(recogniser)),
      on_choose_(std::move(on_choose)) {
    refresh();
    create_controls();
}

void DrawKanjiWindow::create_controls() {
    box_ = new DrawKanjiBox(this, kBoxX, kBoxY, [this] { recognise(); });
    candidates_ = new DrawKanjiCandidates(this, kStripX, kStripY, kanji_, on_choose_);
    undo_button_ = Button::create(
        this, kRightColumnX, kBoxY, QStringLiteral("Undo Stroke"), 12, nullptr,
        [this] { box_->undo_stroke(); }, QStringLiteral("Click to take back the last stroke"), -1,
        0);
    clear_button_ = Button::create(
        this, kRightColumnX, kBoxY + 32, QStringLiteral("Clear"), 12, nullptr,
        [this] { box_->clear(); }, QStringLiteral("Click to clear the drawing box"), -1, 0);
    const int exit_width = Button::width_for(QStringLiteral("Exit"), 12, false);
    exit_button_ = Button::create(
        this, kStripX + DrawKanjiCandidates::kWidth - exit_width, kHeight - 34,
        QStringLiteral("Exit"), 12, nullptr, [this] { close(); },
        QStringLiteral("Click to close the Draw a Kanji window"), -1, 0);
}

// At the remembered offset from Add Word; beside it when no offset was ever stored.
QPoint DrawKanjiWindow::opening_position() const {
    int x = get_option_slot(OptDrawKanjiOffset), y = get_option_slot(OptDrawKanjiOffset + 1);
    if (x == 0 && y == 0 && owner()) x = owner()->frameGeometry().width() + kFirstOffsetGap;
    return place_window(x, y, kWidth, kHeight, owner());
}

void DrawKanjiWindow::render(Surface& s) {
    draw_lined_background(s, 2, 20, width() - 2, height() - 22, true);
    draw_label(s, 23, 26, QStringLiteral("Draw a kanji:"), 12, LabelTahomaBoldShadow, true);
    draw_label(s, 23, kStripY - 18, QStringLiteral("Candidates:"), 12, LabelTahomaBoldShadow, true);
    const FontSpec font{QStringLiteral("Tahoma"), 11, false};
    s.text_wrapped(kRightColumnX + 2, kBoxY + 72, width() - 18, kBoxY + DrawKanjiBox::kSize,
                   QString::fromLatin1(kInstructions), font, palette::BorderDark);
}

// After every change of the strokes: the best kanji for them, or the notice for none.
void DrawKanjiWindow::recognise() {
    const Ink& ink = box_->ink();
    std::vector<int> found;
    if (recogniser_ && !ink.empty())
        found = recogniser_->recognise(ink, DrawKanjiBox::kSize, kShownCandidates);
    candidates_->set_candidates(std::move(found), !ink.empty());
}

// Stores the offset from Add Word and lets the model go.
void DrawKanjiWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closing_) return;
    closing_ = true;
    if (owner()) remember_window_offset(this, owner(), OptDrawKanjiOffset);
    hide();
    recogniser_.reset();
    if (current() == this) current() = nullptr;
    deleteLater();
}
