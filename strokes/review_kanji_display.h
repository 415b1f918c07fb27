#pragma once
// The review window's kanji display: the kanji at 180 pixels with, when asked, the number of
// every stroke at its start; or the animation of its strokes, drawn by a worker into the same
// box. Every change of the picture stops a running animation first and waits for it.
#include "stroke_animation.h"
#include "stroke_box.h"
#include "stroke_store.h"

#include <QPointer>
#include <memory>

class Button;
class QWidget;

class ReviewKanjiDisplay {
  public:
    // A 200 x 200 box at (x, y) of the parent; `button` is held down while the animation runs.
    ReviewKanjiDisplay(QWidget* parent, int x, int y, Button* button, bool show_numbers,
                       AnimationClock* clock);
    // Stops the animation, then deletes the box.
    ~ReviewKanjiDisplay();
    ReviewKanjiDisplay(const ReviewKanjiDisplay&) = delete;
    ReviewKanjiDisplay& operator=(const ReviewKanjiDisplay&) = delete;

    // Reads the kanji's strokes and maps their starts; returns the stroke count. The picture is
    // drawn by redraw().
    int load_strokes(int kanji);
    void set_character(char16_t kanji) { character_ = kanji; }
    // The glyph with or without its numbers, in place of whatever the box shows.
    void redraw();
    // Stores the flag and redraws (after stopping the animation).
    void set_show_numbers(bool show);
    // Fills the stroke set from the kanji's strokes and starts the animation.
    void animate();
    // Stops the animation and waits for its worker; nothing when none runs.
    void stop();

    bool animating() const { return animation_->running(); }
    const StrokeAnimation& animation() const { return *animation_; }
    bool show_numbers() const { return show_numbers_; }
    char16_t character() const { return character_; }
    int kanji() const { return kanji_; }
    const StrokeStarts& starts() const { return starts_; }
    StrokeBox* box() const { return box_.data(); }

  private:
    QPointer<StrokeBox> box_;
    std::unique_ptr<StrokeAnimation> animation_;
    StrokeStarts starts_;
    StrokeSet strokes_; // refilled at every start of the animation
    int kanji_ = -1;
    char16_t character_ = 0;
    bool show_numbers_;
};
