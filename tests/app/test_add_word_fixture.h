#pragma once
// The Add Word, Kanji and Example windows over a plain window standing in for the main window:
// the main window operations they call are recorded, and the detail windows are reachable
// through the shell as the exercises and the review reach them.
#include "detail_windows.h"
#include "screen_fixture.h"
#include "shell.h"

#include <QTest>
#include <vector>

class DetailWindowTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        open_study_data();
        main_window = new QWidget; // deleted with the other windows by ScreenTest::TearDown
        main_window->setGeometry(40, 30, 672, 499);
        main_window->show();
        ShellOperations ops;
        ops.set_active = [this](bool active) { set_active_calls.push_back(active); };
        ops.list_append_kanji = [this](int kanji) { appended.push_back(kanji); };
        install_detail_window_operations(ops);
        Shell_Install(main_window, ops);
    }
    void TearDown() override {
        Shell_Install(nullptr, {});
        ScreenTest::TearDown();
    }

    QWidget* main_window = nullptr;
    std::vector<bool> set_active_calls;
    std::vector<int> appended; // MainWindow_ListAppendKanji
};
