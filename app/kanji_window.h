#pragma once
// The Kanji Window: one kanji large with its meaning and every ON and KUN pronunciation. Not
// modal; at most one exists. Opening it again while it is up shows the new kanji in place. It
// opens at its remembered offset (option slots 25, 26) from the window it was opened from.
#include "frameless_window.h"
#include "kanji_record.h"

#include <QPointer>

class Button;

class KanjiWindow : public FramelessWindow {
    Q_OBJECT

  public:
    static constexpr int kWidth = 254, kHeight = 359;

    // `value` is a Learning List position when `by_position`, else a kanji number.
    static void open(QWidget* reference, int value, bool by_position);
    // Closes the window when it is up.
    static void close_if_open();
    // The window while it is up, else null.
    static KanjiWindow* instance();

    const KanjiRecord& record() const { return record_; }
    QWidget* reference() const { return reference_; }
    const Surface& contents() const { return contents_; }
    Button* close_button() const { return close_button_; }

  protected:
    void render(Surface& s) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    KanjiWindow();
    void show_kanji(int kanji);

    QPointer<QWidget> reference_;
    KanjiRecord record_{};
    Surface contents_;
    Button* close_button_ = nullptr;
    bool closing_ = false;
};
