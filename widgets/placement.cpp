#include "placement.h"

#include "options.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

constexpr int kWorkAreaMargin = 4;

// Half of a difference, rounded down (also for negative differences).
int half_down(int d) {
    return d >= 0 ? d / 2 : -((-d + 1) / 2);
}

QRect work_area_of(const QWidget* reference) {
    QScreen* screen = reference ? reference->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

// In 64 bits: an offset from a damaged options file may lie anywhere in the 32-bit range.
QPoint place_window(int x, int y, int w, int h, const QRect& reference, const QRect& work_area) {
    int64_t left, top;
    if (x == kCentreOnReference) {
        left = reference.left() + half_down(reference.width() - w);
        top = reference.top() + half_down(reference.height() - h);
    } else {
        left = int64_t(reference.left()) + x;
        top = int64_t(reference.top()) + y;
    }
    if (work_area.isEmpty())
        return {int(std::clamp<int64_t>(left, INT_MIN, INT_MAX)),
                int(std::clamp<int64_t>(top, INT_MIN, INT_MAX))};
    const int64_t wa_right = int64_t(work_area.left()) + work_area.width();
    const int64_t wa_bottom = int64_t(work_area.top()) + work_area.height();
    if (left < work_area.left()) left = work_area.left() + kWorkAreaMargin;
    if (top < work_area.top()) top = work_area.top() + kWorkAreaMargin;
    if (left + w > wa_right) left = wa_right - w - kWorkAreaMargin;
    if (top + h > wa_bottom) top = wa_bottom - h - kWorkAreaMargin;
    return {int(left), int(top)};
}

QPoint place_window(int x, int y, int w, int h, const QWidget* reference) {
    QRect ref = reference ? reference->frameGeometry() : QRect();
    return place_window(x, y, w, h, ref, work_area_of(reference));
}

void remember_window_offset(const QWidget* window, const QWidget* reference, int slot) {
    if (!window || !reference || slot < 0) return;
    QPoint offset = window->frameGeometry().topLeft() - reference->frameGeometry().topLeft();
    set_option_slot(slot, offset.x());
    set_option_slot(slot + 1, offset.y());
}
