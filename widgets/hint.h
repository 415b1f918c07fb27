#pragma once
// The hint channel of the main window's help panel: controls report the hint identifier of what
// the pointer is over (1 is the general topic, -1 none). Until the main window installs its
// handler, reports go nowhere.
#include <functional>

void show_hint(int id);
void set_hint_handler(std::function<void(int)> handler);
