// The exercise windows' text controls. TextDisplay's three layouts (large line, small line, two
// small lines with a shortened tail), measured with a fake font whose widths are easy to reason
// about, and the control; ExerciseCounter's notice and the control with its frame.
#include "exercise_counter.h"
#include "group_frame.h"
#include "text_display.h"

#include "poll.h"
#include <gmock/gmock.h>

namespace {

// The multiple-choice exercises' display: 320 x 60, y_offset -7, size_delta 2.
const TextDisplayGeometry kExercise{320, 60, false, -7, 2, 0xc00000};
constexpr int kLarge = 60 - 2, kSmall = kLarge / 2 - 60 / 20; // character heights
constexpr int kMaxWidth = 320 - 10;

// Every character is half its font height wide, except 'i', an eighth.
int fake_width(const QString& text, const FontSpec& font) {
    int w = 0;
    for (QChar c : text)
        w += c == QChar('i') ? font.height / 8 : font.height / 2;
    return w;
}

// Text that fits is one large line; slightly wider text one small line; longer text two small
// lines, the first broken at the last space before the width is reached or where it is reached
// (the break sought only in the first 29 characters), a long tail keeping what leaves room for
// "..".
TEST(TextDisplayLayout, OneLargeLineOneSmallLineOrTwoSmallLinesBrokenAtASpaceOrTheWidth) {
    const QString fits(kMaxWidth / (kLarge / 2), 'a');
    const QString no_space = "abcdefghjklmnopqrstuvwxyzABCDEFG";
    const int reached = kMaxWidth / (kSmall / 2) + 1;
    const int kept = (kMaxWidth - 2 * (kSmall / 2)) / (kSmall / 2);
    const struct {
        QString text;
        std::vector<QString> lines;
        int height;
    } cases[] = {
        {fits, {fits}, kLarge},
        {fits + "a", {fits + "a"}, kSmall},
        {"abcd efgh jklm mnop qrst uvwx yz", {"abcd efgh jklm mnop", "qrst uvwx yz"}, kSmall},
        {"abcd efgh jklm mnop " + QString(30, 'x'),
         {"abcd efgh jklm mnop", QString(kept, 'x') + ".."},
         kSmall},
        {no_space, {no_space.left(reached), no_space.mid(reached)}, kSmall},
        {QString(30, 'i') + " " + QString(20, 'w'),
         {QString(29, 'i'), "i " + QString(20, 'w')},
         kSmall},
        {{}, {}, 0},
    };
    for (const auto& c : cases) {
        const auto lines = layout_text_display(kExercise, c.text, fake_width);
        std::vector<QString> texts;
        for (const PlacedText& line : lines) {
            texts.push_back(line.text);
            EXPECT_EQ(line.font.height, c.height) << c.text.toStdString();
        }
        EXPECT_EQ(texts, c.lines);
        if (!lines.empty()) {
            EXPECT_LE(fake_width(lines.back().text, lines.back().font), kMaxWidth);
        }
    }
}

// The notice that completed kanji are excluded takes two lines on a counter narrower than 400,
// one on a wider one, and none when they are included.
TEST(ExerciseCounterLayout, TheNoticeTakesTwoLinesBelow400) {
    const auto texts = [](int width, bool excluded) {
        QStringList all;
        for (const PlacedText& t : layout_exercise_counter(width, 10, 3, excluded))
            all << t.text;
        return all.join('|');
    };
    EXPECT_FALSE(texts(208, false).contains("excluded"));
    EXPECT_TRUE(texts(399, true).contains("|Completed Kanji|are excluded"));
    EXPECT_TRUE(texts(400, true).contains("|Completed Kanji are excluded"));
}

// A screen reader reads what a display shows; a counter sits inside its frame and goes with it.
TEST(TextControls, TheDisplaysNameFollowsItsTextAndTheCounterGoesWithItsFrame) {
    QWidget window, other;
    TextDisplay* display = TextDisplay::create(&other, 10, 120, 200, 60, "水", false, -7, 2);
    display->set_text(QStringLiteral("火"));
    EXPECT_EQ(display->accessibleName(), "火");
    ExerciseCounter* counter = ExerciseCounter::create(&window, 10, 30, 422, 51, 10, true);
    ASSERT_TRUE(counter->frame());
    EXPECT_TRUE(counter->frame()->geometry().contains(counter->geometry()));
    counter->set_current(12); // beyond the list length: shown as it is
    EXPECT_EQ(counter->current(), 12);
    counter->destroy();
    EXPECT_EVENTUALLY(window.findChildren<GroupFrame*>().isEmpty() &&
                      window.findChildren<ExerciseCounter*>().isEmpty());
}

} // namespace
