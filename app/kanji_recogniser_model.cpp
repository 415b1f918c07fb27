#include "kanji_recogniser_model.h"

#include "bytes.h"

#include <cstring>

namespace {

// The end of the entry that starts at `at`, or 0 when it runs past the end of the model or its
// character is not terminated.
size_t entry_end(std::span<const uint8_t> model, size_t at) {
    if (model.size() - at < kModelCharacterBytes + 4) return 0;
    if (!std::memchr(model.data() + at, 0, kModelCharacterBytes)) return 0;
    for (size_t pair = at + kModelCharacterBytes + 4;; pair += kModelPairBytes) {
        const std::optional<int32_t> index = bytes::i32_at(model, pair);
        if (!index || model.size() - pair < kModelPairBytes) return 0;
        if (*index == -1) return pair + kModelPairBytes;
    }
}

} // namespace

bool handwriting_model_sound(std::span<const uint8_t> model) {
    const std::optional<uint32_t> magic = bytes::u32_at(model, 0);
    const std::optional<uint32_t> version = bytes::u32_at(model, 4);
    const std::optional<uint32_t> count = bytes::u32_at(model, 8);
    if (!magic || !version || !count) return false;
    if (model.size() > kModelMaxBytes || (*magic ^ kModelMagic) != model.size()) return false;
    if (*version != kModelVersion) return false;
    size_t at = kModelHeaderBytes;
    for (uint32_t i = 0; i < *count; ++i) {
        at = entry_end(model, at);
        if (at == 0) return false;
    }
    return at == model.size();
}

char16_t single_utf8_character(std::string_view text) {
    const auto byte = [&](size_t i) { return uint8_t(text[i]); };
    const auto continuation = [&](size_t i) { return (byte(i) & 0xC0) == 0x80; };
    uint32_t c = 0;
    if (text.size() == 1 && byte(0) < 0x80) {
        c = byte(0);
    } else if (text.size() == 2 && (byte(0) & 0xE0) == 0xC0 && continuation(1)) {
        c = (uint32_t(byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
        if (c < 0x80) return 0; // overlong
    } else if (text.size() == 3 && (byte(0) & 0xF0) == 0xE0 && continuation(1) && continuation(2)) {
        c = (uint32_t(byte(0) & 0x0F) << 12) | (uint32_t(byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
        if (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF)) return 0; // overlong or a surrogate
    }
    return char16_t(c);
}
