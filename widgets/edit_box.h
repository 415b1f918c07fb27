#pragma once
// EditBox: a single-line text field (a line edit inside a thin owner-drawn frame) with the
// program's bold font in bright blue on white, Tab order, an Enter action, a length limit that
// beeps, a change notification and input-method switching when it gains focus.
#include "surface_widget.h"

#include <QPointer>
#include <functional>

class QLineEdit;

// How the field behaves, combined with |. The field always scrolls its text horizontally.
enum EditStyle : int {
    EditAutoScroll = 0, // what the screens ask for
    EditCentred = 1,
    EditRightAligned = 2,
    EditReadOnly = 4,
    EditPassword = 8,
};

class EditBox : public SurfaceWidget {
  public:
    using ChangeHandler = std::function<void(int text_length)>;

    // `h` 0 means font_size + 8. The font is font_size high (+2 below 15).
    static EditBox* create(QWidget* parent, int x, int y, int w, int h, int font_size,
                           int edit_style, ChangeHandler on_change);

    // -1: no limit. A longer text is not cut; it beeps when the input method delivers it.
    void set_max_length(int n) { max_length_ = n; }
    void set_tab_order(QWidget* next, QWidget* prev);
    void set_on_enter(std::function<void()> on_enter) { on_enter_ = std::move(on_enter); }
    // 0 leaves the input method alone, 1 asks for alphabetic input, 2 for native input, each
    // time the field gains focus.
    void set_input_mode(int mode) { input_mode_ = mode; }
    void focus();
    // The text, at most 255 characters, or max_length - 1 with a limit; empty when the field
    // is known to be empty.
    QString get_text() const;
    void enable(bool flag);
    int text_length() const { return text_length_; }
    QLineEdit* edit() const { return edit_; }

    // Where beeps go (the system's by default); tests record them.
    static void set_beep(std::function<void()> beep);

  protected:
    void render() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    EditBox(QWidget* parent, int w, int h, int font_size, ChangeHandler on_change);
    void apply_style(int edit_style);
    void focus_gained();
    void text_changed();
    bool key_pressed(QKeyEvent* key);
    void check_length();
    // Hands an event to the line edit now, past this filter.
    void deliver(QEvent* event);

    QLineEdit* edit_ = nullptr;
    ChangeHandler on_change_;
    std::function<void()> on_enter_;
    QPointer<QWidget> next_focus_;
    QPointer<QWidget> prev_focus_;
    int input_mode_ = 0;
    int max_length_ = -1;
    int text_length_ = 0;
    bool enabled_ = true;
};
