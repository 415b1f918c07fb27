#pragma once
// TextDisplay: one text, as large as its sunken box allows (typically the question of a
// multiple-choice exercise), falling back to a smaller font on up to two lines.
#include "surface_widget.h"
#include "text_display_layout.h"

class TextDisplay : public SurfaceWidget {
  public:
    // `text` may be empty. The large font is h - size_delta high, its line at y_offset.
    static TextDisplay* create(QWidget* parent, int x, int y, int w, int h, const QString& text,
                               bool bold, int y_offset, int size_delta);

    void set_text(const QString& text);
    void redraw() { refresh(); }
    const QString& text() const { return text_; }
    // The lines as they are drawn now.
    std::vector<PlacedText> layout() const;

  protected:
    void render() override;

  private:
    TextDisplay(QWidget* parent, const TextDisplayGeometry& g, const QString& text);

    TextDisplayGeometry geometry_;
    QString text_;
};
