#include "draw_kanji_candidates.h"

#include "drawing.h"
#include "palette.h"
#include "shell.h"

#include <QMouseEvent>

namespace {

constexpr int kKanjiSize = 30;
constexpr ColorRef kHoverFill = RGB(235, 241, 255);
constexpr ColorRef kNoticeColour = palette::BorderDark;

} // namespace

DrawKanjiCandidates::DrawKanjiCandidates(QWidget* parent, int x, int y, std::u16string kanji,
                                         std::function<void(int kanji)> on_choose)
    : SurfaceWidget(parent, kWidth, kHeight), kanji_(std::move(kanji)),
      on_choose_(std::move(on_choose)) {
    move(x, y);
    setMouseTracking(true);
    refresh();
    show();
}

QRect DrawKanjiCandidates::cell_rect(int cell) {
    return QRect(kMargin + cell * kCellWidth, 3, kCellWidth, kHeight - 6);
}

void DrawKanjiCandidates::set_candidates(std::vector<int> candidates, bool drawn) {
    if (candidates.size() > size_t(kCells)) candidates.resize(size_t(kCells));
    candidates_ = std::move(candidates);
    drawn_ = drawn;
    hovered_ = -1;
    setCursor(Qt::ArrowCursor);
    refresh();
}

QString DrawKanjiCandidates::notice() const {
    if (!candidates_.empty()) return {};
    return drawn_ ? QStringLiteral("No kanji matches these strokes.")
                  : QStringLiteral("The kanji that match your strokes appear here, best first.");
}

void DrawKanjiCandidates::render() {
    Surface& s = surface();
    fill_sunken_box(s, 0, 0, kWidth, kHeight, 0);
    if (candidates_.empty()) {
        const FontSpec font{QStringLiteral("Tahoma"), 11, false};
        s.text(12, (kHeight - s.line_height(font)) / 2, notice(), font, kNoticeColour);
        return;
    }
    for (int cell = 0; cell < int(candidates_.size()); ++cell)
        draw_cell(cell);
}

void DrawKanjiCandidates::draw_cell(int cell) {
    Surface& s = surface();
    const QRect r = cell_rect(cell);
    if (cell == hovered_)
        s.rounded_rect(r.left() + 1, r.top(), r.right() + 1, r.bottom() + 1, 8, 8, kHoverFill,
                       palette::BrightBlue);
    const int number = candidates_[size_t(cell)];
    if (number < 1 || number > int(kanji_.size())) return;
    const QString text = QString(QChar(kanji_[size_t(number - 1)]));
    const FontSpec font{App_JapaneseFace(), kKanjiSize, false};
    const int x = r.left() + (r.width() - s.text_width(text, font)) / 2;
    const int y = r.top() + (r.height() - s.line_height(font)) / 2;
    s.text(x, y, text, font, cell == hovered_ ? palette::BrightBlue : palette::Navy);
}

int DrawKanjiCandidates::cell_at(QPoint p) const {
    for (int cell = 0; cell < int(candidates_.size()); ++cell)
        if (cell_rect(cell).contains(p)) return cell;
    return -1;
}

void DrawKanjiCandidates::set_hovered(int cell) {
    if (cell == hovered_) return;
    hovered_ = cell;
    setCursor(cell >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    refresh();
}

void DrawKanjiCandidates::mouseMoveEvent(QMouseEvent* event) {
    set_hovered(cell_at(event->position().toPoint()));
}

void DrawKanjiCandidates::leaveEvent(QEvent*) {
    set_hovered(-1);
}

void DrawKanjiCandidates::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int cell = cell_at(event->position().toPoint());
    if (cell < 0 || !on_choose_) return;
    // A copy: the choice may pump messages, and the strip may be gone when it returns.
    const std::function<void(int)> choose = on_choose_;
    choose(candidates_[size_t(cell)]);
}
