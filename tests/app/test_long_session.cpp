// A long session on the real main window: 2000 answers, right and wrong, in the five exercises and
// the full sequence, auto-progress cut short. Resident memory stays flat after a warm-up, and the
// scores, the completed count and the Learning List are what a model of the answers earned.
#include "button.h"
#include "exercise_answers.h"
#include "exercise_kinds.h"
#include "kanji_data.h"
#include "learning_list.h"
#include "main_window.h"
#include "options.h"
#include "scores.h"
#include "screen_fixture.h"
#include "stroke_order_ex.h"
#include "stroke_screens.h"
#include "test_helpers.h"

#include <QElapsedTimer>

#include <array>
#include <cstdio>
#include <malloc.h>
#include <random>
#include <unistd.h>

namespace {

#ifndef __has_feature
#define __has_feature(x) 0
#endif
// Under the sanitizers every answer costs many times more, and memory says nothing.
#if defined(__SANITIZE_ADDRESS__) || __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
constexpr int kAnswers = kSanitized ? 400 : 2000;
constexpr int kWarmUpAnswers = kSanitized ? 100 : 200;
constexpr double kAllowedGrowthMb = 5.0;

// Measured between exercises, with the closed windows deleted and what the allocator holds free
// given back: the figure is the memory the program keeps.
double resident_mb() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    malloc_trim(0);
    long pages = 0, resident = 0;
    if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// What the answers should have left in the study data, kept beside the program.
struct StudyModel {
    std::array<std::array<uint32_t, kScoreSlots>, kKanjiTotal + 1> scores{};
    std::vector<int> list;
    int completed = 0;

    bool complete(int kanji) const {
        const auto& s = scores[size_t(kanji)];
        const KanjiRecord* r = KanjiData_LoadRecord(kanji);
        return s[KanjiMeaningMC] && s[StrokeOrderExercise] && s[KanjiGridSearch] &&
               (s[OnPronunciationMC] || !r->hasOn()) && (s[KunPronunciationMC] || !r->hasKun());
    }
    // The refill: complete kanji leave the list, from the last, and the lowest-numbered kanji
    // neither complete, nor marked completed, nor on the list take their places.
    void refill() {
        int removed = 0;
        for (int p = int(list.size()) - 1; p >= 0; --p) {
            if (!complete(list[size_t(p)])) continue;
            ++completed;
            scores[size_t(list[size_t(p)])][CompletedFlag] = 1;
            list.erase(list.begin() + p);
            ++removed;
        }
        for (int kanji = 1, added = 0; kanji <= kKanjiTotal && added < removed; ++kanji) {
            if (complete(kanji)) {
                scores[size_t(kanji)][CompletedFlag] = 1;
            } else if (scores[size_t(kanji)][CompletedFlag] != 1 &&
                       std::find(list.begin(), list.end(), kanji) == list.end()) {
                list.push_back(kanji);
                ++added;
            }
        }
    }
};

class MainWindowExercises : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        Exercises_SetStrokeOrderOpener(StrokeOrderEx_Open);
        open_study_data();
    }
    void TearDown() override {
        Exercises_Abandon();
        Exercises_SetStrokeOrderOpener({});
        set_auto_progress_delay(0);
        ScreenTest::TearDown();
    }

    // A question: one answer, and after a wrong one sometimes the right one too. The model
    // follows what each answer should do.
    void work_question(ExerciseWindow* w) {
        const int kanji = w->session().currentKanji;
        const ExerciseKind kind = w->kind();
        const bool right = rng() % 5 != 0; // four in five right
        answer_question(w, right, 1 + int(rng() % 4));
        int given = 1;
        auto& scores = model.scores[size_t(kanji)];
        if (right) {
            scores[size_t(kind_info(kind).score_slot)] = 1;
        } else {
            scores.fill(0);
            if (rng() % 2 == 0) {
                answer_question(w, true); // scores nothing: the first attempt was wrong
                ++given;
            }
        }
        answers += given;
        by_kind[size_t(kind)] += given;
    }

    // Runs events until the countdown moved the exercise on (it lasts a millisecond here).
    static bool countdown_ran_out(ExerciseWindow* w, int next_index) {
        QElapsedTimer t;
        t.start();
        while (w->session().currentIndex != next_index) {
            if (t.elapsed() > 3000) return false;
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        return true;
    }

    // Every question of the open exercise, moving on by the countdown or by Next, then Exit.
    void run_exercise(ExerciseWindow* w) {
        const int questions = w->session().kanjiCount();
        for (int q = 0; q < questions; ++q) {
            ASSERT_EQ(w->session().currentIndex, q);
            work_question(w);
            if (q + 1 == questions) break;
            if (w->auto_progress_pending())
                ASSERT_TRUE(countdown_ran_out(w, q + 1));
            else
                click(w->next_button(), QPoint(6, 6));
        }
        click(w->exit_button(), QPoint(6, 6));
        // The message loop deletes a closed window once the click's handling returns to it;
        // here no loop runs beneath the test's clicks.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void press(const char* caption) { click(main->button(QString::fromLatin1(caption)), {8, 8}); }

    void one_exercise(const char* caption) {
        press(caption);
        ExerciseWindow* w = open_exercise();
        if (!w) return; // no kanji of the list has that reading: the program said so
        run_exercise(w);
        ASSERT_EQ(open_exercise(), nullptr);
        model.refill();
    }

    void full_sequence() {
        press("Do Exercises to Complete List");
        while (ExerciseWindow* w = open_exercise())
            run_exercise(w);
        model.refill();
    }

    void compare_with_model() {
        EXPECT_EQ(learning_list(), model.list);
        EXPECT_EQ(int(CompletedList_CompletedCount()), model.completed);
        const std::vector<int32_t> file = read_words(QStringLiteral("data/scores.dat"));
        ASSERT_GE(file.size(), size_t(kScoreSlots * kKanjiTotal));
        int differing = 0;
        for (int kanji = 1; kanji <= kKanjiTotal; ++kanji)
            for (int slot = 0; slot < kScoreSlots; ++slot) {
                const size_t at = size_t(kScoreSlots * kanji + slot);
                const uint32_t stored = at < file.size() ? uint32_t(file[at]) : 0;
                const uint32_t earned = model.scores[size_t(kanji)][size_t(slot)];
                if (stored != earned && ++differing <= 5)
                    ADD_FAILURE() << "kanji " << kanji << " slot " << slot << ": " << stored
                                  << " stored, " << earned << " earned";
            }
        EXPECT_EQ(differing, 0);
    }

    MainWindow* main = nullptr;
    std::mt19937 rng{2024};
    StudyModel model;
    int answers = 0;
    std::array<int, 5> by_kind{};
    int warm_answers = 0;
    double warm_memory = 0;
};

constexpr const char* kExerciseButtons[] = {
    "Kanji Meaning Multichoice", "ON Pronunciation Multichoice", "KUN Pronunciation Multichoice",
    "Stroke Order Exercise",     "Kanji GridSearch Exercise",
};

TEST_F(MainWindowExercises, TwoThousandAnswersKeepMemoryFlatAndScoresAsEarned) {
    // Auto-progress on in every exercise, the way a user who keeps going has it.
    set_auto_progress_delay(1);
    for (int kind = 0; kind < 5; ++kind)
        set_option_slot(kind_info(ExerciseKind(kind)).auto_progress_slot, 1);
    main = new MainWindow;
    main->build();
    main->show();
    model.list = learning_list();
    answer_message_boxes({}); // none is expected: the list never runs dry
    QElapsedTimer clock;
    clock.start();
    for (int round = 0; answers < kAnswers; ++round) {
        if (round % 6 == 5)
            full_sequence();
        else
            one_exercise(kExerciseButtons[round % 6]);
        if (HasFatalFailure()) return;
        ASSERT_TRUE(main->at_rest()) << "round " << round;
        if (round % 25 == 0) compare_with_model();
        if (warm_answers == 0 && answers >= kWarmUpAnswers) {
            warm_answers = answers;
            warm_memory = resident_mb();
        }
    }
    const double end_memory = resident_mb();
    compare_with_model();

    std::printf("long session: %d answers in %lld ms, %d kanji completed; resident memory %.1f MB "
                "after %d answers, %.1f MB at the end\n",
                answers, static_cast<long long>(clock.elapsed()), model.completed, warm_memory,
                warm_answers, end_memory);
    for (int kind = 0; kind < 5; ++kind)
        EXPECT_GT(by_kind[size_t(kind)], kAnswers / 10) << "exercise " << kind;
    EXPECT_GT(model.completed, 0) << "some kanji graduated and were replaced";
    EXPECT_TRUE(message_texts.empty());
    if (kSanitized) GTEST_SKIP() << "memory under the sanitizers says nothing";
    EXPECT_LE(end_memory - warm_memory, kAllowedGrowthMb);
}

} // namespace
