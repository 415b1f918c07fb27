#pragma once
// ExplanationPopup: the small yellow note a Button opens when the mouse rests on it. A frameless
// top-level window that never takes activation; its bottom-right corner sits at the cursor.
#include "surface.h"

#include <QWidget>

class ExplanationPopup : public QWidget {
    Q_OBJECT

  public:
    // Opens the popup for `text` at the cursor (screen coordinates).
    static ExplanationPopup* open(QWidget* owner, const QString& text, QPoint cursor);
    // Size for a text: text width + 10 by text height + 4.
    static QSize size_for(const QString& text);
    // Top-left for a popup of `size` whose bottom-right is at the cursor; a coordinate that would
    // be negative is the cursor's own.
    static QPoint position_for(QPoint cursor, QSize size);
    // Paints a popup of the given size into `s`.
    static void paint(Surface& s, const QString& text);
    void close_popup();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ExplanationPopup(QWidget* owner, const QString& text);
    Surface surface_;
};
