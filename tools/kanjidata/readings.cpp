#include "readings.h"

#include "romaji.h"

#include <algorithm>

namespace {

const std::u16string kSeparator = u", ";

std::u16string without_hyphens(std::u16string s) {
    std::erase(s, u'-');
    return s;
}

bool is_affix(const std::u16string& s) {
    return s.find(u'-') != std::u16string::npos;
}

void push_unique(std::vector<std::u16string>& list, std::u16string s) {
    if (s.empty() || std::find(list.begin(), list.end(), s) != list.end()) return;
    list.push_back(std::move(s));
}

std::u16string ascii(const std::string& s) {
    return std::u16string(s.begin(), s.end());
}

// Joins entries while both the kana and the romaji text stay within the limits.
ReadingFields join_within_limits(const std::vector<std::u16string>& entries, bool upper) {
    ReadingFields out;
    size_t taken = 0;
    for (const std::u16string& kana : entries) {
        if (taken == kMaxReadingEntries) break;
        const std::u16string romaji =
            ascii(upper ? kana_to_upper_romaji(kana) : kana_to_romaji(kana));
        const std::u16string sep = taken ? kSeparator : std::u16string();
        if (out.kana.size() + sep.size() + kana.size() > kMaxReadingChars ||
            out.romaji.size() + sep.size() + romaji.size() > kMaxReadingChars)
            break;
        out.kana += sep + kana;
        out.romaji += sep + romaji;
        ++taken;
    }
    return out;
}

} // namespace

ReadingFields on_reading_fields(const std::vector<std::u16string>& onReadings) {
    std::vector<std::u16string> entries;
    for (const std::u16string& r : onReadings)
        push_unique(entries, without_hyphens(r));
    return join_within_limits(entries, true);
}

std::vector<std::u16string> kun_entries(const std::vector<std::u16string>& kunReadings) {
    const bool hasPlain = std::any_of(kunReadings.begin(), kunReadings.end(),
                                      [](const std::u16string& r) { return !is_affix(r); });
    std::vector<std::u16string> entries;
    for (const std::u16string& r : kunReadings)
        if (!hasPlain || !is_affix(r))
            push_unique(entries, katakana_to_hiragana(without_hyphens(r)));
    return entries;
}

ReadingFields kun_reading_fields(const std::vector<std::u16string>& kunReadings) {
    return join_within_limits(kun_entries(kunReadings), false);
}

std::u16string cut_at_blank(const std::u16string& text, size_t limit) {
    if (text.size() <= limit) return text;
    const size_t blank = text.rfind(u' ', limit);
    std::u16string cut = text.substr(0, blank != std::u16string::npos && blank > 0 ? blank : limit);
    while (!cut.empty() && (cut.back() == u' ' || cut.back() == u',' || cut.back() == u';'))
        cut.pop_back();
    return cut;
}

std::u16string joined_meaning(const std::vector<std::u16string>& meanings) {
    std::u16string out;
    for (const std::u16string& m : meanings) {
        if (m.empty()) continue;
        const std::u16string sep = out.empty() ? std::u16string() : kSeparator;
        if (out.size() + sep.size() + m.size() > kMaxMeaningChars) {
            if (out.empty()) out = cut_at_blank(m, kMaxMeaningChars);
            break;
        }
        out += sep + m;
    }
    return out;
}
