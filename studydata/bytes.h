#pragma once
// Bounds-checked little-endian access to untrusted file bytes.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

static_assert(std::endian::native == std::endian::little,
              "the data files are little-endian and are mapped onto structures directly");

namespace bytes {

// Reads a 32-bit little-endian word at `offset`; nullopt when it would run past the end.
inline std::optional<uint32_t> u32_at(std::span<const uint8_t> data, size_t offset) {
    if (offset > data.size() || data.size() - offset < 4) return std::nullopt;
    uint32_t v;
    std::memcpy(&v, data.data() + offset, 4);
    return v;
}

inline std::optional<int32_t> i32_at(std::span<const uint8_t> data, size_t offset) {
    auto v = u32_at(data, offset);
    if (!v) return std::nullopt;
    return static_cast<int32_t>(*v);
}

inline void put_u16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

inline void put_u32(std::vector<uint8_t>& out, uint32_t v) {
    uint8_t b[4];
    std::memcpy(b, &v, 4);
    out.insert(out.end(), b, b + 4);
}

inline void put_i32(std::vector<uint8_t>& out, int32_t v) {
    put_u32(out, static_cast<uint32_t>(v));
}

} // namespace bytes
