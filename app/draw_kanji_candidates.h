#pragma once
// The strip of candidates under the drawing box: up to ten kanji in the Japanese face, best
// first from the left. The pointer over a candidate marks it; a click on it chooses it. With
// no strokes drawn, or none recognised, the strip says so instead.
#include "surface_widget.h"

#include <functional>
#include <string>
#include <vector>

class DrawKanjiCandidates : public SurfaceWidget {
    Q_OBJECT

  public:
    static constexpr int kCells = 10;
    static constexpr int kCellWidth = 39;
    static constexpr int kMargin = 5;
    static constexpr int kWidth = kCells * kCellWidth + 2 * kMargin, kHeight = 52;

    // `kanji`: character i is kanji number i + 1. `on_choose` gets a kanji number.
    DrawKanjiCandidates(QWidget* parent, int x, int y, std::u16string kanji,
                        std::function<void(int kanji)> on_choose);

    // Kanji numbers, best first (only the first kCells are shown); `drawn` says whether any
    // stroke was drawn (an empty list then means nothing was recognised).
    void set_candidates(std::vector<int> candidates, bool drawn);
    const std::vector<int>& candidates() const { return candidates_; }
    QString notice() const;
    int hovered() const { return hovered_; }
    // The cell's rectangle (strip coordinates).
    static QRect cell_rect(int cell);

  protected:
    void render() override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    int cell_at(QPoint p) const; // -1 off the candidates
    void set_hovered(int cell);
    void draw_cell(int cell);

    std::u16string kanji_;
    std::vector<int> candidates_;
    bool drawn_ = false;
    int hovered_ = -1;
    std::function<void(int)> on_choose_;
};
