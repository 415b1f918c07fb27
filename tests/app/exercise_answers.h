#pragma once
// Answers to the open exercise's question, given where the user gives them: a row of the
// choices, a cell of the grid, the stroke starts.
#include "choice_exercise.h"
#include "choice_panel.h"
#include "choice_rows.h"
#include "exercise_framework.h"
#include "grid_exercise.h"
#include "grid_panel.h"
#include "stroke_box.h"
#include "stroke_mapping.h"
#include "stroke_order_ex.h"

#include <QTest>

// Right: the correct row, the target cell, every stroke start still to find in order. Wrong:
// the row `wrong_row` below the correct one, the cell beside the target, a click away from the
// next start.
inline void answer_question(ExerciseWindow* w, bool right, int wrong_row = 1) {
    const auto click = [](QWidget* on, QPoint at) {
        QTest::mouseClick(on, Qt::LeftButton, {}, at);
    };
    if (auto* c = dynamic_cast<ChoiceExerciseWindow*>(w)) {
        const int correct = c->question().correctPosition;
        const int row = right ? correct : (correct + wrong_row) % kChoiceRows;
        click(c->panel(), QPoint(100, kChoiceRowHeight * row + 16));
    } else if (auto* g = dynamic_cast<GridExerciseWindow*>(w)) {
        const GridQuestion& q = g->question();
        const int column = right ? q.target_column : (q.target_column + 1) % kGridColumns;
        click(g->grid(), QPoint(40 * column + 20, 40 * q.target_row + 20));
    } else if (auto* s = dynamic_cast<StrokeOrderExWindow*>(w)) {
        const StrokeStarts& starts = s->starts();
        for (int i = s->found(); i < starts.stroke_count(); ++i) {
            const StrokeStart& next = starts.start(i);
            if (!right) {
                const int x = next.x < kExerciseBoxSize / 2 ? kExerciseBoxSize - 5 : 5;
                return click(s->display(), QPoint(x, next.y));
            }
            click(s->display(), QPoint(next.x, next.y));
        }
    }
}
