// The exercise windows' text controls. TextDisplay: the three layouts (large line, small line, two
// small lines with a shortened tail), measured with a fake font whose widths are easy to reason
// about, and the control. ExerciseCounter: its texts for narrow and wide counters and the control
// with its frame.
#include "exercise_counter.h"
#include "group_frame.h"
#include "palette.h"
#include "text_display.h"

#include "poll.h"

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

// Two small lines: the first breaks at the last space before the width is reached (13-pixel
// characters: the 24th reaches 310), or without one where the width is reached, the break sought
// only in the first 29 characters (narrow ones never reach the width); a long tail keeps what
// leaves room for "..".
TEST(TextDisplayLayout, LongTextTakesTwoSmallLinesBrokenAtASpaceOrTheWidth) {
    const QString no_space = "abcdefghjklmnopqrstuvwxyzABCDEFG";
    const int reached = kMaxWidth / (kSmall / 2) + 1; // first count whose width reaches the limit
    const int kept = (kMaxWidth - 2 * (kSmall / 2)) / (kSmall / 2);
    const struct {
        QString text, first, second;
    } cases[] = {
        {"abcd efgh jklm mnop qrst uvwx yz", "abcd efgh jklm mnop", "qrst uvwx yz"},
        {"abcd efgh jklm mnop " + QString(30, 'x'), "abcd efgh jklm mnop",
         QString(kept, 'x') + ".."},
        {no_space, no_space.left(reached), no_space.mid(reached)},
        {QString(30, 'i') + " " + QString(20, 'w'), QString(29, 'i'), "i " + QString(20, 'w')},
    };
    for (const auto& c : cases) {
        const auto lines = layout(c.text);
        ASSERT_EQ(lines.size(), 2u) << c.text.toStdString();
        EXPECT_EQ(lines[0].text, c.first);
        EXPECT_EQ(lines[1].text, c.second);
        EXPECT_LE(fake_width(lines[1].text, lines[1].font), kMaxWidth);
        for (const PlacedText& line : lines) {
            EXPECT_EQ(line.x, 60 / 7 + 3);
            EXPECT_EQ(line.font.height, kSmall);
        }
        EXPECT_EQ(lines[0].y, 60 / 25 + 3);
        EXPECT_EQ(lines[1].y, 60 / 10 + kSmall + 3);
    }
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

const PlacedText* find_text(const std::vector<PlacedText>& texts, const QString& s) {
    for (const PlacedText& t : texts)
        if (t.text == s) return &t;
    return nullptr;
}

// Labels grey, values navy and bold on their label's row; the notice that completed kanji are
// excluded takes two lines on a counter narrower than 400, one on a wider one.
TEST(ExerciseCounterLayout, LabelsValuesAndTheNotice) {
    auto texts = layout_exercise_counter(208, 10, 3, false);
    const PlacedText* label = find_text(texts, "Current Word Number:");
    const PlacedText* value = find_text(texts, "3");
    ASSERT_TRUE(label && value && find_text(texts, "10"));
    EXPECT_EQ(label->colour, palette::LabelGrey);
    EXPECT_EQ(value->colour, palette::Navy);
    EXPECT_EQ(value->y, label->y);
    EXPECT_TRUE(value->font.bold);
    EXPECT_EQ(find_text(texts, "10")->y, find_text(texts, "Number of Kanji in List:")->y);
    EXPECT_EQ(texts.size(), 4u) << "no notice when completed kanji are included";
    texts = layout_exercise_counter(399, 10, 1, true);
    const PlacedText* first = find_text(texts, "Completed Kanji");
    const PlacedText* second = find_text(texts, "are excluded");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->x, 202);
    EXPECT_EQ(second->x, 202);
    EXPECT_EQ(second->y - first->y, 14);
    EXPECT_FALSE(first->font.bold);
    EXPECT_EQ(first->colour, palette::LabelGrey);
    EXPECT_EQ(texts.size(), 6u);
    texts = layout_exercise_counter(400, 10, 1, true);
    const PlacedText* notice = find_text(texts, "Completed Kanji are excluded");
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->x, 198);
    EXPECT_EQ(notice->y, 0);
    EXPECT_EQ(texts.size(), 5u);
}

TEST(ExerciseCounterControl, SitsInsideItsFrameAndShowsAnyCurrentNumber) {
    QWidget window;
    ExerciseCounter* counter = ExerciseCounter::create(&window, 10, 30, 422, 51, 10, true);
    EXPECT_EQ(counter->geometry(), QRect(16, 40, 410, 35));
    ASSERT_TRUE(counter->frame());
    EXPECT_EQ(counter->frame()->geometry(), QRect(10, 30, 422, 51));
    EXPECT_EQ(counter->current(), 1);
    counter->set_current(12); // beyond the list length: shown as it is
    EXPECT_EQ(counter->current(), 12);
    counter->destroy();
    ASSERT_EVENTUALLY(window.findChildren<GroupFrame*>().isEmpty());
    EXPECT_TRUE(window.findChildren<ExerciseCounter*>().isEmpty());
}

} // namespace
