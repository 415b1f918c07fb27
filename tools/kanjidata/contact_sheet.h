#pragma once
// A contact sheet of kanji as the stroke order exercise shows them: the glyph, the mapped
// strokes over it and the numbered stroke starts.
#include "kanji_file_view.h"

#include <QImage>

#include <vector>

constexpr int kSheetColumns = 10;
constexpr int kSheetStep = 19; // every 19th kanji of the list
constexpr int kSheetKanji = 100;

// One exercise display (260 x 260) for a kanji.
QImage draw_exercise_cell(const StoredKanji& kanji);

// kSheetKanji kanji spread over the list, kSheetColumns to a row, each labelled with its number.
QImage draw_contact_sheet(const std::vector<StoredKanji>& kanji);
