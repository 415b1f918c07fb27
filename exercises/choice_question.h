#pragma once
// The question of a multiple-choice exercise: the kanji's own answer and four wrong answers drawn
// from the Learning List and the whole kanji set, in rows 0..4 with the right one at a random row.
#include "exercises.h"
#include "kanji_source.h"

#include <array>
#include <string>

enum class ChoiceKind { Meaning, On, Kun };
ChoiceKind choice_kind(ExerciseKind kind);

constexpr int kChoiceRows = 5;
constexpr int kWrongAnswers = 4;

struct ChoiceQuestion {
    int kanji = -1;
    char16_t character = 0;
    std::u16string right_text;   // Meaning, OnPronun or KunPronun
    std::u16string right_romaji; // OnRomaji or KunRomaji (ON and KUN)
    // The wrong answers in their shuffled order; -1 and empty texts where none was found.
    std::array<int, kWrongAnswers> wrong_kanji{-1, -1, -1, -1};
    std::array<std::u16string, kWrongAnswers> wrong_texts;
    std::array<std::u16string, kWrongAnswers> wrong_romaji;
    int correctPosition = 0;

    // The kanji shown in a row and its text (the romaji text when `romaji`).
    int row_kanji(int row) const;
    const std::u16string& row_text(int row, bool romaji) const;
};

// Builds the question for `kanji`, the exercise list holding `exercise_count` kanji. Draws from
// the program's generator in a fixed order.
ChoiceQuestion build_choice_question(ChoiceKind kind, int kanji, int exercise_count,
                                     KanjiSource& source);

// Draw limits. The meaning exercise's Learning-List phase gives up after this many draws without
// enough distinct meanings; the ON and KUN exercises after 10.
constexpr int kMeaningListDrawLimit = 100;
constexpr int kReadingListDrawLimit = 10;
// The pool phase gives up after this many draws (a damaged kanji file could offer no kanji with
// an answer text at all); the rows it could not fill stay empty.
constexpr int kPoolDrawLimit = 20000;
