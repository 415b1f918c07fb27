#include "exercise_kinds.h"

#include "options.h"
#include "scores.h"

namespace {

const ExerciseKindInfo kKinds[] = {
    {"Kanji Meaning Multiple Choice Exercise", KanjiMeaningMC, OptMeaningMCOffset,
     OptAutoProgressMeaning, -1, "multiple choice", "Click to show meaning for this kanji", false},
    {"ON Pronunciation Multiple Choice Exercise", OnPronunciationMC, OptOnMCOffset,
     OptAutoProgressOn, OptRomajiOn, "multiple choice",
     "Click to show ON pronunciation for this kanji", false},
    {"KUN Pronunciation Multiple Choice Exercise", KunPronunciationMC, OptKunMCOffset,
     OptAutoProgressKun, OptRomajiKun, "multiple choice",
     "Click to show KUN pronunciation for this kanji", false},
    {"Kanji Stroke Order Exercise", StrokeOrderExercise, OptStrokeOrderOffset,
     OptAutoProgressStrokeOrder, -1, "stroke order", "Click to show stroke order for this kanji",
     false},
    {"Kanji Grid Search Exercise", KanjiGridSearch, OptKanjiGridOffset, OptAutoProgressGrid,
     OptRomajiGrid, "kanji grid search", "Click to show the answer", true},
};

} // namespace

const ExerciseKindInfo& kind_info(ExerciseKind kind) {
    return kKinds[static_cast<int>(kind)];
}

QString empty_list_message(ExerciseKind kind) {
    return QStringLiteral("All Kanji in the Learning List have been successfully answered\nin "
                          "this %1 exercise.\n\n(You have chosen to exclude all completed kanji "
                          "from\nindividual exercises.)")
        .arg(QString::fromLatin1(kind_info(kind).exercise_phrase));
}
