#include "message_box.h"

#include "button.h"
#include "check_box.h"
#include "drawing.h"
#include "frameless_window.h"
#include "options.h"
#include "palette.h"
#include "sound_cue.h"
#include "toolkit_images.h"
#include "trace.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

namespace {

const char* const kTitle = "Brushwise";
const char* const kCheckCaption = "Do not show this warning again.";
constexpr int kButtonFontSize = 12;
constexpr int kTextLeft = 70;
constexpr int kTextTop = 36;
constexpr QPoint kIconAt{20, 34};
constexpr int kIconSize = 32;

int half_down(int d) {
    return d >= 0 ? d / 2 : -((-d + 1) / 2);
}

// The open box. Only one is open at a time.
class MessageBoxWindow : public FramelessWindow {
  public:
    MessageBoxWindow(QWidget* owner, const QString& text, int kind, const MessageBoxLayout& l)
        : FramelessWindow(owner, l.width, l.height, QString::fromLatin1(kTitle)), text_(text),
          kind_(kind), layout_(l) {
        caption_bar().set_hints(false);
        build_parts();
        refresh();
    }

    // Waits until an answer sets the result; 0 when the program quits meanwhile.
    int wait() {
        if (result_ == -1) loop_.exec();
        return result_ == -1 ? MessageClosed : result_;
    }
    bool checked() const { return checked_; }
    const QString& text() const { return text_; }
    void focus_first_button() { first_->focus(); }

  protected:
    void render(Surface& s) override {
        draw_lined_background(s, 2, 20, layout_.width - 2, layout_.height - 22, true);
        const int icon = kind_ % 10 == MessageYesNo ? image_id::IconQuestion : image_id::IconNotice;
        s.blit(kIconAt.x(), kIconAt.y(), toolkit_image(icon), 0, 0, kIconSize, kIconSize);
        s.text_wrapped(kTextLeft, kTextTop, layout_.width + 110, layout_.line_count * 15 + 36,
                       text_, message_box_font(), palette::Navy);
    }
    void close_glyph_clicked() override { answer(MessageClosed); }
    // Closed from outside (the desktop, Alt+F4, the task bar): answered as the close glyph.
    void closeEvent(QCloseEvent* event) override {
        answer(MessageClosed);
        event->accept();
    }
    void keyPressEvent(QKeyEvent*) override {} // swallowed

  private:
    void build_parts() {
        if (layout_.check_y >= 0) {
            // Lined from its own top: check_y is even, like the box's background lines.
            check_ =
                CheckBox::create(this, nullptr, QString::fromLatin1(kCheckCaption), kTextLeft,
                                 layout_.check_y, -1, 0, false, [this](bool on) { checked_ = on; });
        }
        if (kind_ % 10 == MessageYesNo) {
            first_ = make_button(" Yes ", layout_.first_button_x, MessageYes);
            second_ = make_button(" No ", layout_.second_button_x, MessageNo);
        } else {
            first_ = make_button(" OK ", layout_.first_button_x, MessageYes);
        }
        set_tab_order();
    }

    Button* make_button(const char* caption, int x, int result) {
        return Button::create(
            this, x, layout_.buttons_y, QString::fromLatin1(caption), kButtonFontSize, nullptr,
            [this, result] { answer(result); }, {}, -1, 0);
    }

    // OK <-> check box; Yes <-> No; with both: Tab Yes -> No -> check box -> Yes, Shift+Tab
    // check box -> No -> Yes -> No.
    void set_tab_order() {
        if (!second_) {
            if (check_) {
                first_->set_tab_order(check_, check_);
                check_->set_tab_order(first_, first_);
            }
            return;
        }
        if (!check_) {
            first_->set_tab_order(second_, second_);
            second_->set_tab_order(first_, first_);
            return;
        }
        first_->set_tab_order(second_, second_);
        second_->set_tab_order(check_, first_);
        check_->set_tab_order(first_, second_);
    }

    // The first answer counts; the box is closing after it.
    void answer(int result) {
        if (result_ != -1) return;
        result_ = result;
        loop_.quit();
    }

    QString text_;
    int kind_;
    MessageBoxLayout layout_;
    Button* first_ = nullptr;
    Button* second_ = nullptr;
    CheckBox* check_ = nullptr;
    bool checked_ = false;
    int result_ = -1;
    QEventLoop loop_;
};

QPointer<MessageBoxWindow>& current_box() {
    static QPointer<MessageBoxWindow> box;
    return box;
}

QPoint centred_on(const QWidget* owner, QSize size) {
    QRect ref;
    if (owner) {
        ref = owner->window()->frameGeometry();
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
        ref = screen->availableGeometry();
    }
    return ref.topLeft() +
           QPoint(half_down(ref.width() - size.width()), half_down(ref.height() - size.height()));
}

} // namespace

QWidget* open_message_box() {
    return current_box();
}

QString open_message_box_text() {
    return current_box() ? current_box()->text() : QString();
}

namespace {

// What a ticked "Do not show this warning again." remembers in the slot: 1 answers Yes, 2 answers
// No. A box closed without an answer remembers nothing, so the question comes back.
constexpr int kRememberYes = 1;
constexpr int kRememberNo = 2;

void remember_answer(int memory_slot, int result) {
    if (result == MessageYes) set_option_slot(memory_slot, kRememberYes);
    if (result == MessageNo) set_option_slot(memory_slot, kRememberNo);
}

} // namespace

int show_message_box(QWidget* owner, const QString& text, int kind, int memory_slot) {
    const int remembered = memory_slot != -1 ? get_option_slot(memory_slot) : 0;
    if (remembered == kRememberYes) return MessageYes;
    if (remembered == kRememberNo) return MessageNo;
    PlaySoundCue(CueWrong);
    QPointer<QWidget> disabled = owner;
    if (owner) owner->setEnabled(false);

    auto box =
        std::make_unique<MessageBoxWindow>(owner, text, kind, message_box_layout(text, kind));
    current_box() = box.get();
    box->move(centred_on(owner, box->size()));
    // The first line tells a trace reader which question waits for an answer.
    trace("show_message_box: %s\n", text.section(QLatin1Char('\n'), 0, 0).toUtf8().constData());
    box->show();
    box->activateWindow();
    // The first button has the focus as soon as the box is active.
    box->focus_first_button();

    int result = box->wait();
    const bool checked = box->checked();

    if (disabled) disabled->setEnabled(true);
    box->hide();
    box.reset();
    if (checked) {
        remember_answer(memory_slot, result);
        result += MessageTicked;
    }
    return result;
}
