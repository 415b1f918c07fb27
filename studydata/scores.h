#pragma once
// data/scores.dat: 20 32-bit slots per kanji at byte 80 * kanji, written through at once.
#include <cstdint>
#include <vector>

enum ScoreSlot : int {
    KanjiMeaningMC = 0,
    OnPronunciationMC = 1,
    KunPronunciationMC = 2,
    StrokeOrderExercise = 3,
    KanjiGridSearch = 4,
    MarkedSlot = 5,
    CompletedFlag = 19,
};
constexpr int kScoreSlots = 20;

// Opens (creating with 1945 zero records when missing) and keeps the file open.
void Scores_Open();
// The kanji's 20 slots in a shared buffer that the next call overwrites; words beyond the end of
// the file (or of a damaged file) read as 0.
const uint32_t* Scores_Get(int kanji);
// The slots of kanji 0 to `last`, read from the file in one go: kanji k's 20 slots start at word
// 20 * k. Words beyond the end of the file read as 0, as with Scores_Get.
std::vector<uint32_t> Scores_GetUpTo(int last);
void Scores_SetSlot(int kanji, int slot, uint32_t value);
void Scores_Reset(int kanji);
// Slots 0, 3, 4 passed, slot 1 passed or no ON reading, slot 2 passed or no KUN reading.
bool Scores_IsComplete(int kanji);
// The same rule on slots already read (`slots` holds the kanji's 20 slots).
bool Scores_SlotsComplete(int kanji, const uint32_t* slots);
// Closes the file (tests, and the next Scores_Open reopens it).
void Scores_Close();
