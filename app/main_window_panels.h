#pragma once
// What the main window's panels draw, from plain values: the window's background and captions,
// the status counts, the selected word's summary, the exercise headings and the help text.
#include "help_texts.h"
#include "kanji_record.h"
#include "surface.h"

struct StatusCounts {
    int listed = 0;
    int available = 0;
    int completed = 0;
};

// The lined background under the caption bar and the six panel captions.
void paint_main_background(Surface& s, bool active);
void paint_status_panel(Surface& s, const StatusCounts& counts, bool active);
// `record` is all zeros when no word is selected.
void paint_summary_panel(Surface& s, const KanjiRecord& record, const Surface& strip,
                         const QString& japanese_face, bool active);
void paint_exercise_headings(Surface& s, bool active);
void paint_help_panel(Surface& s, const HelpText& text, bool enabled);
