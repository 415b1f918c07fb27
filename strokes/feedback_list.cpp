#include "feedback_list.h"

namespace {

constexpr int kFirstLineX = 12;
constexpr int kFirstLineY = 28;
constexpr int kLineStep = 15;
constexpr int kFadeStart = 238;
constexpr int kFadeStep = 17;

int fade_channel(int f, int c, int b) {
    return (b + (((c - b) * f) >> 8)) & 0xff;
}

} // namespace

ColorRef severity_colour(int severity) {
    switch (severity) {
    case SeverityWarning:
        return RGB(128, 0, 0);
    case SeverityFatal:
        return RGB(255, 0, 0);
    case SeveritySuccess:
        return RGB(0, 0, 255);
    default:
        return RGB(0, 0, 192);
    }
}

ColorRef Fade(int f, ColorRef c, ColorRef b) {
    auto channel = [](ColorRef v, int shift) { return int((v >> shift) & 0xff); };
    return RGB(fade_channel(f, channel(c, 0), channel(b, 0)),
               fade_channel(f, channel(c, 8), channel(b, 8)),
               fade_channel(f, channel(c, 16), channel(b, 16)));
}

void FeedbackList::clear() {
    count_ = 0;
    newest_ = -1;
}

void FeedbackList::append(const QString& text, int severity) {
    count_ = std::min(count_ + 1, kCapacity);
    newest_ = (newest_ + 1) % kCapacity;
    ring_[size_t(newest_)] = {text.left(kMaxTextLength), severity};
}

const FeedbackMessage& FeedbackList::by_age(int age) const {
    return ring_[size_t((newest_ - age + kCapacity) % kCapacity)];
}

std::vector<FeedbackLine> feedback_lines(const FeedbackList& list) {
    std::vector<FeedbackLine> lines;
    for (int age = 0; age < list.count(); ++age) {
        const FeedbackMessage& m = list.by_age(age);
        const ColorRef own = severity_colour(m.severity);
        lines.push_back(
            {kFirstLineX, kFirstLineY + kLineStep * age, m.text, age == 0,
             age == 0 ? own : Fade(kFadeStart - kFadeStep * age, own, kFeedbackFadeGrey)});
    }
    return lines;
}
