#include "hint.h"

namespace {
std::function<void(int)>& handler() {
    static std::function<void(int)> h;
    return h;
}
} // namespace

void show_hint(int id) {
    if (handler()) handler()(id);
}

void set_hint_handler(std::function<void(int)> h) {
    handler() = std::move(h);
}
