#pragma once
// Button: the program's push button. Image-faced, sized to its caption, with hover, press, focus,
// disabled and greyed looks, an optional colour swatch, blinking for attention, holding, a hint
// identifier for the help panel and an explanation popup after a one-second rest.
#include "button_state.h"
#include "explanation_popup.h"
#include "surface_widget.h"

#include <QBasicTimer>
#include <QPointer>
#include <functional>

class Button : public SurfaceWidget {
    Q_OBJECT

  public:
    using Callback = std::function<void()>;

    // `explanation` may be empty (no popup); `swatch` 0 means no swatch.
    static Button* create(QWidget* parent, int x, int y, const QString& caption, int font_size,
                          Callback on_press, Callback on_click, const QString& explanation,
                          int hint_id, ColorRef swatch);
    // Width for a caption: caption width in bold Tahoma + 28, + 11 with a swatch.
    static int width_for(const QString& caption, int font_size, bool with_swatch);

    void enable(bool flag);
    void set_shown_active(bool flag);
    void set_style(bool alt);
    void hold(int ms);
    void attention(bool flag);
    void focus();
    void set_tab_order(QWidget* next, QWidget* prev);
    void set_sound(bool flag) { b_.sound = flag; }
    // Stops the timers, closes an open popup and deletes the button later.
    void destroy() override;
    ~Button() override;

    const ButtonBehaviour& behaviour() const { return b_; }
    int state() const { return b_.state; }
    const QString& caption() const { return caption_; }
    ExplanationPopup* popup() const { return popup_; }

    // Paints the face for a behaviour state into `s` (width x 24).
    static void paint(Surface& s, const ButtonBehaviour& b, const QString& caption, int font_size,
                      bool alt_style, ColorRef swatch);

  protected:
    void render() override;
    bool event(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    Button(QWidget* parent, const QString& caption, int font_size, Callback on_press,
           Callback on_click, const QString& explanation, int hint_id, ColorRef swatch);
    void apply(const ButtonEffects& fx);
    void open_popup();
    void close_popup();
    void press_enter();
    void move_focus(QWidget* target);

    ButtonBehaviour b_;
    QString caption_;
    QString explanation_;
    int font_size_;
    bool alt_style_ = false;
    ColorRef swatch_;
    Callback on_press_;
    Callback on_click_;
    QPointer<QWidget> next_focus_;
    QPointer<QWidget> prev_focus_;
    QPointer<ExplanationPopup> popup_;
    QBasicTimer hover_timer_;
    QBasicTimer blink_timer_;
    QBasicTimer hold_timer_;
};
