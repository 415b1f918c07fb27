#include "feedback.h"

namespace {

const FontSpec kFont{QStringLiteral("Tahoma"), 12, true};

PlacedText line(const char* text, int x, ColorRef colour) {
    return PlacedText{QString::fromLatin1(text), x, 0, kFont, colour};
}

std::vector<PlacedText> multiple_choice_line(int state, bool in_sequence, bool auto_progress) {
    using namespace feedback_colour;
    switch (state) {
    case AwaitingAnswer:
        return {line("Select the matching meaning...", 0, Prompt)};
    case Incorrect:
        return {line("Incorrect... try again.", 0, Wrong)};
    case Correct:
        if (auto_progress)
            return {line("Correct!", 0, Right), {countdown_text(), 62, 0, kFont, Note}};
        return {line("Correct!", 0, Right), line("Click 'Next' to proceed.", 60, Note)};
    case CorrectLast:
        return {
            line("Correct!", 0, Right),
            line(in_sequence ? "Click 'Exit' to progress to next exercise." : "Exercise Complete.",
                 62, Note)};
    case AnswerShown:
        return {line("Click 'Next' to proceed.", 0, Note)};
    case AnswerShownLast:
        return {line("All kanji have been completed.", 0, Note)};
    }
    return {};
}

std::vector<PlacedText> grid_line(int state, bool auto_progress) {
    using namespace feedback_colour;
    switch (state) {
    case AwaitingAnswer:
        return {line("Select the matching Kanji...", 0, Prompt)};
    case Incorrect:
        return {line("Incorrect..try again.", 0, Wrong),
                line("All exercise scores for this kanji reset.", 132, Note)};
    case Correct:
        if (auto_progress)
            return {line("Correct!", 0, Right), {countdown_text(), 62, 0, kFont, Note}};
        return {line("Correct!", 0, Right), line("Click 'Next' to proceed.", 62, Note)};
    case CorrectLast:
        return {line("Correct!", 0, Right), line("Exercise Complete.", 62, Note)};
    case AnswerShown:
        return {line("Click 'Next' to proceed.", 0, Right)};
    case AnswerShownLast:
        return {line("All kanji have been completed.", 0, Note)};
    }
    return {};
}

} // namespace

QString countdown_text() {
    const QString seconds = QString::asprintf("%d", kAutoProgressMs / 1000) +
                            QString::asprintf(".%d", kAutoProgressMs % 1000 / 100);
    return QStringLiteral("Autoprogressing in %1 seconds.").arg(seconds);
}

std::vector<PlacedText> feedback_line(FeedbackStyle style, int state, bool in_sequence,
                                      bool auto_progress) {
    if (style == FeedbackStyle::Grid) return grid_line(state, auto_progress);
    return multiple_choice_line(state, in_sequence, auto_progress);
}
