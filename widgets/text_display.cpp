#include "text_display.h"

#include "drawing.h"
#include "palette.h"

TextDisplay* TextDisplay::create(QWidget* parent, int x, int y, int w, int h, const QString& text,
                                 bool bold, int y_offset, int size_delta) {
    const TextDisplayGeometry g{w, h, bold, y_offset, size_delta, palette::MediumBlue};
    auto* display = new TextDisplay(parent, g, text);
    display->setAccessibleName(text);
    display->move(x, y);
    display->refresh();
    display->show();
    return display;
}

TextDisplay::TextDisplay(QWidget* parent, const TextDisplayGeometry& g, const QString& text)
    : SurfaceWidget(parent, g.w, g.h), geometry_(g), text_(text) {
    // The box's rounded corners leave the parent's background showing.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    surface().resize_transparent(g.w, g.h);
}

void TextDisplay::set_text(const QString& text) {
    text_ = text;
    setAccessibleName(text); // what is shown large is what a screen reader reads
    refresh();
}

std::vector<PlacedText> TextDisplay::layout() const {
    const Surface& s = surface();
    return layout_text_display(
        geometry_, text_, [&s](const QString& t, const FontSpec& f) { return s.text_width(t, f); });
}

void TextDisplay::render() {
    surface().clear();
    fill_sunken_box(surface(), 0, 0, geometry_.w, geometry_.h, 1);
    draw_placed(surface(), layout());
    // The second of two lines reaches the bottom edge: the border goes back over the text.
    draw_sunken_box(surface(), 0, 0, geometry_.w, geometry_.h, 1);
}
