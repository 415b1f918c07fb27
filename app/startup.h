#pragma once
// The start-up: one running copy, the options, the main window with its splash, the Japanese
// font check, the study data, the refill, and the message loop.
#include <QPoint>
#include <QRect>
#include <optional>

class QApplication;

// Said before the program ends when data/kanji.dat is missing or damaged.
extern const char* const kMessageKanjiDataDamaged;

// Everything after the application object exists; returns the process's exit code.
int App_Run(QApplication& app);

// The start-up proper, from loading the options to showing the main window. Returns an exit
// code when the program is to end here (0: the user chose the font instructions; 1: the kanji
// data is missing or damaged), else nothing.
std::optional<int> App_Start();

// Where the main window opens: the saved position once the window has been created before
// (option slot 0 set) unless it lies beyond 16-bit window coordinates, else centred in the work
// area (its right and bottom edges halved).
QPoint main_window_position(bool saved, QPoint saved_position, const QRect& work_area);
