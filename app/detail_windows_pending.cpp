// Placeholder entry points until the Add Word and detail windows land: nothing opens yet.
#include "detail_windows.h"

void AddWord_Open() {}
void KanjiWindow_Open(QWidget*, int, bool) {}
void install_detail_window_operations(ShellOperations&) {}
