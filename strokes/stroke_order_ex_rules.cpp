#include "stroke_order_ex_rules.h"

#include "feedback.h"
#include "sound_cue.h"

bool stroke_start_hit(const StrokeStart& start, int x, int y) {
    return x >= start.x - kStartReach && x < start.x + kStartReach && y >= start.y - kStartReach &&
           y < start.y + kStartReach;
}

namespace {

int completion_state(bool first_attempt, bool on_last_kanji) {
    if (first_attempt) return on_last_kanji ? StrokeOrderCompleteLast : StrokeOrderComplete;
    return on_last_kanji ? StrokeOrderDoneLast : StrokeOrderDone;
}

} // namespace

// A hit does not clear first_attempt: every hit before the first miss writes the slot again.
StrokeOrderClick StrokeOrderEx_Judge(StrokeOrderQuestion& q, const StrokeStarts& starts, int x,
                                     int y, bool on_last_kanji) {
    StrokeOrderClick c;
    if (q.found >= starts.stroke_count()) return c;
    c.judged = true;
    if (!stroke_start_hit(starts.start(q.found), x, y)) {
        q.state = StrokeOrderMissed;
        q.first_attempt = false;
        c.cue = CueWrong;
        c.reset_scores = true;
        return c;
    }
    c.hit = true;
    q.found += 1;
    if (q.found == starts.stroke_count()) {
        c.complete = true;
        c.cue = CueComplete;
        q.state = completion_state(q.first_attempt, on_last_kanji);
    } else {
        q.state = StrokeOrderFound;
        c.cue = CueRight;
    }
    c.write_slot = q.first_attempt;
    return c;
}

bool StrokeOrderEx_Reveal(StrokeOrderQuestion& q, int stroke_count, bool at_last_position) {
    if (q.state > StrokeOrderFound) return false;
    q.first_attempt = false;
    q.found = stroke_count;
    q.state = at_last_position ? StrokeOrderAllShown : StrokeOrderDone;
    return true;
}

namespace {

const FontSpec kFont{QStringLiteral("Tahoma"), 12, true};
constexpr int kSecondLine = 16;

PlacedText first(const QString& text, ColorRef colour) {
    return {text, 0, 0, kFont, colour};
}
PlacedText second(const QString& text, ColorRef colour) {
    return {text, 0, kSecondLine, kFont, colour};
}

} // namespace

std::vector<PlacedText> stroke_order_feedback(int state, bool in_sequence, bool auto_progress) {
    using namespace stroke_order_colour;
    const PlacedText correct = first(QStringLiteral("Correct!"), Right);
    switch (state) {
    case StrokeOrderMissed:
        return {second(QStringLiteral("Incorrect... try again."), Wrong)};
    case StrokeOrderAwaiting:
        return {first(QStringLiteral("Select the start of each stroke"), Prompt),
                second(QStringLiteral("in the order they are drawn."), Prompt)};
    case StrokeOrderFound:
        return {correct, second(QStringLiteral("Select the next stroke start."), Note)};
    case StrokeOrderComplete:
        return {correct, second(auto_progress ? countdown_text()
                                              : QStringLiteral("Click 'Next' to proceed."),
                                Note)};
    case StrokeOrderCompleteLast:
        return {correct,
                second(in_sequence ? QStringLiteral("Click 'Exit' to progress to next exercise.")
                                   : QStringLiteral("Exercise Complete."),
                       Note)};
    case StrokeOrderDone:
        return {first(QStringLiteral("Done."), Note),
                second(QStringLiteral("Click 'Next' to proceed to next kanji."), Note)};
    case StrokeOrderDoneLast:
        return {first(QStringLiteral("Done!"), Note),
                second(QStringLiteral("Exercise Complete."), Note)};
    case StrokeOrderAllShown:
        return {first(QStringLiteral("All kanji have been completed."), Note)};
    }
    return {};
}
