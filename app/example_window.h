#pragma once
// The Example Window: one example word large with its reading and meaning. Not modal; at most one
// exists. It belongs to the review window, opens at its remembered offset from it (option slots
// 28, 29) and shows the next example in place when opened again.
#include "frameless_window.h"

#include <QPointer>

class Button;
struct ExampleRecord;

constexpr int kExampleContentsWidth = 272;
constexpr int kExampleContentsHeight = 70;

// Draws an example into a 272 x 70 surface; an all-zero record shows an empty box.
void draw_example_contents(Surface& s, const ExampleRecord& example);

class ExampleWindow : public FramelessWindow {
    Q_OBJECT

  public:
    static constexpr int kWidth = 300, kHeight = 143;

    static void open(QWidget* reference, int example_id);
    static void close_if_open();
    static ExampleWindow* instance();

    QWidget* reference() const { return reference_; }
    const Surface& contents() const { return contents_; }
    Button* close_button() const { return close_button_; }

  protected:
    void render(Surface& s) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    explicit ExampleWindow(QWidget* reference);
    void show_example(int example_id);

    QPointer<QWidget> reference_;
    Surface contents_;
    Button* close_button_ = nullptr;
    bool closing_ = false;
};
