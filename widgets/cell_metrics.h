#pragma once
// Text cell metrics as the program's layouts expect them: the cell's ascent and height come from
// the font's Windows metrics (OS/2 usWinAscent and usWinDescent), which for Wine's Tahoma are
// markedly taller than the typographic ascender Qt reports. Text placed by the top-left of its
// cell then lands where the layouts put it.
#include <QFont>

int cell_ascent(const QFont& font);
int cell_height(const QFont& font);
