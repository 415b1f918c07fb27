#pragma once
// RadioButton: one of several choices, mouse only. Sized to its caption like the check box; the
// owner keeps the one-of-many rule, clearing the others when one reports its selection.
#include "choice_control.h"

#include <functional>

class RadioButton : public ChoiceControl {
    Q_OBJECT

  public:
    using SelectFn = std::function<void(int)>; // called with 1 when the button becomes selected

    static RadioButton* create(QWidget* parent, const Surface* background, const QString& caption,
                               int x, int y, int max_width, bool checked, bool lined,
                               SelectFn on_select);
    void set_checked(bool flag);
    void set_enabled(bool flag);
    bool selected() const { return b_.selected(); }
    const RadioBehaviour& behaviour() const { return b_; }

    static void paint(Surface& s, const Surface& background, const RadioBehaviour& b,
                      const CaptionLines& lines);

  protected:
    void render() override;
    void hover_ended() override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    RadioButton(QWidget* parent, const Size& size, SelectFn on_select);
    void apply(const ChoiceEffects& fx);

    RadioBehaviour b_;
    SelectFn on_select_;
};
