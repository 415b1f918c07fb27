#include "study_order.h"

#include <algorithm>
#include <climits>
#include <tuple>

namespace {

auto order_key(char16_t c, const std::map<char16_t, KanjidicEntry>& dictionary) {
    auto found = dictionary.find(c);
    const KanjidicEntry e = found != dictionary.end() ? found->second : KanjidicEntry{};
    const int group = e.grade >= 1 && e.grade <= 6 ? e.grade : 7;
    const int frequency = e.frequency > 0 ? e.frequency : INT_MAX;
    return std::make_tuple(group, frequency, e.strokeCount, c);
}

} // namespace

std::u16string study_order(const std::u16string& kanji,
                           const std::map<char16_t, KanjidicEntry>& dictionary) {
    std::u16string out = kanji;
    std::sort(out.begin(), out.end(), [&](char16_t a, char16_t b) {
        return order_key(a, dictionary) < order_key(b, dictionary);
    });
    return out;
}
