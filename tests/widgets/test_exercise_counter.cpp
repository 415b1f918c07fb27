// ExerciseCounter: its texts for narrow and wide counters and the control with its frame.
#include "exercise_counter.h"
#include "group_frame.h"
#include "palette.h"

#include "poll.h"

#include <QTest>
#include <gmock/gmock.h>

namespace {

const PlacedText* find_text(const std::vector<PlacedText>& texts, const QString& s) {
    for (const PlacedText& t : texts)
        if (t.text == s) return &t;
    return nullptr;
}

TEST(ExerciseCounterLayout, LabelsAreGreyAndValuesNavy) {
    const auto texts = layout_exercise_counter(208, 10, 3, false);
    const PlacedText* label = find_text(texts, "Current Word Number:");
    const PlacedText* value = find_text(texts, "3");
    ASSERT_TRUE(label && value);
    EXPECT_EQ(label->colour, palette::LabelGrey);
    EXPECT_EQ(value->colour, palette::Navy);
    EXPECT_EQ(value->y, label->y);
    EXPECT_TRUE(value->font.bold);
    ASSERT_TRUE(find_text(texts, "10"));
    EXPECT_EQ(find_text(texts, "10")->y, find_text(texts, "Number of Kanji in List:")->y);
    EXPECT_EQ(texts.size(), 4u) << "no notice when completed kanji are included";
}

TEST(ExerciseCounterLayout, TheNoticeTakesTwoLinesOnANarrowCounterOneOnAWideOne) {
    auto texts = layout_exercise_counter(399, 10, 1, true);
    const PlacedText* first = find_text(texts, "Completed Kanji");
    const PlacedText* second = find_text(texts, "are excluded");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->x, 202);
    EXPECT_EQ(second->x, 202);
    EXPECT_EQ(second->y - first->y, 14);
    EXPECT_FALSE(first->font.bold);
    EXPECT_EQ(first->colour, palette::LabelGrey);
    EXPECT_FALSE(find_text(texts, "Completed Kanji are excluded"));
    texts = layout_exercise_counter(400, 10, 1, true);
    const PlacedText* notice = find_text(texts, "Completed Kanji are excluded");
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->x, 198);
    EXPECT_EQ(notice->y, 0);
    EXPECT_FALSE(find_text(texts, "are excluded"));
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
