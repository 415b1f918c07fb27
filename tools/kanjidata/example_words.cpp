#include "example_words.h"

#include "readings.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace {

constexpr int kUnrankedFamiliarity = 2600; // beyond the 2500 ranked newspaper kanji

// Sort key: words written with their kanji first, then shorter words, then words of more
// familiar kanji, then EDICT order.
auto sort_key(const auto& c) {
    return std::make_tuple(c.usuallyKana, c.word.word.size(), c.familiarity, c.order);
}

} // namespace

// Full-width Latin letters and digits ("１日", "Ｔシャツ") make poor examples.
bool is_full_width_latin(char16_t c) {
    return c >= 0xFF01 && c <= 0xFF5E;
}

bool is_ascii(char16_t c) {
    return c < 0x80;
}

bool is_kanji(char16_t c) {
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xD800 && c <= 0xDFFF);
}

std::u16string example_meaning(const std::vector<std::u16string>& glosses) {
    std::u16string out;
    for (const std::u16string& g : glosses) {
        const std::u16string sep = out.empty() ? u"" : u"; ";
        if (out.size() + sep.size() + g.size() > kMaxExampleMeaningChars) {
            if (out.empty()) out = cut_at_blank(g, kMaxExampleMeaningChars);
            break;
        }
        out += sep + g;
    }
    return out;
}

ExampleChooser::ExampleChooser(const std::vector<EdictEntry>& edict, const std::u16string& known,
                               const std::map<char16_t, int>& rank) {
    const std::set<char16_t> knownSet(known.begin(), known.end());
    for (size_t i = 0; i < edict.size(); ++i) {
        const EdictEntry& e = edict[i];
        if (e.word.size() > kMaxExampleWordChars || e.reading.size() > kMaxExampleReadingChars)
            continue;
        std::set<char16_t> kanji;
        int familiarity = 0;
        bool usable = true;
        for (char16_t c : e.word) {
            usable = usable && !is_full_width_latin(c) && !is_ascii(c);
            if (!is_kanji(c)) continue;
            usable = usable && knownSet.count(c);
            auto r = rank.find(c);
            familiarity += r != rank.end() && r->second > 0 ? r->second : kUnrankedFamiliarity;
            kanji.insert(c);
        }
        const std::u16string meaning = example_meaning(e.firstSense);
        if (!usable || kanji.empty() || meaning.empty()) continue;
        for (char16_t c : kanji)
            byKanji_[c].push_back(candidates_.size());
        candidates_.push_back(
            {{e.word, e.reading, meaning}, familiarity, i, e.common, e.usuallyKana});
    }
}

std::vector<ExampleWord> ExampleChooser::examples_for(char16_t kanji) const {
    auto found = byKanji_.find(kanji);
    if (found == byKanji_.end()) return {};
    std::vector<const Candidate*> list;
    for (size_t i : found->second)
        list.push_back(&candidates_[i]);
    std::stable_sort(list.begin(), list.end(), [](const Candidate* a, const Candidate* b) {
        return sort_key(*a) < sort_key(*b);
    });
    std::vector<ExampleWord> out;
    std::set<std::u16string> words;
    for (const Candidate* c : list) {
        if (out.size() == kMaxExamplesShown) break;
        if (c->common && words.insert(c->word.word).second) out.push_back(c->word);
    }
    for (const Candidate* c : list) {
        if (out.size() >= kMinExamples) break;
        if (!c->common && words.insert(c->word.word).second) out.push_back(c->word);
    }
    return out;
}

int ExampleBook::id_for(const ExampleWord& w) {
    const std::u16string key = w.word + u'\t' + w.reading + u'\t' + w.meaning;
    auto [it, added] = ids_.emplace(key, int(records_.size()));
    if (added) records_.push_back(w);
    return it->second;
}
