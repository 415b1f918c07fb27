// A damaged text field (a count beyond its slot, no zero character anywhere in the slot) is
// never read past its slot.
#include "study_fixture.h"

namespace {

class DamagedFieldsTest : public StudyDataTest {};

TEST_F(DamagedFieldsTest, ATextWithoutTerminatorAndAHugeCountStaysInItsSlot) {
    auto file = build_kanji_file(sample_kanji(2));
    const size_t record = word_at(file, 4);
    // Meaning: count 0xFFFF and 119 'A's, no zero; OnPronun after it: count 3, "BBB".
    file[record + 2] = 0xFF;
    file[record + 3] = 0xFF;
    for (size_t i = 0; i < 119; ++i) {
        file[record + 4 + 2 * i] = 'A';
        file[record + 5 + 2 * i] = 0;
    }
    file[record + 242] = 3;
    file[record + 243] = 0;
    for (size_t i = 0; i < 3; ++i) {
        file[record + 244 + 2 * i] = 'B';
        file[record + 245 + 2 * i] = 0;
    }
    write_bytes("data/kanji.dat", file);
    const KanjiRecord* r = KanjiData_LoadRecord(1);
    const std::u16string whole(119, u'A');
    EXPECT_EQ(r->Meaning.text(), whole);
    EXPECT_EQ(r->Meaning.zero_terminated(), whole);
    EXPECT_EQ(r->OnPronun.text(), u"BBB");
}

} // namespace
