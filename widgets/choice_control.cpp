#include "choice_control.h"

#include "palette.h"

#include <QApplication>
#include <QCursor>
#include <QTimerEvent>

namespace {
constexpr int kHoverIntervalMs = 10;
constexpr int kOneLineHeight = 16;
constexpr int kTwoLineHeight = 30;
constexpr int kBareSize = 14;
} // namespace

FontSpec ChoiceControl::caption_font(bool underline) {
    FontSpec f{QStringLiteral("Arial"), 12};
    f.underline = underline;
    return f;
}

ChoiceControl::Size ChoiceControl::size_for(const QString& caption, int max_width, Metrics m) {
    if (caption.isEmpty()) return {kBareSize, kBareSize, {}};
    Surface measurer;
    const FontSpec font = caption_font();
    Size size{measurer.text_width(caption, font) + m.caption_margin, kOneLineHeight, {}};
    size.lines.first = caption;
    if (max_width != -1 && size.width > max_width) {
        size.lines = wrap_caption(caption, max_width - m.wrap_margin,
                                  [&](const QString& s) { return measurer.text_width(s, font); });
        size.width = max_width;
        if (size.lines.wrapped()) size.height = kTwoLineHeight;
    }
    return size;
}

ChoiceControl::ChoiceControl(QWidget* parent, const Size& size)
    : SurfaceWidget(parent, size.width, size.height), lines_(size.lines) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void ChoiceControl::take_background(const Surface* background, QPoint at, bool lined,
                                    int first_line) {
    background_.resize(width(), height());
    if (background) {
        background_.blit(0, 0, background->image(), at.x(), at.y(), width(), height());
    } else {
        set_background_lines(lined, first_line);
    }
}

void ChoiceControl::set_background_lines(bool lined, int first_line) {
    background_.resize(width(), height());
    if (!lined) return;
    for (int y = first_line; y < height(); y += metrics::LineStep)
        background_.fill_rect(0, y, width(), y + 1, palette::LineActive);
}

void ChoiceControl::draw_caption(Surface& s, const CaptionLines& lines, ColorRef colour,
                                 bool underline, int x) {
    const FontSpec font = caption_font(underline);
    s.text(x, 0, lines.first, font, colour);
    if (lines.wrapped()) s.text(x, kChoiceSecondLine, lines.second, font, colour);
}

void ChoiceControl::start_hover(QPointer<ChoiceControl>& hovered_of_kind) {
    ChoiceControl* previous = hovered_of_kind;
    hovered_of_kind = this;
    if (previous && previous != this) previous->hover_ended();
    hover_timer_.start(kHoverIntervalMs, this);
}

void ChoiceControl::stop_hover(QPointer<ChoiceControl>& hovered_of_kind) {
    hover_timer_.stop();
    if (hovered_of_kind == this) hovered_of_kind = nullptr;
}

void ChoiceControl::timerEvent(QTimerEvent* event) {
    if (event->timerId() != hover_timer_.timerId()) return SurfaceWidget::timerEvent(event);
    if (!rect().contains(mapFromGlobal(QCursor::pos()))) hover_ended();
}

// The short low beep of a refused press.
void ChoiceControl::beep() {
    QApplication::beep();
}
