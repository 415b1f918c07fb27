// TextDisplay: the three layouts (large line, small line, two small lines with a shortened
// tail), measured with a fake font whose widths are easy to reason about, and the control.
#include "text_display.h"

#include <QTest>
#include <gmock/gmock.h>

namespace {

// The multiple-choice exercises' display: 320 x 60, y_offset -7, size_delta 2.
const TextDisplayGeometry kExercise{320, 60, false, -7, 2, 0xc00000};
constexpr int kLarge = 60 - 2;               // large character height
constexpr int kSmall = kLarge / 2 - 60 / 20; // small character height
constexpr int kMaxWidth = 320 - 10;

// Every character is half its font height wide, except 'i', an eighth.
int fake_width(const QString& text, const FontSpec& font) {
    int w = 0;
    for (QChar c : text)
        w += c == QChar('i') ? font.height / 8 : font.height / 2;
    return w;
}

std::vector<PlacedText> layout(const QString& text) {
    return layout_text_display(kExercise, text, fake_width);
}

// How many half-height characters fit the width at a character height.
int fitting_chars(int height) {
    return kMaxWidth / (height / 2);
}

TEST(TextDisplayLayout, TextThatFitsIsDrawnOnceInTheLargeFontAtYOffset) {
    const auto lines = layout(QString(fitting_chars(kLarge), QChar('a')));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].font.height, kLarge);
    EXPECT_EQ(lines[0].x, 320 / 50 + 3);
    EXPECT_EQ(lines[0].y, -7);
    EXPECT_EQ(lines[0].colour, ColorRef(0xc00000));
    EXPECT_EQ(lines[0].font.face, "MS Shell Dlg 2");
    EXPECT_TRUE(layout({}).empty()) << "no text draws nothing";
}

TEST(TextDisplayLayout, SlightlyTooWideTextIsDrawnSmallerOnOneLine) {
    const QString text(fitting_chars(kLarge) + 1, QChar('a'));
    const auto lines = layout(text);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text, text);
    EXPECT_EQ(lines[0].font.height, kSmall);
    EXPECT_EQ(lines[0].x, 60 / 7 + 3);
    EXPECT_EQ(lines[0].y, 3);
    TextDisplayGeometry bold = kExercise; // bold is kept in both sizes
    bold.bold = true;
    EXPECT_TRUE(layout_text_display(bold, "ab", fake_width)[0].font.bold);
    EXPECT_TRUE(layout_text_display(bold, text, fake_width)[0].font.bold);
}

TEST(TextDisplayLayout, LongTextBreaksAtTheLastSpaceBeforeTheWidthIsReached) {
    // 13-pixel characters: the 24th character reaches 310; the last space before it is at 19.
    const auto lines = layout("abcd efgh jklm mnop qrst uvwx yz");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, "abcd efgh jklm mnop");
    EXPECT_EQ(lines[1].text, "qrst uvwx yz");
    EXPECT_EQ(lines[0].x, 60 / 7 + 3);
    EXPECT_EQ(lines[1].x, 60 / 7 + 3);
    EXPECT_EQ(lines[0].y, 60 / 25 + 3);
    EXPECT_EQ(lines[1].y, 60 / 10 + kSmall + 3);
    EXPECT_EQ(lines[1].font.height, kSmall);
}

TEST(TextDisplayLayout, ALongTailEndsInTwoDots) {
    const auto lines = layout("abcd efgh jklm mnop " + QString(30, QChar('x')));
    ASSERT_EQ(lines.size(), 2u);
    // The tail keeps the characters that leave room for ".." within the width.
    const int char_w = kSmall / 2;
    const int kept = (kMaxWidth - 2 * char_w) / char_w;
    EXPECT_EQ(lines[1].text, QString(kept, QChar('x')) + "..");
    EXPECT_LE(fake_width(lines[1].text, lines[1].font), kMaxWidth);
}

TEST(TextDisplayLayout, WithoutASpaceTheFirstLineEndsWhereTheWidthIsReached) {
    const QString text = "abcdefghjklmnopqrstuvwxyzABCDEFG";
    const int reached = kMaxWidth / (kSmall / 2) + 1; // first count whose width reaches the limit
    const auto lines = layout(text);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, text.left(reached));
    EXPECT_EQ(lines[1].text, text.mid(reached));
}

TEST(TextDisplayLayout, TheBreakIsSoughtOnlyInTheFirst29Characters) {
    // Narrow characters never reach the width; the space after them is not looked at.
    const QString text = QString(30, QChar('i')) + " " + QString(20, QChar('w'));
    const auto lines = layout(text);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, QString(29, QChar('i')));
    EXPECT_EQ(lines[1].text, "i " + QString(20, QChar('w')));
}

TEST(TextDisplayControl, LaysOutWithTheRealFontAndFollowsSetText) {
    QWidget window;
    TextDisplay* display = TextDisplay::create(&window, 20, 50, 320, 60, {}, false, -7, 2);
    EXPECT_EQ(display->geometry(), QRect(20, 50, 320, 60));
    EXPECT_TRUE(display->layout().empty());
    display->set_text(QString::fromUtf8("日"));
    ASSERT_EQ(display->layout().size(), 1u);
    EXPECT_EQ(display->layout()[0].font.height, kLarge);
    display->set_text("to be able to do something repeatedly and habitually, or by custom");
    const auto lines = display->layout();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[1].text.endsWith("..")) << lines[1].text.toStdString();
    EXPECT_LE(Surface(1, 1).text_width(lines[1].text, lines[1].font), kMaxWidth);
}

} // namespace
