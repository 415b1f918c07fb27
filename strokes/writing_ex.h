#pragma once
// The stroke order practice window as the program opens, drives and closes it. At most one
// exists; WritingEx_Open is declared in stroke_screens.h for the main window.
#include "stroke_screens.h"

class AnimationClock;
class PracticeWindow;

// The practice window open now, or null.
PracticeWindow* WritingEx_Window();

// Closes the window: the main window is enabled again, the window's offset stored in option
// slots 33 and 34, the window hidden, the animation stopped (and waited for), the window
// destroyed and the main window's active look given back. The Learning List is not touched.
void WritingEx_Close();

// The actions of the open window (nothing when none is open).
void WritingEx_LoadKanji(int position);
void WritingEx_ShowStrokes();
void WritingEx_StartAnimation();
void WritingEx_Practice();
void WritingEx_Restart();
void WritingEx_Previous();
void WritingEx_Next();

// The clock of the animation of windows opened from now on; null: the real one (tests).
void WritingEx_SetAnimationClock(AnimationClock* clock);
