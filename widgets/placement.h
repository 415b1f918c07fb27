#pragma once
// Where a new window opens over another, and remembering where the user left it.
#include <QPoint>
#include <QRect>

class QWidget;

// The x that asks for a window centred on the reference.
constexpr int kCentreOnReference = -65000;

// Screen position of a w x h window opened over `reference` (its screen rectangle): centred on it
// when x is kCentreOnReference, else at the reference's top-left plus (x, y); then kept 4 pixels
// inside the work area, left and top first, right and bottom last.
QPoint place_window(int x, int y, int w, int h, const QRect& reference, const QRect& work_area);
// The same for a reference window, inside the work area of its screen.
QPoint place_window(int x, int y, int w, int h, const QWidget* reference);

// Stores the window's left and top relative to the reference's in option slots slot and slot + 1.
void remember_window_offset(const QWidget* window, const QWidget* reference, int slot);
