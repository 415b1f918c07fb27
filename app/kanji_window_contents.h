#pragma once
// The contents of the Kanji Window (226 x 302): the kanji large, its meaning, and its ON and KUN
// pronunciations, each entry in kana with its romaji beside it.
#include "surface.h"

struct KanjiRecord;

constexpr int kKanjiContentsWidth = 226;
constexpr int kKanjiContentsHeight = 302;

// The four sunken boxes of the contents (left, top, width, height).
constexpr QRect kKanjiBox(0, 20, 80, 80);
constexpr QRect kMeaningBox(96, 20, 130, 80);
constexpr QRect kOnBox(0, 124, 226, 72);
constexpr QRect kKunBox(0, 220, 226, 72);
// The width of a sunken box's border: readings stay inside it.
constexpr int kSunkenBorder = 2;

// Draws a record into a 226 x 302 surface; an all-zero record shows the labels and empty boxes.
void draw_kanji_contents(Surface& s, const KanjiRecord& record);
