#pragma once
// The splash picture shown while the program starts: res/splash.bmp, 362 x 247, centred on the
// screen, up for at least two seconds.
#include <QPoint>
#include <QSize>
#include <QtGlobal>

class QWidget;

constexpr int kSplashWidth = 362;
constexpr int kSplashHeight = 247;
constexpr int kSplashMinimumMs = 2000;

// Shows the splash over `owner` and notes the time.
void Splash_Show(QWidget* owner);
// Waits until the splash has been up for the minimum time, then closes it. Does nothing when no
// splash is up.
void Splash_Close();
// The splash window while it is up, else null.
QWidget* Splash_Window();
// Tests shorten the minimum time; a negative value restores the two seconds.
void Splash_SetMinimumDuration(int ms);

// How long Splash_Close still waits, shown at `shown_at` and asked at `now` (milliseconds).
qint64 splash_remaining_wait(qint64 shown_at, qint64 now, int minimum_ms);
// The splash's top-left on a screen of the given size (an arithmetic halving: it may be
// negative on a screen smaller than the splash).
QPoint splash_position(QSize screen);
