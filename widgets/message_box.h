#pragma once
// The program's own modal message box: sized to its text, an icon, " OK " or " Yes " and " No "
// buttons, and optionally a "Do not show this warning again." check box remembered in an option
// slot. Results: 2 Yes or OK, 1 No, 0 closed by the caption bar's close glyph; 10 is added when
// the check box was ticked, so callers test the result modulo 10.
#include <QString>
#include <functional>

class QWidget;
struct FontSpec;

enum MessageBoxKind : int {
    MessageOk = 1,
    MessageYesNo = 2,
    MessageOkWithCheck = 11,
    MessageYesNoWithCheck = 12,
};

enum MessageBoxResult : int {
    MessageClosed = 0,
    MessageNo = 1,
    MessageYes = 2, // also OK
    MessageTicked = 10,
};

// Asks and waits for the answer; the owner is disabled meanwhile while every other window keeps
// painting and timers keep running. A ticked check box remembers the answer in option slot
// `memory_slot`: when the slot holds 1 the box answers Yes (2) at once without showing anything,
// when it holds 2 it answers No (1); -1 remembers nothing.
int show_message_box(QWidget* owner, const QString& text, int kind, int memory_slot);

// The size and the positions of the parts of a box, from its text and kind.
struct MessageBoxLayout {
    int line_count = 0;
    int line_height = 0;
    int width = 0;
    int height = 0;   // final, always odd
    int check_y = -1; // -1 without the check box
    int buttons_y = 0;
    int first_button_x = 0;  // " OK " or " Yes "
    int second_button_x = 0; // " No "
};
MessageBoxLayout message_box_layout(const QString& text, int kind,
                                    const std::function<int(const QString&)>& measure,
                                    int line_height);
// The box's font: bold Tahoma 12.
FontSpec message_box_font();
// The same, measured in the box's font.
MessageBoxLayout message_box_layout(const QString& text, int kind);

// The box that is open now, or null (for tests and the snapshot gallery), and its text.
QWidget* open_message_box();
QString open_message_box_text();
