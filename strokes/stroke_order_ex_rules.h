#pragma once
// The rules of the stroke order exercise, apart from its window: which click finds the next
// stroke start, the question states with their feedback texts, and what each click costs or
// earns. The states are the exercise's own (not the FeedbackState of the other exercises):
//
//   state | entered when                                        | clicks judged
//   ------+-----------------------------------------------------+--------------
//    -1   | a click missed the next start                       | yes
//     0   | the kanji is loaded                                 | yes
//     1   | a start was found and more remain                   | yes
//     2   | the last start found without a miss, more kanji     | no
//     3   | as 2, on the list's last kanji                      | no
//     4   | the last start found after a miss, more kanji;      | no
//         | or Show Answer before the last position             |
//     5   | the last start found after a miss, last kanji       | no
//     6   | Show Answer at the last position                    | no
#include "placed_text.h"
#include "stroke_store.h"

#include <vector>

enum StrokeOrderState : int {
    StrokeOrderMissed = -1,
    StrokeOrderAwaiting = 0,
    StrokeOrderFound = 1,
    StrokeOrderComplete = 2,
    StrokeOrderCompleteLast = 3,
    StrokeOrderDone = 4,
    StrokeOrderDoneLast = 5,
    StrokeOrderAllShown = 6,
};

// A click within this many pixels left of and above a start, and less right of and below it,
// finds it: the square (sx - 15, sy - 15, sx + 15, sy + 15) without its right and bottom edges.
constexpr int kStartReach = 15;
bool stroke_start_hit(const StrokeStart& start, int x, int y);

// One kanji's question.
struct StrokeOrderQuestion {
    int found = 0; // starts found so far
    int state = StrokeOrderAwaiting;
    bool first_attempt = true; // no miss and no Show Answer yet
};

// What a click in the display brings about.
struct StrokeOrderClick {
    bool judged = false;       // the question was open: the feedback line is redrawn
    bool hit = false;          // the next start was found: the display is redrawn
    bool complete = false;     // it was the last start: Show Answer is disabled
    int cue = -1;              // the sound cue
    bool write_slot = false;   // score slot 3 of the kanji becomes 1
    bool reset_scores = false; // every score slot of the kanji becomes 0
};

// Judges a click at (x, y) against the next start. `on_last_kanji`: the current kanji is the
// kanji of the list's last entry. Clicks once every start is found change nothing.
StrokeOrderClick StrokeOrderEx_Judge(StrokeOrderQuestion& q, const StrokeStarts& starts, int x,
                                     int y, bool on_last_kanji);

// Show Answer: every start is shown and nothing is scored; false (nothing changed) once the
// starts were all found or shown. `at_last_position`: the current position is the list's last.
bool StrokeOrderEx_Reveal(StrokeOrderQuestion& q, int stroke_count, bool at_last_position);

// The two lines of the feedback line in a state: the first at (0, 0), the second at (0, 16).
std::vector<PlacedText> stroke_order_feedback(int state, bool in_sequence, bool auto_progress);

// Colours of the feedback line.
namespace stroke_order_colour {
constexpr ColorRef Prompt = RGB(192, 192, 192);
constexpr ColorRef Wrong = RGB(192, 0, 0);
constexpr ColorRef Right = RGB(0, 0, 255);
constexpr ColorRef Note = RGB(0, 0, 192);
} // namespace stroke_order_colour
