#pragma once
// The feedback line of the multiple-choice and grid exercises: what it says in each question
// state.
//
//   state | name            | question | entered by
//   ------+-----------------+----------+------------------------------------------
//    -1   | AwaitingAnswer  | open     | loading a kanji
//     0   | Incorrect       | open     | a wrong answer
//     1   | Correct         | closed   | a right answer, more kanji follow
//     2   | CorrectLast     | closed   | a right answer on the last kanji
//     3   | AnswerShown     | closed   | Show Answer, more kanji follow
//     4   | AnswerShownLast | closed   | Show Answer on the last kanji
#include "placed_text.h"

#include <vector>

enum FeedbackState : int {
    AwaitingAnswer = -1,
    Incorrect = 0,
    Correct = 1,
    CorrectLast = 2,
    AnswerShown = 3,
    AnswerShownLast = 4,
};

// Answers are taken, and the pointer highlight follows the mouse, only while the question is open.
inline bool question_open(int state) {
    return state == AwaitingAnswer || state == Incorrect;
}

enum class FeedbackStyle { MultipleChoice, Grid };

// The countdown shown while auto-progress waits: "Autoprogressing in 1.5 seconds.".
constexpr int kAutoProgressMs = 1500;
QString countdown_text();

std::vector<PlacedText> feedback_line(FeedbackStyle style, int state, bool in_sequence,
                                      bool auto_progress);

// Colours of the feedback line.
namespace feedback_colour {
constexpr ColorRef Prompt = 0xc0c0c0;
constexpr ColorRef Wrong = 0x0000c0;
constexpr ColorRef Right = 0xff0000;
constexpr ColorRef Note = 0xc00000;
} // namespace feedback_colour
