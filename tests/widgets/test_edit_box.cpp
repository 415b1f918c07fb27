// EditBox on the offscreen platform: sizes, change notifications, focus arrival with its input
// mode, Tab order, Enter, the text read back and the beep beyond the length limit.
#include "edit_box.h"
#include "fonts.h"

#include "poll.h"
#include <QInputMethodEvent>
#include <QLineEdit>

#include <QTest>
#include <gmock/gmock.h>

namespace {

class EditBoxTest : public ::testing::Test {
  protected:
    std::vector<int> changes; // outlives the window
    int beeps = 0;
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QLineEdit* before = new QLineEdit(window.get());
    QLineEdit* after = new QLineEdit(window.get());
    EditBox* box = EditBox::create(window.get(), 225, 59, 148, 23, 14, EditAutoScroll,
                                   [this](int n) { changes.push_back(n); });

    void SetUp() override {
        EditBox::set_beep([this] { ++beeps; });
        window->resize(400, 120);
        before->move(10, 10);
        after->move(10, 60);
        box->set_tab_order(after, before);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override { EditBox::set_beep(nullptr); }
    void commit(const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(box->edit(), &event);
    }
};

TEST_F(EditBoxTest, TheFieldSitsInsideTheFrameInTheDialogFaceInBoldSmallFontsTwoPixelsLarger) {
    EXPECT_EQ(box->geometry(), QRect(225, 59, 148, 23));
    EXPECT_EQ(box->edit()->geometry(), QRect(1, 2, 145, 19));
    const QFontInfo info(box->edit()->font());
    EXPECT_EQ(info.family(), installed_family("MS Shell Dlg 2"));
    EXPECT_TRUE(info.bold());
    EXPECT_EQ(box->edit()->font().pixelSize(), 14 + 2);
    EditBox* automatic = EditBox::create(window.get(), 0, 0, 100, 0, 12, EditAutoScroll, nullptr);
    EXPECT_EQ(automatic->height(), 12 + 8);
    EditBox* large = EditBox::create(window.get(), 0, 0, 100, 0, 15, EditAutoScroll, nullptr);
    EXPECT_EQ(large->edit()->font().pixelSize(), 15);
    EXPECT_TRUE(large->edit()->font().bold());
}

TEST_F(EditBoxTest, GainingFocusAndEveryChangeReportTheTextLength) {
    box->edit()->setText("moon");
    changes.clear();
    box->edit()->setFocus(Qt::TabFocusReason); // a line edit would select all on Tab
    ASSERT_EVENTUALLY(box->edit()->hasFocus());
    EXPECT_THAT(changes, ::testing::ElementsAre(4));
    EXPECT_FALSE(box->edit()->hasSelectedText());
    EXPECT_EQ(box->edit()->cursorPosition(), 4);
    QTest::keyClick(box->edit(), Qt::Key_Backspace);
    QTest::keyClicks(box->edit(), "ds");
    EXPECT_THAT(changes, ::testing::ElementsAre(4, 3, 4, 5));
    EXPECT_EQ(box->text_length(), 5);
}

TEST_F(EditBoxTest, InputModeIsAppliedOnFocusAndModeZeroLeavesTheInputMethodAlone) {
    for (int mode : {1, 2, 0}) {
        box->edit()->setInputMethodHints(Qt::ImhNoPredictiveText |
                                         (mode == 1 ? Qt::ImhNone : Qt::ImhPreferLatin));
        box->set_input_mode(mode);
        box->focus();
        ASSERT_EVENTUALLY(box->edit()->hasFocus());
        EXPECT_EQ(bool(box->edit()->inputMethodHints() & Qt::ImhPreferLatin), mode != 2) << mode;
        EXPECT_TRUE(box->edit()->inputMethodHints() & Qt::ImhNoPredictiveText)
            << "other hints stay";
        before->setFocus();
        ASSERT_EVENTUALLY(before->hasFocus());
    }
}

TEST_F(EditBoxTest, TabAndShiftTabFollowTheTabOrderAndEnterCallsTheEnterAction) {
    int enters = 0;
    box->set_on_enter([&] { ++enters; });
    box->focus();
    ASSERT_EVENTUALLY(box->edit()->hasFocus());
    QTest::keyClick(box->edit(), Qt::Key_Return);
    EXPECT_EQ(enters, 1);
    QTest::keyClick(box->edit(), Qt::Key_Tab);
    ASSERT_EVENTUALLY(after->hasFocus());
    box->focus();
    ASSERT_EVENTUALLY(box->edit()->hasFocus());
    QTest::keyClick(box->edit(), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EVENTUALLY(before->hasFocus());
}

// The text read back is kept within the limit (255 without one); text beyond the limit from the
// input method beeps but is kept, and without a limit nothing beeps.
TEST_F(EditBoxTest, TheLengthLimitCutsTheTextReadBackAndBeepsAtInputMethodText) {
    EXPECT_TRUE(box->get_text().isEmpty());
    box->edit()->setText(QString(300, QChar('a')));
    EXPECT_EQ(box->get_text().size(), 255);
    box->focus();
    ASSERT_EVENTUALLY(box->edit()->hasFocus());
    commit(QString(400, QChar('a')));
    EXPECT_EQ(beeps, 0) << "no limit set";
    box->set_max_length(100);
    EXPECT_EQ(box->get_text().size(), 100 - 1);
    box->edit()->setText("sun");
    EXPECT_EQ(box->get_text(), "sun");
    box->edit()->clear();
    box->set_max_length(5);
    commit("abcde");
    EXPECT_EQ(beeps, 0);
    commit("f");
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(box->edit()->text(), "abcdef");
}

} // namespace
