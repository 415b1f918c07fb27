#pragma once
// Screen tests of the review window: a small stand-in main window installed in the shell with the
// operations the review calls recorded, the real study data, and an animation clock that runs at
// once or holds the worker in a chosen pause until the animation is stopped.
#include "button.h"
#include "check_box.h"
#include "glyph_display.h"
#include "kanji_data.h"
#include "learning_list.h"
#include "options.h"
#include "poll.h"
#include "review_examples.h"
#include "review_kanji_display.h"
#include "review_meaning.h"
#include "review_strip.h"
#include "review_window.h"
#include "screen_fixture.h"
#include "shell.h"
#include "stroke_box.h"
#include "stroke_screens.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

// Pauses do not wait, except the one numbered park_at (counted from the start of the run), in
// which the worker stays until released or until its animation has been asked to stop.
class ParkingClock : public AnimationClock {
  public:
    void pause(int ms) override {
        {
            std::lock_guard<std::mutex> hold(mutex_);
            pauses_.push_back(ms);
        }
        if (count_.fetch_add(1) != park_at.load()) return;
        parked = true;
        const StrokeAnimation* a = animation.load();
        while (!release.load() && a && a->running())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    // Before a start: pauses counted afresh, the worker parks in pause `at` (-1 never).
    void reset(int at) {
        std::lock_guard<std::mutex> hold(mutex_);
        pauses_.clear();
        count_ = 0;
        park_at = at;
        parked = false;
        release = false;
    }
    std::vector<int> pauses() const {
        std::lock_guard<std::mutex> hold(mutex_);
        return pauses_;
    }
    int count() const { return count_.load(); }

    std::atomic<int> park_at{-1};
    std::atomic<bool> parked{false};
    std::atomic<bool> release{false};
    std::atomic<const StrokeAnimation*> animation{nullptr};

  private:
    mutable std::mutex mutex_;
    std::vector<int> pauses_;
    std::atomic<int> count_{0};
};

class ReviewTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        main_window = new QWidget;
        main_window->setGeometry(20, 40, 60, 40); // the review fits the 800 x 600 screen beside it
        main_window->show();
        ShellOperations ops;
        ops.set_active = [this](bool active) { active_calls.push_back(active); };
        ops.close_example_window = [this] { ++example_closes; };
        Shell_Install(main_window, ops);
        StudyLists_SetView(&view);
        open_study_data();
        Review_SetAnimationClock(&clock);
    }
    void TearDown() override {
        ScreenTest::TearDown(); // deletes an open review window, which stops its animation
        Review_SetAnimationClock(nullptr);
    }

    static ReviewWindow* review() { return ReviewWindow::instance(); }
    ReviewWindow* open_review(const std::vector<int>& list) {
        set_learning_list(list);
        Review_Open();
        if (review()) clock.animation = &review()->kanji_display().animation();
        return review();
    }
    static std::vector<int> first_kanji(int count) {
        std::vector<int> list;
        for (int k = 1; k <= count; ++k)
            list.push_back(k);
        return list;
    }
    static void press(Button* b) { click(b, QPoint(8, 8)); }
    // Starts the animation with a click and waits until the worker is held in pause `at`.
    void start_parked(int at) {
        clock.reset(at);
        press(review()->animate_button());
        ASSERT_EVENTUALLY(clock.parked.load());
        ASSERT_TRUE(review()->kanji_display().animating());
    }
    // The review display's own picture of a kanji: the glyph with or without its numbers.
    static QImage glyph_picture(int kanji, bool numbers) {
        KanjiData_LoadStrokes(kanji);
        StrokeStarts starts;
        StrokeStarts_Load(starts, StrokeScreen::Review);
        Surface s(kReviewBoxSize, kReviewBoxSize);
        DrawReviewGlyphDisplay(s, KanjiData_LoadRecord(kanji)->Kanji, starts, numbers);
        return s.image();
    }
    static QImage kanji_picture() { return review()->kanji_display().box()->canvas().snapshot(); }

    // The Learning List's messages.
    class RecordingView : public StudyListView {
      public:
        void removeRow(int) override {}
        void appendKanji(int) override {}
        void refreshStatus() override {}
        void showMessage(const std::string& text) override { messages.push_back(text); }
        std::vector<std::string> messages;
    };

    QWidget* main_window = nullptr;
    RecordingView view;
    ParkingClock clock;
    std::vector<bool> active_calls;
    int example_closes = 0;
};
