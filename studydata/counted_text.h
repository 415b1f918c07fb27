#pragma once
// Fixed-size text slots of the data files: a 16-bit character count, then UTF-16 characters.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

template <size_t Capacity> struct CountedText {
    uint16_t count;
    char16_t chars[Capacity];

    // The stored text; a count larger than the slot is clamped to the slot.
    std::u16string text() const { return std::u16string(chars, std::min<size_t>(count, Capacity)); }
    // The text up to the first zero character, the way the search screens read it.
    std::u16string zero_terminated() const {
        size_t n = 0;
        while (n < Capacity && chars[n] != 0)
            ++n;
        return std::u16string(chars, n);
    }
    bool empty() const { return count == 0; }

    // Stores `s`, cut so that at least one zero character follows it inside the slot.
    void assign(std::u16string_view s) {
        const size_t n = std::min(s.size(), Capacity - 1);
        std::fill(std::begin(chars), std::end(chars), u'\0');
        std::copy_n(s.data(), n, chars);
        count = static_cast<uint16_t>(n);
    }
};

// Splits a reading field into its entries: entries are separated by ',' with at most one
// blank after it ("あ, い,う" gives あ, い, う). Empty text gives no entries.
std::vector<std::u16string> split_readings(std::u16string_view field);

// UTF-16 to UTF-8, for traces and tools; unpaired surrogates become U+FFFD.
std::string utf16_to_utf8(std::u16string_view s);
// UTF-8 to UTF-16; invalid sequences become U+FFFD.
std::u16string utf8_to_utf16(std::string_view s);
