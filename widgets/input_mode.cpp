#include "input_mode.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QWidget>

void switch_input_mode(int mode, QWidget* field) {
    if (!field) return;
    Qt::InputMethodHints hints = field->inputMethodHints() & ~Qt::ImhPreferLatin;
    if (mode == InputAlphabetic) hints |= Qt::ImhPreferLatin;
    if (hints == field->inputMethodHints()) return;
    field->setInputMethodHints(hints);
    if (field->hasFocus()) QGuiApplication::inputMethod()->update(Qt::ImHints);
}
