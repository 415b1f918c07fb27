#include "data_writer.h"
#include "kanji_file_view.h"

#include <gtest/gtest.h>

namespace {

std::vector<KanjiEntry> two_kanji() {
    KanjiEntry a;
    a.kanji = u'一';
    a.meaning = u"one";
    a.strokes = {{{10, 20, 0}, {200, 20, 0}}};
    KanjiEntry b;
    b.kanji = u'口';
    b.strokes = {{{1, 2, 0}, {1, 9, 0}}, {{1, 2, 0}, {9, 2, 1}, {9, 9, 0}}};
    return {a, b};
}

} // namespace

TEST(KanjiFileView, ReadsWhatTheWriterWrote) {
    const auto kanji = read_kanji_file(build_kanji_file(two_kanji()), 2);
    ASSERT_TRUE(kanji);
    ASSERT_EQ(kanji->size(), 2u);
    EXPECT_EQ((*kanji)[0].record.Kanji, u'一');
    EXPECT_EQ((*kanji)[0].record.Meaning.text(), u"one");
    ASSERT_EQ((*kanji)[1].strokes.size(), 2u);
    EXPECT_EQ((*kanji)[1].strokes[1][1].corner, 1);
    EXPECT_EQ((*kanji)[1].strokes[1][2].y, 9);
}

TEST(KanjiFileView, DamagedFilesAreRefusedNotOverrun) {
    const auto bytes = build_kanji_file(two_kanji());
    for (size_t size = 0; size < bytes.size(); size += 7) {
        const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + long(size));
        EXPECT_FALSE(read_kanji_file(cut, 2)) << size;
    }
    auto wrongLength = bytes;
    wrongLength[4 * 3 + sizeof(KanjiRecord)] ^= 4; // first stroke block's ByteLength
    EXPECT_FALSE(read_kanji_file(wrongLength, 2));
    auto hugeCount = bytes;
    hugeCount[4 * 3 + sizeof(KanjiRecord) + 8 + 3] = 0x7f; // first stroke's PointCount
    EXPECT_FALSE(read_kanji_file(hugeCount, 2));
    EXPECT_FALSE(read_kanji_file(bytes, 3)); // more kanji asked for than the index holds
}
