// The message box: sizes from the text, results of each way of answering, remembered answers,
// the disabled owner and the event loop that keeps running while it waits; text wrapping.
#include "button.h"
#include "check_box.h"
#include "message_box.h"
#include "options.h"
#include "sound_cue.h"
#include "wrapped_text.h"

#include "poll.h"
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gmock/gmock.h>

namespace {

// Each further line adds a line height, the check box 16 more below the text; wide text widens
// the box, whose height stays odd and whose buttons stay centred.
TEST(MessageBoxLayout, LinesTheCheckBoxAndWideTextGrowTheBox) {
    const MessageBoxLayout one = message_box_layout(QStringLiteral("Saved."), MessageOk);
    const MessageBoxLayout plain = message_box_layout(QStringLiteral("a\nb"), MessageYesNo);
    const MessageBoxLayout checked =
        message_box_layout(QStringLiteral("a\nb"), MessageYesNoWithCheck);
    EXPECT_EQ(plain.height - one.height, one.line_height);
    EXPECT_EQ(checked.height - plain.height, 16);
    EXPECT_EQ(checked.buttons_y - plain.buttons_y, 16);
    const auto measure = [](const QString& s) { return int(s.size()) * 7; };
    const MessageBoxLayout l = message_box_layout(QStringLiteral("short\n") + QString(40, u'x'),
                                                  MessageYesNo, measure, 14);
    EXPECT_EQ(l.width, 40 * 7 + 110);
    EXPECT_EQ(l.height % 2, 1);
    EXPECT_EQ(l.first_button_x + 60, l.width / 2);
}

// Line feeds end a line and an empty line keeps its place; a line breaks at the last blank that
// keeps it inside (exactly as wide fits); a word wider than the box stands alone; alignment moves
// the lines.
TEST(WrappedText, BreaksAtBlanksAndLineFeedsOneLineHeightApart) {
    const auto measure = [](const QString& s, const FontSpec&) { return int(s.size()) * 10; };
    const auto texts = [&](WrapBox box, const QString& text, Qt::Alignment align = {}) {
        std::vector<std::tuple<QString, int, int>> lines;
        for (const PlacedText& l : wrap_text(box, text, {}, 0, 14, measure, align))
            lines.emplace_back(l.text, l.x, l.y);
        return lines;
    };
    using L = std::tuple<QString, int, int>;
    EXPECT_THAT(texts({70, 36, 160}, "a\n\none two three four"),
                ::testing::ElementsAre(L{"a", 70, 36}, L{"", 70, 50}, L{"one two", 70, 64},
                                       L{"three", 70, 78}, L{"four", 70, 92}));
    EXPECT_THAT(texts({0, 0, 50}, "ab abcdefgh c", Qt::AlignHCenter),
                ::testing::ElementsAre(L{"ab", 15, 0},
                                       ::testing::FieldsAre("abcdefgh", ::testing::_, 14),
                                       L{"c", 20, 28}));
    EXPECT_THAT(texts({0, 0, 50}, "ab cd\nabc", Qt::AlignRight),
                ::testing::ElementsAre(L{"ab cd", 0, 0}, L{"abc", 20, 14}));
}

class MessageBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        Options_Clear();
        SoundCue_SetPlayer([this](const std::string& path) { cues.push_back(path); });
        owner.setGeometry(100, 100, 672, 499);
        owner.show();
    }
    void TearDown() override {
        SoundCue_SetPlayer({});
        Options_Clear();
        QDir::setCurrent(previous);
    }
    // Runs `act` on the open box once the box waits, then asks.
    int ask(const char* text, int kind, int slot, std::function<void(QWidget*)> act) {
        QTimer::singleShot(0, &owner, [this, act] {
            QWidget* box = open_message_box();
            ASSERT_NE(box, nullptr);
            owner_enabled_while_open = owner.isEnabled();
            act(box);
        });
        return show_message_box(&owner, text, kind, slot);
    }
    static Button* button(QWidget* box, const QString& caption) {
        for (Button* b : box->findChildren<Button*>())
            if (b->caption() == caption) return b;
        return nullptr;
    }
    static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }
    static std::function<void(QWidget*)> clicks(const char* caption, bool tick = false) {
        return [caption, tick](QWidget* box) {
            if (tick) click(box->findChild<CheckBox*>());
            click(button(box, caption));
        };
    }

    QTemporaryDir dir;
    QString previous;
    QWidget owner;
    std::vector<std::string> cues;
    bool owner_enabled_while_open = true;
};

// Answered by a click or by Enter on the first button, which has the focus as soon as the box is
// open; the box is centred on its owner, disabled while it waits, and timers keep running.
TEST_F(MessageBoxTest, AnswersWithTheOwnerDisabledWhileTheBoxIsOpenAndTimersRunning) {
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(5);
    QRect box_rect;
    EXPECT_EQ(ask("Remove?", MessageYesNo, -1, clicks(" No ")), MessageNo);
    const auto enter = [](QWidget* box) {
        EXPECT_EVENTUALLY(button(box, " Yes ")->hasFocus());
        QTest::keyClick(button(box, " Yes "), Qt::Key_Return);
        if (open_message_box()) click(button(box, " No ")); // never leave the box waiting
    };
    EXPECT_EQ(ask("Remove?", MessageYesNo, -1, enter), MessageYes);
    const auto ok = [&](QWidget* box) {
        box_rect = box->frameGeometry();
        EXPECT_EVENTUALLY(ticks >= 3);
        click(button(box, " OK "));
    };
    EXPECT_EQ(ask("Done.", MessageOk, -1, ok), MessageYes);
    EXPECT_EQ(box_rect.center(), owner.frameGeometry().center());
    EXPECT_THAT(cues, ::testing::Contains("res/0.wav"));
    EXPECT_FALSE(owner_enabled_while_open);
    EXPECT_TRUE(owner.isEnabled());
    EXPECT_EQ(open_message_box(), nullptr);
}

TEST_F(MessageBoxTest, ATickedAnswerIsTheOneGivenFromThenOnAndAnUntickedOneIsNotRemembered) {
    for (const int answer : {MessageNo, MessageYes}) {
        set_option_slot(OptRememberCompleted, 0);
        const char* caption = answer == MessageYes ? " Yes " : " No ";
        EXPECT_EQ(ask("Mark?", MessageYesNoWithCheck, OptRememberCompleted, clicks(caption, true)),
                  answer + MessageTicked);
        cues.clear();
        // Answered from the slot: no box opens (one would wait, as nothing answers it here).
        EXPECT_EQ(show_message_box(&owner, "Mark?", MessageYesNoWithCheck, OptRememberCompleted),
                  answer);
        EXPECT_TRUE(cues.empty()) << "a remembered answer shows and sounds nothing";
    }
    for (const char* caption : {" Yes ", " No ", " Yes "}) {
        EXPECT_EQ(
            ask("Add a copy?", MessageYesNoWithCheck, OptRememberAlreadyListed, clicks(caption)),
            caption[1] == 'Y' ? MessageYes : MessageNo);
        EXPECT_EQ(get_option_slot(OptRememberAlreadyListed), 0) << "asked again next time";
    }
}

// The close glyph, or a close request to the window (Alt+F4, the task bar), answers zero plus
// the tick; closing is no answer to remember.
TEST_F(MessageBoxTest, ClosingAnswersZeroPlusTheTick) {
    const auto close_glyph = [](QWidget* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 16, 10));
    };
    const auto close_from_outside = [](QWidget* box) {
        // Should the request be lost, answer No after a while rather than wait for ever.
        QTimer::singleShot(3000, box, [box] { click(button(box, " No ")); });
        ASSERT_NE(box->windowHandle(), nullptr);
        box->windowHandle()->close();
    };
    const std::function<void(QWidget*)> closes[] = {close_glyph, close_from_outside};
    for (const auto& close : closes) {
        EXPECT_EQ(ask("Remove?", MessageYesNo, -1, close), MessageClosed);
        EXPECT_TRUE(owner.isEnabled());
        EXPECT_EQ(ask("Mark?", MessageYesNoWithCheck, OptRememberCompleted,
                      [&](QWidget* box) {
                          click(box->findChild<CheckBox*>());
                          close(box);
                      }),
                  MessageClosed + MessageTicked);
        EXPECT_EQ(get_option_slot(OptRememberCompleted), 0);
    }
}

} // namespace
