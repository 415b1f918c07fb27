// EditBox on the offscreen platform: notifications, focus, input mode, keys and the length limit.
#include "edit_box.h"

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
    QLineEdit* edit = box->edit();

    void SetUp() override {
        EditBox::set_beep([this] { ++beeps; });
        window->resize(400, 120);
        after->move(10, 60);
        box->set_tab_order(after, before);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override { EditBox::set_beep(nullptr); }
    void focus(QWidget* w) {
        w == edit ? box->focus() : w->setFocus();
        ASSERT_EVENTUALLY(w->hasFocus());
    }
    void commit(const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(edit, &event);
    }
};

// Gaining the focus reports the length without selecting the text, and so does every change;
// Enter calls the Enter action; Tab and Shift+Tab follow the tab order. The input mode is applied
// on focus (1 Latin, 2 Japanese); mode 0 leaves the input method alone.
TEST_F(EditBoxTest, FocusChangesEnterTabOrderAndInputMode) {
    int enters = 0;
    box->set_on_enter([&] { ++enters; });
    edit->setText("moon");
    changes.clear();
    edit->setFocus(Qt::TabFocusReason); // a line edit would select all on Tab
    ASSERT_EVENTUALLY(edit->hasFocus());
    EXPECT_FALSE(edit->hasSelectedText());
    EXPECT_EQ(edit->cursorPosition(), 4);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, "ds");
    EXPECT_THAT(changes, ::testing::ElementsAre(4, 3, 4, 5));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(enters, 1);
    QTest::keyClick(edit, Qt::Key_Tab);
    ASSERT_EVENTUALLY(after->hasFocus());
    focus(edit);
    QTest::keyClick(edit, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EVENTUALLY(before->hasFocus());
    for (int mode : {1, 2, 0}) {
        edit->setInputMethodHints(Qt::ImhNoPredictiveText |
                                  (mode == 1 ? Qt::ImhNone : Qt::ImhPreferLatin));
        box->set_input_mode(mode);
        focus(edit);
        EXPECT_EQ(bool(edit->inputMethodHints() & Qt::ImhPreferLatin), mode != 2) << mode;
        EXPECT_TRUE(edit->inputMethodHints() & Qt::ImhNoPredictiveText) << "other hints stay";
        focus(before);
    }
}

// The text read back is kept within the limit (255 without one); text beyond the limit from the
// input method beeps but is kept, and without a limit nothing beeps.
TEST_F(EditBoxTest, TheLengthLimitCutsTheTextReadBackAndBeepsAtInputMethodText) {
    edit->setText(QString(300, QChar('a')));
    EXPECT_EQ(box->get_text().size(), 255);
    focus(edit);
    commit("x");
    EXPECT_EQ(beeps, 0) << "no limit set";
    box->set_max_length(100);
    EXPECT_EQ(box->get_text().size(), 100 - 1);
    edit->clear();
    box->set_max_length(5);
    commit("abcde");
    EXPECT_EQ(beeps, 0);
    commit("f");
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(edit->text(), "abcdef");
}

} // namespace
