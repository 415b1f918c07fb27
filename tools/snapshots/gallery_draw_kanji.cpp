// Gallery: the Draw a Kanji window as it opens, after 水 was drawn along its own strokes (the
// candidates listed, the pointer over the first), Add Word after that candidate was clicked,
// and Add Word with its "Draw Kanji" button greyed when the handwriting model is missing.
#include "add_word_window.h"
#include "button.h"
#include "draw_kanji_box.h"
#include "draw_kanji_candidates.h"
#include "draw_kanji_window.h"
#include "gallery.h"
#include "gallery_sheet.h"
#include "gallery_stage.h"
#include "kanji_data.h"
#include "kanji_recogniser.h"
#include "learning_list.h"
#include "shell.h"
#include "stroke_mapping.h"

namespace {

constexpr int kWater = 44;

void click(QWidget* w, QPoint at) {
    send_mouse(w, QEvent::MouseButtonPress, at);
    send_mouse(w, QEvent::MouseButtonRelease, at);
}

QPoint box_point(int stroke, int point) {
    const auto [x, y] = KanjiData_StrokePoint(stroke, point);
    return {map_design(StrokeScreen::Practice, x), map_design(StrokeScreen::Practice, y)};
}

// Each stroke of the kanji pressed, moved along and released in the box, as the pointer would.
void draw_strokes(DrawKanjiBox* box, int kanji) {
    KanjiData_LoadStrokes(kanji);
    for (int s = 0; s < KanjiData_StrokeCount(); ++s) {
        const int points = KanjiData_StrokePointCount(s);
        send_mouse(box, QEvent::MouseButtonPress, box_point(s, 0));
        for (int p = 1; p < points; ++p)
            send_mouse(box, QEvent::MouseMove, box_point(s, p));
        send_mouse(box, QEvent::MouseButtonRelease, box_point(s, points - 1));
    }
}

void draw_kanji(Gallery& g) {
    GalleryStudyFolder folder;
    LearningList_Clear();
    QWidget* main = g.host(672, 499);
    Shell_Install(main, {});
    AddWordWindow::reset_search_mode();
    settle();
    AddWordWindow::open();
    AddWordWindow* add_word = AddWordWindow::instance();
    click(add_word->draw_button(), QPoint(5, 5));
    DrawKanjiWindow* w = DrawKanjiWindow::instance();
    settle(50);
    if (!w) return; // the model is not installed: nothing to show
    g.save("draw_kanji_opened", *w);

    draw_strokes(w->box(), kWater);
    const QPoint first = DrawKanjiCandidates::cell_rect(0).center();
    send_mouse(w->candidates(), QEvent::MouseMove, first);
    settle(50);
    g.save("draw_kanji_water", *w);

    click(w->candidates(), first);
    settle(50);
    g.save("draw_kanji_chosen_in_add_word", *add_word);
    add_word->close();
    settle();

    set_handwriting_model_path("/nonexistent/handwriting-ja.model");
    AddWordWindow::open();
    settle(50);
    g.save("draw_kanji_model_missing", *AddWordWindow::instance());
    AddWordWindow::instance()->close();
    set_handwriting_model_path({});
    settle();
    Shell_Install(nullptr, {});
}

GalleryRegistration reg("draw_kanji", &draw_kanji);

} // namespace
