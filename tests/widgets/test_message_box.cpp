// The message box: sizes from the text, results of each way of answering, remembered answers,
// the disabled owner and the event loop that keeps running while it waits.
#include "button.h"
#include "cell_metrics.h"
#include "check_box.h"
#include "frameless_window.h"
#include "message_box.h"
#include "options.h"
#include "sound_cue.h"
#include "surface.h"
#include "wrapped_text.h"

#include "poll.h"
#include <QDir>
#include <QTemporaryDir>

#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gmock/gmock.h>

namespace {

// One short line gets the minimum size (the box test sees it on screen), each further line a line
// height, the check box 16 more below the text; wide text widens the box, heights stay odd.
TEST(MessageBoxLayout, LinesTheCheckBoxAndWideTextGrowTheBox) {
    const MessageBoxLayout one = message_box_layout(QStringLiteral("Saved."), MessageOk);
    const MessageBoxLayout plain = message_box_layout(QStringLiteral("a\nb"), MessageYesNo);
    const MessageBoxLayout checked =
        message_box_layout(QStringLiteral("a\nb"), MessageYesNoWithCheck);
    EXPECT_EQ(plain.line_count, 2);
    EXPECT_EQ(plain.height - one.height, one.line_height);
    EXPECT_EQ(plain.check_y, -1);
    EXPECT_EQ(checked.check_y, 2 * 15 + 44);
    EXPECT_EQ(checked.height - plain.height, 16);
    EXPECT_EQ(checked.buttons_y - plain.buttons_y, 16);
    const auto measure = [](const QString& s) { return int(s.size()) * 7; };
    for (int lh : {14, 15}) {
        MessageBoxLayout l = message_box_layout(QStringLiteral("short\n") + QString(40, u'x'),
                                                MessageYesNo, measure, lh);
        EXPECT_EQ(l.width, 40 * 7 + 110);
        EXPECT_EQ(l.height % 2, 1);
        EXPECT_EQ(l.first_button_x, l.width / 2 - 60);
        EXPECT_EQ(l.second_button_x, l.width / 2 + 10);
    }
}

// Rows of the image with text ink (navy, not the grey background lines) between x0 and x1.
std::vector<int> ink_tops(const QImage& img, int x0, int x1, int y0) {
    std::vector<int> tops;
    bool in_ink = false;
    for (int y = y0; y < img.height(); ++y) {
        bool ink = false;
        for (int x = x0; x < x1 && !ink; ++x) {
            const QRgb p = img.pixel(x, y);
            ink = qBlue(p) - qRed(p) > 60;
        }
        if (ink && !in_ink) tops.push_back(y);
        in_ink = ink;
    }
    return tops;
}

TEST(WrappedText, EachLineOneLineHeightBelowThePrevious) {
    const auto measure = [](const QString& s, const FontSpec&) { return int(s.size()) * 10; };
    const auto lines = wrap_text({70, 36, 160}, QStringLiteral("a\n\none two three four"),
                                 message_box_font(), 0x800000, 14, measure);
    std::vector<QString> texts;
    std::vector<int> tops;
    for (const PlacedText& l : lines) {
        texts.push_back(l.text);
        tops.push_back(l.y);
        EXPECT_EQ(l.x, 70);
    }
    // The empty line keeps its place; "one two three" is 130 wide, more than the 90 there is.
    EXPECT_THAT(texts, ::testing::ElementsAre("a", "", "one two", "three", "four"));
    EXPECT_THAT(tops, ::testing::ElementsAre(36, 50, 64, 78, 92));
}

TEST(WrappedText, AWordWiderThanTheBoxStandsAloneAndAlignmentMovesLines) {
    const auto measure = [](const QString& s, const FontSpec&) { return int(s.size()) * 10; };
    const auto lines = wrap_text({0, 0, 50}, QStringLiteral("ab abcdefgh c"), FontSpec{}, 0, 12,
                                 measure, Qt::AlignHCenter);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].text, "abcdefgh");
    EXPECT_EQ(lines[0].x, 15); // 20 wide in 50
    EXPECT_EQ(lines[2].y, 24);
    EXPECT_EQ(wrap_text({0, 0, 50}, "abc", FontSpec{}, 0, 12, measure, Qt::AlignRight)[0].x, 20);
    EXPECT_EQ(wrap_text({0, 0, 50}, "ab cd", FontSpec{}, 0, 12, measure).size(), 1u)
        << "a line exactly as wide as the box fits";
}

TEST(WrappedText, ASurfaceLeavesOutLinesFromTheBottomOn) {
    const FontSpec font = message_box_font();
    Surface s(60, 80);
    s.fill_rect(0, 0, 60, 80, 0xffffff);
    const int step = s.line_height(font);
    EXPECT_EQ(s.text_wrapped(0, 0, 60, 2 * step, QStringLiteral("I\nI\nI"), font, 0x800000),
              3 * step);
    EXPECT_EQ(ink_tops(s.image(), 0, 60, 0).size(), 2u);
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

    // Runs `act` on the open box once the box waits.
    void when_open(std::function<void(QWidget*)> act) {
        QTimer::singleShot(0, &owner, [this, act] {
            QWidget* box = open_message_box();
            ASSERT_NE(box, nullptr);
            owner_enabled_while_open = owner.isEnabled();
            act(box);
        });
    }
    static Button* button(QWidget* box, const QString& caption) {
        for (Button* b : box->findChildren<Button*>())
            if (b->caption() == caption) return b;
        return nullptr;
    }
    static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }

    QTemporaryDir dir;
    QString previous;
    QWidget owner;
    std::vector<std::string> cues;
    bool owner_enabled_while_open = true;
};

TEST_F(MessageBoxTest, YesNoOkAnswersWithTheOwnerDisabledOnlyWhileTheBoxIsOpen) {
    when_open([](QWidget* box) { click(button(box, " No ")); });
    EXPECT_EQ(show_message_box(&owner, "Remove?", MessageYesNo, -1), MessageNo);
    when_open([](QWidget* box) { click(button(box, " Yes ")); });
    EXPECT_EQ(show_message_box(&owner, "Remove?", MessageYesNo, -1), MessageYes);
    when_open([](QWidget* box) { click(button(box, " OK ")); });
    EXPECT_EQ(show_message_box(&owner, "Done.", MessageOk, -1), MessageYes);
    EXPECT_THAT(cues, ::testing::Contains("res/0.wav"));
    EXPECT_FALSE(owner_enabled_while_open);
    EXPECT_TRUE(owner.isEnabled());
    EXPECT_EQ(open_message_box(), nullptr);
}

TEST_F(MessageBoxTest, ATickedAnswerIsTheOneGivenFromThenOn) {
    for (const int answer : {MessageNo, MessageYes}) {
        set_option_slot(OptRememberCompleted, 0);
        const char* caption = answer == MessageYes ? " Yes " : " No ";
        when_open([caption](QWidget* box) {
            CheckBox* check = box->findChild<CheckBox*>();
            ASSERT_NE(check, nullptr);
            click(check);
            click(button(box, caption));
        });
        EXPECT_EQ(show_message_box(&owner, "Mark as completed?", MessageYesNoWithCheck,
                                   OptRememberCompleted),
                  answer + MessageTicked);
        cues.clear();
        // Answered from the slot: no box opens (one would wait, as nothing answers it here).
        EXPECT_EQ(show_message_box(&owner, "Mark as completed?", MessageYesNoWithCheck,
                                   OptRememberCompleted),
                  answer);
        EXPECT_TRUE(cues.empty()) << "a remembered answer shows and sounds nothing";
    }
    // Without the tick, each answer is asked again and never remembered.
    for (const char* caption : {" Yes ", " No ", " Yes "}) {
        when_open([caption](QWidget* box) { click(button(box, caption)); });
        EXPECT_EQ(show_message_box(&owner, "Add a copy?", MessageYesNoWithCheck,
                                   OptRememberAlreadyListed),
                  caption[1] == 'Y' ? MessageYes : MessageNo);
        EXPECT_EQ(get_option_slot(OptRememberAlreadyListed), 0);
    }
    // A slot written with 1 by an earlier version still answers Yes.
    set_option_slot(OptRememberAlreadyListed, 1);
    EXPECT_EQ(show_message_box(&owner, "Listed.", MessageYesNoWithCheck, OptRememberAlreadyListed),
              MessageYes);
}

// The close glyph, or what the desktop does on Alt+F4 or the task bar's close (a close request
// to the window), answers zero plus the tick; closing is no answer to remember.
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
        when_open(close);
        EXPECT_EQ(show_message_box(&owner, "Remove?", MessageYesNo, -1), MessageClosed);
        EXPECT_TRUE(owner.isEnabled());
        EXPECT_EQ(open_message_box(), nullptr);
        when_open([&](QWidget* box) {
            click(box->findChild<CheckBox*>());
            close(box);
        });
        EXPECT_EQ(show_message_box(&owner, "Mark?", MessageYesNoWithCheck, OptRememberCompleted),
                  MessageClosed + MessageTicked);
        EXPECT_EQ(get_option_slot(OptRememberCompleted), 0);
    }
}

TEST_F(MessageBoxTest, TextLinesStepByTheLineHeightFromTop36) {
    // Where the ink of "I" starts in its cell, drawn alone at the top of a blank surface.
    Surface alone(40, 40);
    alone.fill_rect(0, 0, 40, 40, 0xffffff);
    alone.text(0, 0, QStringLiteral("I"), message_box_font(), 0x800000);
    const std::vector<int> cell = ink_tops(alone.image(), 0, 40, 0);
    ASSERT_EQ(cell.size(), 1u);

    std::vector<int> tops;
    when_open([&](QWidget* box) {
        auto* window = qobject_cast<FramelessWindow*>(box);
        ASSERT_NE(window, nullptr);
        tops = ink_tops(window->surface().image(), 70, 100, 21);
        click(button(box, " OK "));
    });
    show_message_box(&owner, "I\nI\nI", MessageOk, -1);
    const int step = message_box_layout(QStringLiteral("I"), MessageOk).line_height;
    EXPECT_EQ(step, cell_height(make_font(message_box_font())));
    EXPECT_THAT(tops,
                ::testing::ElementsAre(36 + cell[0], 36 + step + cell[0], 36 + 2 * step + cell[0]));
}

TEST_F(MessageBoxTest, TabCyclesYesNoCheckBoxAndEnterOnTheFocusedFirstButtonAnswersYes) {
    when_open([&](QWidget* box) {
        Button* yes = button(box, " Yes ");
        ASSERT_EVENTUALLY(yes->hasFocus());
        std::vector<QWidget*> order;
        for (int i = 0; i < 3; ++i) {
            order.push_back(QApplication::focusWidget());
            QTest::keyClick(order.back(), Qt::Key_Tab);
        }
        EXPECT_THAT(order,
                    ::testing::ElementsAre(yes, button(box, " No "), box->findChild<CheckBox*>()));
        EXPECT_TRUE(yes->hasFocus()) << "back to Yes";
        QTest::keyClick(yes, Qt::Key_Return);
        if (open_message_box()) click(button(box, " No ")); // never leave the box waiting
    });
    EXPECT_EQ(show_message_box(&owner, "Mark?", MessageYesNoWithCheck, OptRememberCompleted),
              MessageYes);
}

TEST_F(MessageBoxTest, BoxIsCentredOnTheOwnerAndTimersKeepRunningWhileItWaits) {
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(5);
    QRect box_rect;
    when_open([&](QWidget* box) {
        box_rect = box->frameGeometry();
        ASSERT_EVENTUALLY(ticks >= 3);
        click(button(box, " OK "));
    });
    show_message_box(&owner, "Done.", MessageOk, -1);
    EXPECT_GE(ticks, 3);
    const QRect o = owner.frameGeometry();
    EXPECT_EQ(box_rect.size(), QSize(260, 105));
    EXPECT_EQ(box_rect.left(), o.left() + (o.width() - 260) / 2);
    EXPECT_EQ(box_rect.top(), o.top() + (o.height() - 105) / 2);
}

} // namespace
