#include "clue_panel.h"

#include "drawing.h"

CluePanel* CluePanel::create(QWidget* parent, int x, int y) {
    auto* panel = new CluePanel(parent);
    panel->move(x, y);
    panel->refresh();
    panel->show();
    return panel;
}

CluePanel::CluePanel(QWidget* parent) : SurfaceWidget(parent, kCluePanelWidth, kCluePanelHeight) {
    // The box's rounded corners leave the parent's background showing.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    surface().resize_transparent(kCluePanelWidth, kCluePanelHeight);
}

void CluePanel::set_clue(const GridQuestion& question, bool show_romaji) {
    question_ = question;
    show_romaji_ = show_romaji;
    has_clue_ = true;
    refresh();
}

void CluePanel::set_romaji(bool show_romaji) {
    show_romaji_ = show_romaji;
    refresh();
}

ClueLook CluePanel::look() const {
    const Surface& s = surface();
    return clue_look(question_, show_romaji_,
                     [&s](const QString& t, const FontSpec& f) { return s.text_width(t, f); });
}

void CluePanel::render() {
    Surface& s = surface();
    s.clear();
    fill_sunken_box(s, 0, 0, kCluePanelWidth, kCluePanelHeight, 0);
    if (!has_clue_) return;
    const ClueLook l = look();
    if (l.wrapped) {
        const QRect& r = l.wrap_rect;
        s.text_wrapped(r.left(), r.top(), r.left() + r.width(), r.top() + r.height(), l.clue.text,
                       l.clue.font, l.clue.colour);
    } else {
        s.text(l.clue.x, l.clue.y, l.clue.text, l.clue.font, l.clue.colour);
    }
    s.text(l.caption.x, l.caption.y, l.caption.text, l.caption.font, l.caption.colour);
}
