#pragma once
// The practice's feedback panel (220 x 260): out of practice mode the kanji and the instructions,
// in practice mode the verdicts of the feedback list.
#include "feedback_list.h"
#include "surface.h"

constexpr int kFeedbackPanelWidth = 220;
constexpr int kFeedbackPanelHeight = 260;

// Draws the panel into the top-left 220 x 260 of `s`; the caller repaints its window.
void DrawFeedbackPanel(Surface& s, const FeedbackList& list, bool practice_mode, char16_t kanji);
