#pragma once
// A made-up kanji set for question building: 1945 kanji whose fields are unique unless a test
// gives them something else, a Learning List, and counts of what was read.
#include "kanji_source.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

inline std::u16string u16(const std::string& s) {
    return std::u16string(s.begin(), s.end());
}

class FakeKanjiSource : public KanjiSource {
  public:
    FakeKanjiSource() : records_(kKanjiTotal + 1) {
        for (int k = 1; k <= kKanjiTotal; ++k) {
            KanjiRecord& r = records_[k];
            r.Kanji = static_cast<char16_t>(0x4E00 + k);
            r.Meaning.assign(u16("meaning " + std::to_string(k)));
            set_on(k, u16("on-kana " + std::to_string(k)), u16("ON" + std::to_string(k)));
            set_kun(k, u16("kun-kana " + std::to_string(k)), u16("kun" + std::to_string(k)));
        }
    }

    KanjiRecord& kanji(int k) { return records_.at(k); }
    void set_meaning(int k, const std::u16string& m) { records_.at(k).Meaning.assign(m); }
    void set_on(int k, const std::u16string& kana, const std::u16string& romaji) {
        records_.at(k).OnPronun.assign(kana);
        records_.at(k).OnRomaji.assign(romaji);
    }
    void set_kun(int k, const std::u16string& kana, const std::u16string& romaji) {
        records_.at(k).KunPronun.assign(kana);
        records_.at(k).KunRomaji.assign(romaji);
    }

    std::vector<int> learning;
    int learning_draws = 0; // learning_at calls

    const KanjiRecord* record(int kanji) override {
        if (kanji < 0) return nullptr;
        scratch_ = kanji <= kKanjiTotal ? records_[kanji] : KanjiRecord{};
        return &scratch_;
    }
    int learning_count() override { return static_cast<int>(learning.size()); }
    int learning_at(int position) override {
        ++learning_draws;
        return learning.at(position);
    }
    bool learning_contains(int kanji) override {
        return std::find(learning.begin(), learning.end(), kanji) != learning.end();
    }
    int pool_count() override { return kKanjiTotal; }
    int pool_at(int index) override { return index >= 0 && index <= kKanjiTotal ? index : 0; }

  private:
    std::vector<KanjiRecord> records_;
    KanjiRecord scratch_{}; // the shared buffer: overwritten by each read, as the real one is
};
