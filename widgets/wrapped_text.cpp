#include "wrapped_text.h"

#include <QStringList>

namespace {

// The lines of one paragraph (no line feed in it), broken at blanks to fit `width`.
QStringList break_paragraph(const QString& paragraph, int width,
                            const std::function<int(const QString&)>& measure) {
    const QStringList words = paragraph.split(u' ');
    QStringList lines;
    QString line = words.front();
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString longer = line + u' ' + words[i];
        if (measure(longer) <= width) {
            line = longer;
        } else {
            lines.push_back(line);
            line = words[i];
        }
    }
    lines.push_back(line);
    return lines;
}

int line_x(const WrapBox& box, int line_width, Qt::Alignment align) {
    const int room = box.right - box.left - line_width;
    if (align & Qt::AlignRight) return box.left + room;
    if (align & Qt::AlignHCenter) return box.left + room / 2;
    return box.left;
}

} // namespace

std::vector<PlacedText> wrap_text(const WrapBox& box, const QString& text, const FontSpec& font,
                                  ColorRef colour, int line_height, const TextMeasure& measure,
                                  Qt::Alignment align) {
    const auto width_of = [&](const QString& s) { return measure(s, font); };
    std::vector<PlacedText> out;
    int y = box.top;
    for (const QString& paragraph : text.split(u'\n')) {
        for (const QString& line : break_paragraph(paragraph, box.right - box.left, width_of)) {
            out.push_back({line, line_x(box, width_of(line), align), y, font, colour});
            y += line_height;
        }
    }
    return out;
}
