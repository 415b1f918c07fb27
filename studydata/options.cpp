#include "options.h"

#include "bytes.h"
#include "file_io.h"

#include <array>

namespace {

constexpr const char* kOptionsFile = "brushwise.opt";
constexpr size_t kOptionsBytes = kOptionSlots * 4;
static_assert(kOptionsBytes == 424);

std::array<int32_t, kOptionSlots> slots{};

bool valid_index(int index) {
    return index >= 0 && index < kOptionSlots;
}

} // namespace

void Options_Load() {
    slots.fill(0);
    const auto data = read_file_prefix(kOptionsFile, kOptionsBytes);
    if (!data) return;
    // A short file fills the slots it holds; the rest stay 0.
    for (int i = 0; i < kOptionSlots; ++i) {
        const auto v = bytes::i32_at(*data, static_cast<size_t>(i) * 4);
        if (!v) break;
        slots[static_cast<size_t>(i)] = *v;
    }
}

bool Options_Save() {
    std::vector<uint8_t> out;
    out.reserve(kOptionsBytes);
    for (int32_t v : slots)
        bytes::put_i32(out, v);
    return write_file_atomically(kOptionsFile, out);
}

int32_t get_option_slot(int index) {
    if (index == -1) return -1;
    return valid_index(index) ? slots[static_cast<size_t>(index)] : 0;
}

void set_option_slot(int index, int32_t value) {
    if (!valid_index(index)) return;
    slots[static_cast<size_t>(index)] = value;
    Options_Save();
}

void Options_Clear() {
    slots.fill(0);
}
