#pragma once
// The Learning List (data/llist.dat) and the completed list (data/clist.dat), with the refill
// that graduates complete kanji and tops the list up.
#include <cstdint>
#include <string>

// What the lists need from the windows: the main window's list rows and status, and the program's
// message box. The main window installs one; tests install a recorder.
class StudyListView {
  public:
    virtual ~StudyListView() = default;
    virtual void removeRow(int position) = 0;
    virtual void appendKanji(int kanji) = 0;
    virtual void refreshStatus() = 0;
    // An OK message box owned by the main window (UTF-8 text, "\n" for line breaks).
    virtual void showMessage(const std::string& text) = 0;
};
// Installs the view; null detaches it (the lists then work without showing anything).
void StudyLists_SetView(StudyListView* view);

void LearningList_Load();
// Replaces data/llist.dat atomically; false when it could not be written.
bool LearningList_Save();
int32_t LearningList_Count();
int32_t LearningList_At(int position);
bool LearningList_Contains(int kanji);
void LearningList_Append(int kanji);
void LearningList_RemoveAt(int position);
bool LearningList_RequireNotEmpty();
void LearningList_Refill();
void LearningList_Clear(); // empties the list in memory (tests)

void CompletedList_Load();
bool CompletedList_Save();
uint32_t CompletedList_AvailableCount();
uint32_t CompletedList_CompletedCount();
int32_t CompletedList_KanjiAt(int index);
void CompletedList_AddCompleted(int delta);

// Zero Word Score of one kanji: the completed count drops by one when the kanji had been
// counted as completed (its CompletedFlag is 1), then all its scores are reset.
void Scores_ZeroWordScore(int kanji);

extern const char* const kMessageListEmpty;
extern const char* const kMessageNoUnlearnedKanji;
