#pragma once
// The 106 option slots, mirrored whole into brushwise.opt.
#include <cstdint>

constexpr int kOptionSlots = 106;

enum OptionSlot : int {
    OptMainWindowSaved = 0,
    OptMainWindowX = 1,
    OptReviewOffset = 3,
    OptMeaningMCOffset = 5,
    OptOnMCOffset = 7,
    OptKunMCOffset = 9,
    OptStrokeOrderOffset = 11,
    OptKanjiGridOffset = 13,
    OptExcludeCompleted = 15,
    OptAutoProgressMeaning = 16,
    OptAutoProgressOn = 17,
    OptAutoProgressKun = 18,
    OptAutoProgressStrokeOrder = 19,
    OptAutoProgressGrid = 20,
    OptRomajiOn = 21,
    OptRomajiKun = 22,
    OptRomajiGrid = 23,
    OptAddWordShowMeanings = 24,
    OptKanjiWindowOffset = 25,
    OptReviewShowStrokeOrder = 27,
    OptExampleWindowOffset = 28,
    OptRememberAlreadyListed = 31,
    OptRememberCompleted = 32,
    OptPracticeWindowOffset = 33, // 33 and 34
    OptDrawKanjiOffset = 35,      // 35 and 36: the Draw a Kanji window's offset from Add Word
};

void Options_Load();
// Replaces brushwise.opt atomically; false when it could not be written.
bool Options_Save();
// -1 for index -1; 0 for any other index outside 0..105.
int32_t get_option_slot(int index);
// Stores the value and saves the file at once; an index outside 0..105 is ignored.
void set_option_slot(int index, int32_t value);
// All slots back to 0 without touching the file (tests).
void Options_Clear();
