#include "exercise_counter.h"

#include "drawing.h"
#include "group_frame.h"
#include "palette.h"

namespace {

const FontSpec kBold{"Tahoma", 12, true};
const FontSpec kNormal{"Tahoma", 12, false};
constexpr int kLabelX = 8;
constexpr int kValueX = 170;
constexpr int kSecondRow = 16;
constexpr int kOneLineNoticeWidth = 400; // inner width from which the notice fits one line

} // namespace

std::vector<PlacedText> layout_exercise_counter(int inner_width, int list_length, int current,
                                                bool completed_excluded) {
    using palette::LabelGrey;
    using palette::Navy;
    std::vector<PlacedText> texts{
        {QStringLiteral("Number of Kanji in List:"), kLabelX, 0, kBold, LabelGrey},
        {QStringLiteral("Current Word Number:"), kLabelX, kSecondRow, kBold, LabelGrey},
        {QString::number(list_length), kValueX, 0, kBold, Navy},
        {QString::number(current), kValueX, kSecondRow, kBold, Navy},
    };
    if (!completed_excluded) return texts;
    if (inner_width >= kOneLineNoticeWidth) {
        texts.push_back(
            {QStringLiteral("Completed Kanji are excluded"), 198, 0, kNormal, LabelGrey});
    } else {
        texts.push_back({QStringLiteral("Completed Kanji"), 202, 0, kNormal, LabelGrey});
        texts.push_back({QStringLiteral("are excluded"), 202, 14, kNormal, LabelGrey});
    }
    return texts;
}

ExerciseCounter* ExerciseCounter::create(QWidget* parent, int x, int y, int w, int h,
                                         int list_length, bool completed_excluded) {
    auto* counter = new ExerciseCounter(parent, w - 12, h - 16, list_length, completed_excluded);
    counter->move(x + 6, y + 10);
    counter->frame_ = GroupFrame::create(parent, x, y, w, h, QString());
    counter->refresh();
    counter->show();
    return counter;
}

ExerciseCounter::ExerciseCounter(QWidget* parent, int w, int h, int list_length,
                                 bool completed_excluded)
    : SurfaceWidget(parent, w, h), list_length_(list_length),
      completed_excluded_(completed_excluded) {}

void ExerciseCounter::set_current(int n) {
    current_ = n;
    refresh();
}

void ExerciseCounter::destroy() {
    if (frame_) frame_->destroy();
    SurfaceWidget::destroy();
}

void ExerciseCounter::render() {
    Surface& s = surface();
    draw_lined_background(s, 0, 0, s.width(), s.height(), true);
    draw_placed(s, layout_exercise_counter(s.width(), list_length_, current_, completed_excluded_));
}
