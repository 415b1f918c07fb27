#include "stroke_test_support.h"

#include "kanji_data.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

void KanjiFileTest::write_kanji_file(const std::vector<KanjiEntry>& entries) {
    if (folder_.empty()) {
        previous_ = std::filesystem::current_path();
        char pattern[] = "/tmp/brushwise-strokes-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        std::filesystem::create_directories(folder_ + "/data");
        std::filesystem::current_path(folder_);
    }
    const std::vector<uint8_t> bytes = build_kanji_file(entries);
    std::ofstream out("data/kanji.dat", std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    ASSERT_TRUE(out.good());
    KanjiData_Close();
}

void KanjiFileTest::TearDown() {
    KanjiData_Close();
    if (folder_.empty()) return;
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(folder_);
}
