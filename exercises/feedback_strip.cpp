#include "feedback_strip.h"

FeedbackStrip* FeedbackStrip::create(QWidget* parent, const Surface& background, int x, int y,
                                     int w, int h) {
    auto* strip = new FeedbackStrip(parent, w, h);
    strip->move(x, y);
    strip->background_.blit(0, 0, background.image(), x, y, w, h);
    strip->refresh();
    strip->show();
    return strip;
}

FeedbackStrip::FeedbackStrip(QWidget* parent, int w, int h)
    : SurfaceWidget(parent, w, h), background_(w, h) {}

void FeedbackStrip::show_lines(std::vector<PlacedText> lines) {
    lines_ = std::move(lines);
    refresh();
}

void FeedbackStrip::render() {
    surface().copy_from(background_, 0, 0);
    draw_placed(surface(), lines_);
}
