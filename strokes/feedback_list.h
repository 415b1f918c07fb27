#pragma once
// The practice's feedback list: the last 15 verdicts, newest first, each with its severity, and
// how the feedback panel lays them out (the newest bold in its colour, the older ones fading into
// the panel's grey).
#include "surface.h"

#include <QString>
#include <array>
#include <vector>

enum FeedbackSeverity : int {
    SeverityInfo = 0,
    SeverityWarning = 1,
    SeverityFatal = 2, // the attempt ends
    SeveritySuccess = 3,
};

// The colour of a severity (information for an unknown one).
ColorRef severity_colour(int severity);

// Mixes c into b per channel: (b + (((c - b) * f) >> 8)) mod 256, the shift rounding toward minus
// infinity: f = 256 gives c, f = 0 gives b.
ColorRef Fade(int f, ColorRef c, ColorRef b);

// The grey the older messages fade into.
constexpr ColorRef kFeedbackFadeGrey = RGB(228, 228, 228);

struct FeedbackMessage {
    QString text;
    int severity = SeverityInfo;
};

class FeedbackList {
  public:
    static constexpr int kCapacity = 15;
    static constexpr int kMaxTextLength = 99;

    void clear();
    // Appends a message (its text cut to 99 characters); the oldest of 15 makes room.
    void append(const QString& text, int severity);
    int count() const { return count_; }
    // The ring slot of the newest message; -1 when the list is empty.
    int newest_slot() const { return newest_; }
    // Messages by age: 0 is the newest, count() - 1 the oldest.
    const FeedbackMessage& by_age(int age) const;

  private:
    std::array<FeedbackMessage, kCapacity> ring_;
    int count_ = 0;
    int newest_ = -1;
};

// One line of the feedback panel.
struct FeedbackLine {
    int x = 0;
    int y = 0;
    QString text;
    bool bold = false;
    ColorRef colour = 0;
};
// The panel's message lines, newest first: the newest bold at (12, 28) in its severity's colour,
// the i-th older one 15 pixels further down in Fade(238 - 17 i, its colour, grey 228).
std::vector<FeedbackLine> feedback_lines(const FeedbackList& list);
