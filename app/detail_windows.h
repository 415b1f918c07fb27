#pragma once
// The Add Word window and the two detail windows (Kanji Window, Example Window).
// KanjiWindow_Close, ExampleWindow_Open and ExampleWindow_Close are reached through shell.h:
// install_detail_window_operations fills those entries of the shell's operations.
class QWidget;
struct ShellOperations;

void AddWord_Open();
// `value` is a Learning List position when `by_position`, else a kanji number.
void KanjiWindow_Open(QWidget* reference, int value, bool by_position);
void install_detail_window_operations(ShellOperations& ops);
