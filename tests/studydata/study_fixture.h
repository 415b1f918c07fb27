#pragma once
// A fresh temporary working folder (with data/) per test, and small data files built on the fly.
#include "data_writer.h"
#include "examples.h"
#include "file_io.h"
#include "kanji_data.h"
#include "learning_list.h"
#include "options.h"
#include "scores.h"
#include "trace.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

inline std::vector<uint8_t> read_bytes(const std::string& path) {
    return read_file_prefix(path, size_t(1) << 24).value_or(std::vector<uint8_t>{});
}

inline void write_bytes(const std::string& path, const std::vector<uint8_t>& data) {
    ASSERT_TRUE(write_file_atomically(path, data)) << path;
}

inline uint32_t word_at(const std::vector<uint8_t>& data, size_t offset) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | data.at(offset + static_cast<size_t>(i));
    return v;
}

inline std::vector<uint8_t> words(std::initializer_list<int32_t> values) {
    std::vector<uint8_t> out;
    for (int32_t v : values)
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<uint8_t>(uint32_t(v) >> (8 * i)));
    return out;
}

// Kanji n has no ON reading when n % 4 == 3 and no KUN reading when n % 5 == 4, 1 + n % 3 strokes
// and examples n and n + 1.
inline std::vector<KanjiEntry> sample_kanji(int count) {
    std::vector<KanjiEntry> list;
    for (int n = 1; n <= count; ++n) {
        KanjiEntry e;
        e.kanji = static_cast<char16_t>(0x4E00 + n);
        e.meaning = u"meaning " + utf8_to_utf16(std::to_string(n));
        if (n % 4 != 3) e.onPronun = u"イチ, イツ", e.onRomaji = u"ICHI, ITSU";
        if (n % 5 != 4) e.kunPronun = u"ひと.つ,ひと", e.kunRomaji = u"hito.tsu,hito";
        e.exampleIds = {n, n + 1};
        for (int s = 0; s < 1 + n % 3; ++s) {
            std::vector<StrokeSample> stroke;
            for (int p = 0; p < 2 + s; ++p)
                stroke.push_back({10 * n + p, 20 * s + 3 * p, p == 1});
            e.strokes.push_back(stroke);
        }
        list.push_back(e);
    }
    return list;
}

class StudyDataTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/brushwise-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        std::filesystem::create_directory(dir_ / "data");
        std::filesystem::current_path(dir_);
        reset_state();
    }
    void TearDown() override {
        reset_state();
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(dir_);
    }
    // Forgets everything held in memory, saving nothing: what a killed program leaves.
    static void reset_state() {
        KanjiData_Close();
        Scores_Close();
        Options_Clear();
        LearningList_Clear();
        StudyLists_SetView(nullptr);
    }
    static void write_kanji(const std::vector<KanjiEntry>& entries) {
        write_bytes("data/kanji.dat", build_kanji_file(entries));
    }
    static void open_study_state() {
        CompletedList_Load();
        Scores_Open();
        LearningList_Load();
    }
    // Passes every exercise of `kanji` but `except_slot` (-1: none left out).
    static void pass(int kanji, int except_slot = -1) {
        for (int slot = KanjiMeaningMC; slot <= KanjiGridSearch; ++slot)
            if (slot != except_slot) Scores_SetSlot(kanji, slot, 1);
    }
    static std::vector<int32_t> list_contents() {
        std::vector<int32_t> list;
        for (int p = 0; p < LearningList_Count(); ++p)
            list.push_back(LearningList_At(p));
        return list;
    }

    const std::filesystem::path previous_ = std::filesystem::current_path();
    std::filesystem::path dir_;
};
