#pragma once
// The popup that shows the whole text of a choice row too long for the panel, over the row. A
// click on it answers with that row.
#include "surface.h"

#include <QWidget>
#include <functional>

class ChoicePopup : public QWidget {
    Q_OBJECT

  public:
    // Opens over the row: at `screen_pos` (the panel's screen left + 33, the row's screen top).
    static ChoicePopup* open(QWidget* owner, QPoint screen_pos, int row, const QString& text,
                             const FontSpec& font, std::function<void(int row)> on_click);
    int row() const { return row_; }
    const QString& text() const { return text_; }
    // Hides the popup and deletes it later.
    void close_popup();

    static void paint(Surface& s, const QString& text, const FontSpec& font);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    ChoicePopup(QWidget* owner, int row, const QString& text, const FontSpec& font,
                std::function<void(int)> on_click);

    int row_;
    QString text_;
    Surface surface_;
    std::function<void(int)> on_click_;
};
