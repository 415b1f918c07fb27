// The feedback list's ring, its fading colours and the panel it is drawn on.
#include "feedback_list.h"
#include "feedback_panel.h"
#include "pixel_support.h"

#include <gtest/gtest.h>

TEST(Fade, MixesPerChannelRoundingTowardMinusInfinity) {
    const ColorRef red = RGB(255, 0, 0), grey = RGB(228, 228, 228);
    EXPECT_EQ(Fade(256, red, grey), red);
    EXPECT_EQ(Fade(0, red, grey), grey);
    EXPECT_EQ(Fade(128, RGB(0, 0, 0), grey), RGB(114, 114, 114));
    EXPECT_EQ(Fade(1, RGB(0, 0, 0), grey), RGB(227, 227, 227)); // -0.89 rounds down
    EXPECT_EQ(Fade(1, RGB(255, 255, 255), grey), RGB(228, 228, 228));
}

TEST(FeedbackList, KeepsTheNewestFifteenNewestFirst) {
    FeedbackList list;
    EXPECT_EQ(list.newest_slot(), -1);
    for (int i = 1; i <= 20; ++i)
        list.append(QString::number(i), i % 4);
    EXPECT_EQ(list.count(), 15);
    EXPECT_EQ(list.newest_slot(), 19 % 15);
    EXPECT_EQ(list.by_age(0).text, "20");
    EXPECT_EQ(list.by_age(0).severity, 0);
    EXPECT_EQ(list.by_age(14).text, "6");
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.newest_slot(), -1);
    EXPECT_TRUE(feedback_lines(list).empty());
}

TEST(FeedbackList, TextsAreCutToNinetyNineCharacters) {
    FeedbackList list;
    list.append(QString(150, QChar('x')), SeverityInfo);
    EXPECT_EQ(list.by_age(0).text.size(), 99);
}

TEST(FeedbackList, LinesFadeWithAgeFromTheirSeverityColour) {
    FeedbackList list;
    list.append("fatal", SeverityFatal);
    list.append("warning", SeverityWarning);
    list.append("info", SeverityInfo);
    const auto lines = feedback_lines(list);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].colour, RGB(0, 0, 192));
    EXPECT_TRUE(lines[0].bold);
    EXPECT_FALSE(lines[1].bold);
    EXPECT_EQ(lines[1].y, 43);
    EXPECT_EQ(lines[1].colour, Fade(221, RGB(128, 0, 0), RGB(228, 228, 228)));
    EXPECT_EQ(lines[2].colour, Fade(204, RGB(255, 0, 0), RGB(228, 228, 228)));
    EXPECT_EQ(lines[2].x, 12);
    EXPECT_EQ(lines[2].y, 58);
}

TEST(FeedbackPanel, ShowsTheInstructionsOrTheHintOrTheVerdicts) {
    Surface s(260, 260);
    FeedbackList list;
    const PixelRect kanji{100, 25, 140, 50}, hint{12, 30, 198, 60};
    DrawFeedbackPanel(s, list, false, u'\u6c34');
    EXPECT_GT(count_near(s, kanji, RGB(0, 0, 128)), 20);
    EXPECT_EQ(count_near(s, hint, RGB(168, 168, 168), 10), 0);

    DrawFeedbackPanel(s, list, true, u'\u6c34');
    EXPECT_GT(count_near(s, hint, RGB(168, 168, 168), 10), 20);
    EXPECT_EQ(count_near(s, kanji, RGB(0, 0, 128)), 0);

    list.append("FATAL: Too far from line", SeverityFatal);
    DrawFeedbackPanel(s, list, true, u'\u6c34');
    EXPECT_GT(count_near(s, {12, 28, 198, 42}, RGB(255, 0, 0)), 20);
    EXPECT_EQ(count_near(s, hint, RGB(168, 168, 168), 10), 0);
}
