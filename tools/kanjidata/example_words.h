#pragma once
// Choosing each kanji's example words from EDICT and numbering the shared example records.
#include "edict.h"

#include <map>
#include <string>
#include <vector>

constexpr size_t kMaxExamplesShown = 12;
constexpr size_t kMaxExampleWordChars = 19;
constexpr size_t kMaxExampleReadingChars = 49;
constexpr size_t kMaxExampleMeaningChars = 100;
// A kanji with fewer common words than this is topped up with other EDICT words.
constexpr size_t kMinExamples = 3;

struct ExampleWord {
    std::u16string word, reading, meaning;
};

// Glosses joined by "; ", cut at a gloss boundary to kMaxExampleMeaningChars characters.
std::u16string example_meaning(const std::vector<std::u16string>& glosses);

// Whether a character is a kanji (CJK ideograph), as opposed to kana, marks and Latin letters.
bool is_kanji(char16_t c);

class ExampleChooser {
  public:
    // Words may hold kanji and kana only, and no kanji outside the list. `known` is the list of
    // kanji an example may use; `rank` gives each kanji's familiarity (smaller is more familiar).
    ExampleChooser(const std::vector<EdictEntry>& edict, const std::u16string& known,
                   const std::map<char16_t, int>& rank);

    // The best examples of a kanji, best first: short everyday words before long compounds,
    // words usually written in kana last.
    // Common words (P) only, unless there are fewer than kMinExamples of them; then the
    // shortest other words fill up to kMinExamples.
    std::vector<ExampleWord> examples_for(char16_t kanji) const;

  private:
    struct Candidate {
        ExampleWord word;
        int familiarity; // sum of the ranks of the word's kanji
        size_t order;    // position in EDICT
        bool common;
        bool usuallyKana; // demoted: the word is usually written without the kanji
    };
    std::vector<Candidate> candidates_;
    std::map<char16_t, std::vector<size_t>> byKanji_;
};

// Numbers example records in order of first use, each word stored once.
class ExampleBook {
  public:
    int id_for(const ExampleWord& w);
    const std::vector<ExampleWord>& records() const { return records_; }

  private:
    std::map<std::u16string, int> ids_;
    std::vector<ExampleWord> records_;
};
