#include "edict.h"

#include "counted_text.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

// Tag words of EDICT that are not patterns (see is_tag_word for those).
constexpr std::array kTags = {
    "n",     "adv",    "adv-to",  "aux",     "aux-v",   "aux-adj", "conj",   "cop",     "ctr",
    "exp",   "int",    "pn",      "pref",    "prt",     "suf",     "unc",    "num",     "uk",
    "uK",    "ok",     "ik",      "iK",      "io",      "oK",      "ateji",  "gikun",   "P",
    "abbr",  "arch",   "col",     "derog",   "fam",     "fem",     "hon",    "hum",     "id",
    "joc",   "m-sl",   "male",    "obs",     "obsc",    "on-mim",  "poet",   "pol",     "rare",
    "sens",  "sl",     "vulg",    "X",       "yoji",    "chn",     "MA",     "Buddh",   "Shinto",
    "comp",  "food",   "geom",    "gram",    "ling",    "math",    "mil",    "physics", "sports",
    "sumo",  "shogi",  "music",   "med",     "law",     "anat",    "astron", "baseb",   "biol",
    "bot",   "bus",    "chem",    "econ",    "engr",    "finc",    "geol",   "mahj",    "zool",
    "vs",    "vi",     "vt",      "vk",      "vz",      "vn",      "vr",     "company", "given",
    "place", "person", "product", "station", "surname", "unclass", "work",   "char",    "dated",
    "hist",  "rK",     "sK",      "sk",      "form",    "cards",   "go",     "print",   "tradem"};

bool is_tag_word(std::string_view w) {
    if (w.empty()) return false;
    if (std::find(kTags.begin(), kTags.end(), w) != kTags.end()) return true;
    if (w.size() <= 3 &&
        std::all_of(w.begin(), w.end(), [](char c) { return std::isdigit((unsigned char)c); }))
        return true; // a sense number
    // Part-of-speech families (v5k, v1-s, vs-i, adj-na, n-adv, ...) and dialects ("ksb:").
    if (w.size() >= 2 && w[0] == 'v' && (std::isdigit((unsigned char)w[1]) || w[1] == 's'))
        return true;
    if (w.starts_with("adj-") || w.starts_with("n-")) return true;
    return w.back() == ':' && w.size() <= 5;
}

// Whether every comma-separated word of a parenthesised group is a tag.
bool is_tag_group(std::u16string_view inner, GlossTags& tags) {
    std::string words;
    for (char16_t c : inner) {
        if (c >= 0x80) return false;
        words += char(c);
    }
    if (words.empty()) return false;
    size_t start = 0;
    int number = 0;
    bool usuallyKana = false;
    while (start <= words.size()) {
        const size_t comma = std::min(words.find(',', start), words.size());
        const std::string w = words.substr(start, comma - start);
        if (!is_tag_word(w)) return false;
        if (std::isdigit((unsigned char)w[0])) number = std::stoi(w);
        usuallyKana = usuallyKana || w == "uk";
        start = comma + 1;
    }
    if (number) tags.senseNumber = number;
    tags.usuallyKana = tags.usuallyKana || usuallyKana;
    return true;
}

std::u16string_view trim(std::u16string_view s) {
    while (!s.empty() && s.front() == u' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == u' ')
        s.remove_suffix(1);
    return s;
}

std::vector<std::u16string_view> split(std::u16string_view s, char16_t sep) {
    std::vector<std::u16string_view> parts;
    size_t start = 0;
    while (start <= s.size()) {
        const size_t end = std::min(s.find(sep, start), s.size());
        parts.push_back(s.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

} // namespace

std::u16string strip_gloss_tags(std::u16string_view gloss, GlossTags& tags) {
    tags = GlossTags{};
    std::u16string_view rest = trim(gloss);
    while (!rest.empty() && (rest.front() == u'(' || rest.front() == u'{')) {
        const char16_t close = rest.front() == u'(' ? u')' : u'}';
        const size_t end = rest.find(close);
        if (end == std::u16string_view::npos) break;
        if (close == u')' && !is_tag_group(rest.substr(1, end - 1), tags)) break;
        rest = trim(rest.substr(end + 1));
    }
    return std::u16string(rest);
}

std::optional<EdictEntry> parse_edict_line(std::string_view line) {
    const std::u16string text = utf8_to_utf16(line);
    const size_t open = text.find(u" [");
    const size_t close = text.find(u"] /");
    if (open == std::u16string::npos || close == std::u16string::npos || close < open) return {};
    EdictEntry e;
    e.word = text.substr(0, open);
    e.reading = text.substr(open + 2, close - open - 2);
    std::u16string_view body(text);
    body = body.substr(close + 3);
    while (!body.empty() && (body.back() == u'/' || body.back() == u'\r'))
        body.remove_suffix(1);
    bool firstSense = true;
    for (std::u16string_view field : split(body, u'/')) {
        if (trim(field) == u"(P)") {
            e.common = true;
            continue;
        }
        GlossTags tags;
        std::u16string gloss = strip_gloss_tags(field, tags);
        if (tags.senseNumber >= 2) firstSense = false;
        if (!firstSense) continue;
        e.usuallyKana = e.usuallyKana || tags.usuallyKana;
        if (!gloss.empty()) e.firstSense.push_back(std::move(gloss));
    }
    if (e.word.empty() || e.reading.empty()) return {};
    return e;
}

std::vector<EdictEntry> parse_edict(std::string_view text) {
    std::vector<EdictEntry> out;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        if (auto e = parse_edict_line(text.substr(start, end - start)))
            out.push_back(std::move(*e));
        start = end + 1;
    }
    return out;
}
