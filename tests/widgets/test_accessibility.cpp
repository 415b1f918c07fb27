// What a screen reader is told: a window's title, each control's caption as its name and a
// button's explanation as its description.
#include "button.h"
#include "check_box.h"
#include "frameless_window.h"
#include "radio_button.h"
#include "text_display.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <gtest/gtest.h>

namespace {

QString said(QWidget* w, QAccessible::Text what) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(what) : QStringLiteral("<no interface>");
}

class PlainWindow : public FramelessWindow {
  public:
    PlainWindow() : FramelessWindow(nullptr, 300, 200, QStringLiteral("Kanji Window")) {}

  protected:
    void render(Surface&) override {}
};

TEST(Accessibility, WindowsAndControlsSayWhatTheyShow) {
    PlainWindow window;
    Button* exit = Button::create(
        &window, 10, 30, QStringLiteral("Exit"), 12, nullptr, [] {},
        QStringLiteral("Click to exit Brushwise"), 17, 0);
    CheckBox* check = CheckBox::create(&window, nullptr, QStringLiteral("Show Kanji Meanings"), 10,
                                       60, 500, 0, false, nullptr);
    RadioButton* radio = RadioButton::create(&window, nullptr, QStringLiteral("ON Pronunciation"),
                                             10, 90, 500, false, true, nullptr);
    TextDisplay* shown =
        TextDisplay::create(&window, 10, 120, 200, 60, QStringLiteral("水"), false, -7, 2);
    window.show();
    EXPECT_EQ(said(&window, QAccessible::Name), "Kanji Window");
    EXPECT_EQ(said(exit, QAccessible::Name), "Exit");
    EXPECT_EQ(said(exit, QAccessible::Description), "Click to exit Brushwise");
    EXPECT_EQ(said(check, QAccessible::Name), "Show Kanji Meanings");
    EXPECT_EQ(said(radio, QAccessible::Name), "ON Pronunciation");
    EXPECT_EQ(said(shown, QAccessible::Name), "水");
    shown->set_text(QStringLiteral("火"));
    EXPECT_EQ(said(shown, QAccessible::Name), "火") << "the name follows the text shown";
}

} // namespace
