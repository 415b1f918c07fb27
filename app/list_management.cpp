// The main window's list-management commands: Remove Word and Zero Word Score.
#include "kanji_list.h"
#include "learning_list.h"
#include "main_window.h"
#include "message_box.h"
#include "scores.h"

namespace {

const char* const kQuestionMarkCompleted = "Would you like to mark removed words as completed?";

// Slots 0 to 5 and the completed flag. Returns whether the kanji counted as completed before.
bool mark_completed(int kanji) {
    const bool counted = Scores_Get(kanji)[CompletedFlag] == 1;
    for (int slot = KanjiMeaningMC; slot <= MarkedSlot; ++slot)
        Scores_SetSlot(kanji, slot, 1);
    Scores_SetSlot(kanji, CompletedFlag, 1);
    return counted;
}

} // namespace

// The highlighted rows. The view keeps its selection right as rows come and go, so a row that a
// refill removed, or moved up, is never taken for the one the user chose.
std::vector<int> MainWindow::selected_positions() const {
    std::vector<int> rows;
    list_->selected_indices(rows);
    return rows;
}

void MainWindow::remove_word() {
    const std::vector<int> rows = selected_positions();
    if (rows.empty()) return;
    const int answer =
        show_message_box(this, QString::fromLatin1(kQuestionMarkCompleted), MessageYesNo, -1) % 10;
    if (answer == MessageClosed) return;
    const bool mark = answer == MessageYes;
    for (auto p = rows.rbegin(); p != rows.rend(); ++p) {
        // The completed count rises only for a kanji that did not count as completed already
        // (a second copy on the list, say), so that it keeps matching the kanji flagged completed.
        const bool counted = mark && mark_completed(LearningList_At(*p));
        list_->remove(*p);
        LearningList_RemoveAt(*p);
        if (mark && !counted) CompletedList_AddCompleted(+1);
    }
    show_summary(-1);
    refresh_status();
}

void MainWindow::zero_word_score() {
    const std::vector<int> rows = selected_positions();
    if (rows.empty()) return;
    for (auto p = rows.rbegin(); p != rows.rend(); ++p)
        Scores_ZeroWordScore(LearningList_At(*p));
    show_summary(rows.back());
}
