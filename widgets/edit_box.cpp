#include "edit_box.h"

#include "input_mode.h"
#include "palette.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

constexpr int kMaxText = 255;
constexpr int kLeftMargin = 3;
constexpr ColorRef kTextColour = palette::BrightBlue;

std::function<void()>& beeper() {
    static std::function<void()> beep = [] { QApplication::beep(); };
    return beep;
}

int font_height(int font_size) {
    return font_size < 15 ? font_size + 2 : font_size;
}

} // namespace

void EditBox::set_beep(std::function<void()> beep) {
    beeper() = beep ? std::move(beep) : [] { QApplication::beep(); };
}

EditBox* EditBox::create(QWidget* parent, int x, int y, int w, int h, int font_size, int edit_style,
                         ChangeHandler on_change) {
    if (h == 0) h = font_size + 8;
    auto* box = new EditBox(parent, w, h, font_size, std::move(on_change));
    box->apply_style(edit_style);
    box->move(x, y);
    box->refresh();
    box->show();
    return box;
}

EditBox::EditBox(QWidget* parent, int w, int h, int font_size, ChangeHandler on_change)
    : SurfaceWidget(parent, w, h), on_change_(std::move(on_change)) {
    edit_ = new QLineEdit(this);
    edit_->setGeometry(1, 2, w - 3, h - 4);
    edit_->setFrame(false);
    edit_->setFont(make_font({QStringLiteral("MS Shell Dlg 2"), font_height(font_size), true}));
    edit_->setTextMargins(kLeftMargin, 0, 0, 0);
    edit_->setMaxLength(32767); // the box itself does not cut; get_text does
    QPalette p = edit_->palette();
    p.setColor(QPalette::Text, colorref(kTextColour));
    p.setColor(QPalette::Disabled, QPalette::Text, colorref(palette::LabelGrey));
    p.setColor(QPalette::Base, colorref(palette::White));
    edit_->setPalette(p);
    edit_->installEventFilter(this);
    connect(edit_, &QLineEdit::textChanged, this, [this] { text_changed(); });
}

void EditBox::apply_style(int edit_style) {
    if (edit_style & EditCentred) edit_->setAlignment(Qt::AlignCenter);
    if (edit_style & EditRightAligned) edit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit_->setReadOnly(edit_style & EditReadOnly);
    if (edit_style & EditPassword) edit_->setEchoMode(QLineEdit::Password);
}

void EditBox::set_tab_order(QWidget* next, QWidget* prev) {
    next_focus_ = next;
    prev_focus_ = prev;
}

void EditBox::focus() {
    edit_->setFocus(Qt::OtherFocusReason);
}

QString EditBox::get_text() const {
    if (text_length_ == 0) return {};
    const int limit = max_length_ < 0 ? kMaxText : max_length_ - 1;
    return edit_->text().left(std::max(limit, 0));
}

void EditBox::enable(bool flag) {
    if (flag == enabled_) return;
    enabled_ = flag;
    edit_->setEnabled(flag);
    refresh();
}

void EditBox::render() {
    Surface& s = surface();
    s.fill_rect(0, 0, s.width(), s.height(), palette::White);
    s.frame_rect(0, 0, s.width(), s.height(),
                 enabled_ ? palette::LabelGrey : palette::DisabledGrey);
}

// Input mode 1 asks for alphabetic input, 2 for native input.
void EditBox::focus_gained() {
    if (input_mode_ == 1) switch_input_mode(InputAlphabetic, edit_);
    if (input_mode_ == 2) switch_input_mode(InputNative, edit_);
    edit_->selectAll();
    edit_->deselect();
    text_changed();
}

void EditBox::text_changed() {
    text_length_ = int(edit_->text().size());
    if (on_change_) on_change_(text_length_);
}

void EditBox::check_length() {
    if (max_length_ >= 0 && text_length_ > max_length_) beeper()();
}

// Returns true when the key is not to reach the line edit.
bool EditBox::key_pressed(QKeyEvent* key) {
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
        QWidget* target = back ? prev_focus_.data() : next_focus_.data();
        if (target) target->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        return true;
    }
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && on_enter_) on_enter_();
    return false;
}

bool EditBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_) return SurfaceWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        // After the line edit's own handling, which may select the whole text.
        deliver(event);
        focus_gained();
        return true;
    case QEvent::KeyPress:
        return key_pressed(static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod:
        deliver(event);
        check_length();
        return true;
    default:
        return false;
    }
}

void EditBox::deliver(QEvent* event) {
    edit_->removeEventFilter(this);
    QApplication::sendEvent(edit_, event);
    edit_->installEventFilter(this);
}
