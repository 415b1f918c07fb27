#pragma once
// The strokes screens as the main window and the exercise sequence open them.

// The review window ("Review Learning List Kanji").
void Review_Open();
// The stroke order practice window ("Stroke Order Practice").
void WritingEx_Open();
// The stroke order exercise; the start-up registers it with Exercises_SetStrokeOrderOpener.
void StrokeOrderEx_Open(bool in_sequence);
