#pragma once
// The feedback line under an exercise's question: its texts over the window's background.
#include "placed_text.h"
#include "surface_widget.h"

class FeedbackStrip : public SurfaceWidget {
  public:
    // `background` is the parent's painted surface; the strip keeps the piece under it.
    static FeedbackStrip* create(QWidget* parent, const Surface& background, int x, int y, int w,
                                 int h);

    void show_lines(std::vector<PlacedText> lines);
    const std::vector<PlacedText>& lines() const { return lines_; }

  protected:
    void render() override;

  private:
    FeedbackStrip(QWidget* parent, int w, int h);

    Surface background_;
    std::vector<PlacedText> lines_;
};
