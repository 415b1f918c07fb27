#pragma once
// A fresh working folder per screen test, laid out like the installation folder: the real kanji
// and example data, and the run folder's res/, dlls/ and help/. The study state starts empty,
// sound cues and opened help pages are recorded, the generator is seeded, and message boxes are
// answered by script.
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <vector>

// The installation folder the build made (BRUSHWISE_RUN_DIR).
QString run_folder();

class ScreenTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Loads the options, the completed list, the scores and the Learning List, in the start-up's
    // order (files that do not exist are created with their defaults).
    void open_study_data();
    // Replaces the Learning List in memory (and in no file).
    void set_learning_list(std::initializer_list<int> kanji);
    void set_learning_list(const std::vector<int>& kanji);
    // Sets every score slot that completes the kanji (0 to 4).
    void pass_all_exercises(int kanji);

    // The next message boxes are answered in turn: 2 Yes or OK, 1 No, 0 the close glyph; 10 added
    // ticks "Do not show this warning again." first. Every box's text is kept in message_texts.
    // A box that finds no scripted answer left fails the test and is answered with its close
    // glyph, so that no test waits for ever.
    void answer_message_boxes(std::initializer_list<int> results);

    // Clicks a point of a widget (widget coordinates) with the left button.
    static void click(QWidget* widget, QPoint at);
    // Every visible top-level window with that window title.
    static QList<QWidget*> windows_titled(const QString& title);

    QString folder;           // the working folder of this test
    std::vector<int> cues;    // sound cues in the order played
    QStringList opened_pages; // absolute paths of help pages opened
    std::vector<QString> message_texts;

  private:
    void reset_study_state();
    void watch_for_message_box();

    QString previous_folder_;
    std::vector<int> scripted_answers_;
    QPointer<QObject> box_watch_;
};
