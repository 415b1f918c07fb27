#include "reading_entries.h"

#include "counted_text.h"

#include <algorithm>

Entries reading_group(std::u16string_view romaji) {
    Entries group = split_readings(romaji);
    if (group.size() > kGroupMaxReadings) group.resize(kGroupMaxReadings);
    for (std::u16string& reading : group)
        if (reading.size() > kGroupMaxReadingLength) reading.resize(kGroupMaxReadingLength);
    return group;
}

bool share_an_entry(const Entries& a, const Entries& b) {
    return std::any_of(a.begin(), a.end(), [&b](const std::u16string& entry) {
        return std::find(b.begin(), b.end(), entry) != b.end();
    });
}
