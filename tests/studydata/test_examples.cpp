#include "study_fixture.h"

namespace {

class ExamplesTest : public StudyDataTest {
  protected:
    std::vector<ExampleEntry> entries() {
        std::vector<ExampleEntry> list;
        for (int i = 0; i < 4; ++i) {
            const std::u16string n = utf8_to_utf16(std::to_string(i));
            list.push_back({u"語" + n, u"ご" + n, u"word number " + n});
        }
        return list;
    }
};

TEST_F(ExamplesTest, RecordsLieAt344BytesEach) {
    const auto file = build_examples_file(entries());
    ASSERT_EQ(file.size(), 4 * 344u);
    write_bytes("data/examples.dat", file);
    // Record 2 is exactly bytes 688..1031: its word's count and text start at 688.
    EXPECT_EQ(file[688], 2);
    const ExampleRecord* r = Examples_Load(2);
    EXPECT_EQ(r->ExampleWord.text(), u"語2");
    EXPECT_EQ(r->ExampleReading.text(), u"ご2");
    EXPECT_EQ(r->ExampleMeaning.zero_terminated(), u"word number 2");
}

TEST_F(ExamplesTest, MissingRecordsAreEmptyAndNegativeIdsNull) {
    auto file = build_examples_file(entries());
    file.resize(file.size() - 10); // the last record is cut short
    write_bytes("data/examples.dat", file);
    EXPECT_EQ(Examples_Load(-1), nullptr);
    for (int id : {3, 4, 1000000, 0x7FFFFFFF}) {
        const ExampleRecord* r = Examples_Load(id);
        EXPECT_TRUE(r->ExampleWord.empty() && r->ExampleReading.empty() &&
                    r->ExampleMeaning.empty())
            << id;
    }
    std::filesystem::remove("data/examples.dat");
    EXPECT_TRUE(Examples_Load(0)->ExampleWord.empty());
}

TEST_F(ExamplesTest, MeaningAlwaysEndsWithAZeroInsideItsSlot) {
    const std::u16string longMeaning(150, u'm');
    write_bytes("data/examples.dat", build_examples_file({{u"w", u"r", longMeaning}}));
    const ExampleRecord* r = Examples_Load(0);
    EXPECT_EQ(r->ExampleMeaning.count, 100);
    EXPECT_EQ(r->ExampleMeaning.zero_terminated().size(), 100u);
}

TEST_F(ExamplesTest, ExampleSetFollowsTheKanjisIdsInOrder) {
    write_bytes("data/examples.dat", build_examples_file(entries()));
    KanjiEntry e;
    e.exampleIds = {3, 0, 9};
    const auto set = Examples_LoadSet(make_kanji_record(e));
    ASSERT_EQ(set.size(), 3u);
    EXPECT_EQ(set[0].ExampleWord.text(), u"語3");
    EXPECT_EQ(set[1].ExampleWord.text(), u"語0");
    EXPECT_TRUE(set[2].ExampleWord.empty());
}

} // namespace
