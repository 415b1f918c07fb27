#include "feedback_panel.h"

#include "drawing.h"
#include "shell.h"

namespace {

constexpr ColorRef kNavy = RGB(0, 0, 128);
constexpr ColorRef kInstructionGrey = RGB(198, 198, 198);
constexpr ColorRef kHintGrey = RGB(168, 168, 168);

FontSpec arial(int height, bool bold = false, bool underline = false) {
    return {QStringLiteral("Arial"), height, bold, false, underline};
}

const QString& instructions() {
    static const QString text = QStringLiteral(
        "\u2022 Click the 'Show Stroke' button to display the stroke orders and directions.\n\n"
        "\u2022 Click the 'Animate Strokes' button to start the kanji stroke animation.\n\n"
        "\u2022 Click the 'Practice Strokes' button and try to trace out the strokes in the "
        "correct order and direction.");
    return text;
}

void draw_instructions_page(Surface& s, char16_t kanji) {
    s.text(12, 10, QStringLiteral("Current Kanji:"), arial(11, true, true), kNavy);
    if (kanji != 0) s.text(100, 10, QString(QChar(kanji)), {App_JapaneseFace(), 40, true}, kNavy);
    s.text(12, 60, QStringLiteral("Stroke Order Practice Instructions"), arial(11, false, true),
           kInstructionGrey);
    s.text_wrapped(12, 85, 200, 260, instructions(), arial(11), kInstructionGrey);
}

void draw_feedback_page(Surface& s, const FeedbackList& list) {
    const QString title = QStringLiteral("Practice Feedback");
    s.text(12, 7, title, arial(13, true), kInstructionGrey); // its shadow
    s.text(10, 5, title, arial(13, true), kNavy);
    s.line(10, 22, 209, 22, kNavy); // the line ends before (210, 22)
    if (list.count() == 0) {
        s.text_wrapped(12, 30, 198, 260,
                       QStringLiteral("Trace out the kanji strokes with the mouse. Be sure to draw "
                                      "each stroke in the correct direction and start each stroke "
                                      "in the correct order."),
                       arial(11), kHintGrey);
        return;
    }
    for (const FeedbackLine& line : feedback_lines(list))
        s.text(line.x, line.y, line.text, arial(11, line.bold), line.colour);
}

} // namespace

void DrawFeedbackPanel(Surface& s, const FeedbackList& list, bool practice_mode, char16_t kanji) {
    fill_sunken_box(s, 0, 0, kFeedbackPanelWidth, kFeedbackPanelHeight, 0);
    if (practice_mode)
        draw_feedback_page(s, list);
    else
        draw_instructions_page(s, kanji);
}
