#pragma once
// CheckBox: toggles an option. Sized to its caption (wrapped onto a second line when wider than
// the limit), blends into the panel behind it, underlines its caption while hovered, takes the
// keyboard focus and the Tab order, and reports each change.
#include "choice_control.h"

#include <functional>

class CheckBox : public ChoiceControl {
    Q_OBJECT

  public:
    using ChangeFn = std::function<void(bool checked)>;

    // `background` holds the parent's painted background (or null); `max_width` -1 is no limit;
    // `line_phase` is the y of the first background line when there is no background.
    static CheckBox* create(QWidget* parent, const Surface* background, const QString& caption,
                            int x, int y, int max_width, int line_phase, bool checked,
                            ChangeFn on_change);

    void set_lined(bool flag);
    void set_greyed(bool flag);
    void set_enabled(bool flag);
    void set_locked(bool flag);
    void set_checked(bool flag);
    void set_hint_id(int id) { b_.hint_id = id; }
    void focus();
    void set_tab_order(QWidget* next, QWidget* prev);

    bool checked() const { return b_.checked(); }
    const CheckBoxBehaviour& behaviour() const { return b_; }

    // Paints the face for a state over `background` into `s`.
    static void paint(Surface& s, const Surface& background, const CheckBoxBehaviour& b,
                      const CaptionLines& lines);

  protected:
    void render() override;
    void hover_ended() override;
    bool event(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    CheckBox(QWidget* parent, const Size& size, int line_phase, ChangeFn on_change);
    void apply(const ChoiceEffects& fx);

    CheckBoxBehaviour b_;
    int line_phase_;
    ChangeFn on_change_;
    QPointer<QWidget> next_focus_;
    QPointer<QWidget> prev_focus_;
};
