#include "review_kanji_display.h"

#include "glyph_display.h"
#include "kanji_data.h"
#include "palette.h"
#include "stroke_box.h"

ReviewKanjiDisplay::ReviewKanjiDisplay(QWidget* parent, int x, int y, Button* button,
                                       bool show_numbers, AnimationClock* clock)
    : box_(new StrokeBox(parent, x, y, kReviewBoxSize, kReviewBoxSize)),
      animation_(std::make_unique<StrokeAnimation>(AnimationFlavour::Review,
                                                   animation_host(box_, button), clock)),
      show_numbers_(show_numbers) {
    box_->setObjectName(QStringLiteral("ReviewKanjiDisplayWindow"));
    box_->show();
}

ReviewKanjiDisplay::~ReviewKanjiDisplay() {
    stop();
    delete box_.data();
}

int ReviewKanjiDisplay::load_strokes(int kanji) {
    stop();
    kanji_ = kanji;
    KanjiData_LoadStrokes(kanji);
    StrokeStarts_Load(starts_, StrokeScreen::Review);
    return KanjiData_StrokeCount();
}

void ReviewKanjiDisplay::redraw() {
    stop();
    if (!box_) return;
    box_->canvas().draw([this](Surface& s) {
        // Whatever the box showed goes: the sunken box's corners blend into what lies under them.
        s.fill_rect(0, 0, s.width(), s.height(), palette::White);
        DrawReviewGlyphDisplay(s, character_, starts_, show_numbers_);
    });
    box_->update();
}

void ReviewKanjiDisplay::set_show_numbers(bool show) {
    stop();
    if (show == show_numbers_) return;
    show_numbers_ = show;
    redraw();
}

void ReviewKanjiDisplay::animate() {
    if (animating() || kanji_ < 0) return;
    // The shared stroke buffer may have been read for another kanji since this one loaded.
    KanjiData_LoadStrokes(kanji_);
    StrokeSet_Load(strokes_, StrokeScreen::Review);
    StrokeAnimation_Start(*animation_, strokes_);
}

void ReviewKanjiDisplay::stop() {
    StrokeAnimation_Stop(*animation_);
}
