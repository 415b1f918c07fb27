// The screen fixture itself: the working folder it lays out and the scripted message boxes.
#include "learning_list.h"
#include "message_box.h"
#include "options.h"
#include "screen_fixture.h"

#include <QFile>
#include <algorithm>

namespace {

class ScreenFixtureTest : public ScreenTest {};

TEST_F(ScreenFixtureTest, WorkingFolderHoldsTheRealDataAndFreshUserFiles) {
    EXPECT_TRUE(QFile::exists(QStringLiteral("data/kanji.dat")));
    EXPECT_TRUE(QFile::exists(QStringLiteral("dlls/ag.rcc")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("data/llist.dat")));
    open_study_data();
    EXPECT_EQ(LearningList_Count(), 10);
    EXPECT_EQ(get_option_slot(OptMainWindowSaved), 0);
}

TEST_F(ScreenFixtureTest, MessageBoxesAreAnsweredInTurnAndTheirTextsKept) {
    QWidget owner;
    owner.show();
    answer_message_boxes({MessageNo, MessageYes + MessageTicked, MessageClosed});
    EXPECT_EQ(show_message_box(&owner, "first?", MessageYesNo, -1), MessageNo);
    EXPECT_EQ(show_message_box(&owner, "second?", MessageYesNoWithCheck, OptRememberCompleted),
              MessageYes + MessageTicked);
    EXPECT_EQ(show_message_box(&owner, "third", MessageOk, -1), MessageClosed);
    EXPECT_EQ(message_texts, (std::vector<QString>{"first?", "second?", "third"}));
    EXPECT_EQ(std::count(cues.begin(), cues.end(), 0), 3) << "each box sounds as it opens";
}

} // namespace
