#include "text_display_layout.h"

#include "drawing.h"

namespace {

constexpr int kMaxFirstLine = 29; // characters searched for the break
const QString kFace = QStringLiteral("MS Shell Dlg 2");

// The length of the first line and where the second starts.
struct Break {
    int first_length;
    int rest_start;
};

Break find_break(const QString& text, int max_width, const FontSpec& font,
                 const TextMeasure& measure) {
    const int limit = std::min<int>(kMaxFirstLine, int(text.size()));
    int last_space = -1;
    int n = limit;
    for (int i = 0; i < limit; ++i) {
        if (text[i] == QChar(' ')) last_space = i;
        if (measure(text.left(i + 1), font) >= max_width) {
            n = i + 1;
            break;
        }
    }
    if (last_space >= 0) return {last_space, last_space + 1};
    return {n, n};
}

} // namespace

std::vector<PlacedText> layout_text_display(const TextDisplayGeometry& g, const QString& text,
                                            const TextMeasure& measure) {
    if (text.isEmpty()) return {};
    const int max_width = g.w - 10;
    FontSpec font{kFace, g.h - g.size_delta, g.bold};
    if (measure(text, font) <= max_width) return {{text, g.w / 50 + 3, g.y_offset, font, g.colour}};

    font.height = (g.h - g.size_delta) / 2 - g.h / 20;
    const int x = g.h / 7 + 3;
    if (measure(text, font) <= max_width) return {{text, x, 3, font, g.colour}};

    const Break br = find_break(text, max_width, font, measure);
    QString rest = text.mid(br.rest_start);
    fit_text_to_width([&](const QString& s) { return measure(s, font); }, max_width, rest);
    return {{text.left(br.first_length), x, g.h / 25 + 3, font, g.colour},
            {rest, x, g.h / 10 + font.height + 3, font, g.colour}};
}
