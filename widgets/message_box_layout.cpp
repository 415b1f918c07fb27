#include "message_box.h"

#include "surface.h"

#include <QStringList>
#include <algorithm>

namespace {

constexpr int kMinWidth = 260;
constexpr int kTextMargin = 110;
constexpr int kBaseHeight = 104;
constexpr int kCheckHeight = 16;
constexpr int kTextLineStep = 15;
constexpr int kCheckTop = 44;
constexpr int kButtonsFromBottom = 32;

int round_up_even(int v) {
    return v + (v & 1);
}

} // namespace

MessageBoxLayout message_box_layout(const QString& text, int kind,
                                    const std::function<int(const QString&)>& measure,
                                    int line_height) {
    MessageBoxLayout l;
    const QStringList lines = text.split(u'\n');
    l.line_count = int(lines.size());
    l.line_height = line_height;
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, measure(line));
    l.width = std::max(widest + kTextMargin, kMinWidth);
    int height = round_up_even((l.line_count - 1) * line_height + kBaseHeight);
    if (kind / 10 == 1) {
        l.check_y = round_up_even(l.line_count * kTextLineStep + kCheckTop);
        height += kCheckHeight;
    }
    l.buttons_y = round_up_even(height) - kButtonsFromBottom;
    if (kind % 10 == MessageYesNo) {
        l.first_button_x = l.width / 2 - 60;
        l.second_button_x = l.width / 2 + 10;
    } else {
        l.first_button_x = (l.width - 50) / 2;
    }
    l.height = height % 2 == 0 ? height + 1 : height;
    return l;
}

FontSpec message_box_font() {
    return FontSpec{QStringLiteral("Tahoma"), 12, true};
}

MessageBoxLayout message_box_layout(const QString& text, int kind) {
    Surface measurer;
    const FontSpec font = message_box_font();
    return message_box_layout(
        text, kind, [&](const QString& s) { return measurer.text_width(s, font); },
        measurer.line_height(font));
}
