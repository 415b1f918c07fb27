// The handwriting recogniser: the model file checked before the library reads it (every damage
// the library would walk into), its characters mapped to kanji numbers, and the strokes prepared
// for it (points bounded). The real model, read through the same filter, finds 水 drawn along its
// strokes in test_add_word.cpp and draw_kanji_x11.
#include "file_io.h"
#include "kanji_recogniser.h"
#include "kanji_recogniser_ink.h"
#include "kanji_recogniser_model.h"
#include "kanji_record.h"
#include "screen_fixture.h"

#include <QDir>
#include <QFile>
#include <cstring>
#include <gmock/gmock.h>
#include <map>

namespace {

using ::testing::ElementsAre;

// A model of the library's format: each character with its bias and no weights, so that its
// score is its bias whatever is drawn.
struct ModelEntry {
    std::string character; // UTF-8, at most 15 bytes
    float bias = 0;
    int weights = 1;
};

void put(std::vector<uint8_t>& out, const void* p, size_t n) {
    const auto* b = static_cast<const uint8_t*>(p);
    out.insert(out.end(), b, b + n);
}

void set_magic(std::vector<uint8_t>& m) {
    const uint32_t magic = uint32_t(m.size()) ^ kModelMagic;
    std::memcpy(&m[0], &magic, 4);
}

std::vector<uint8_t> model_of(const std::vector<ModelEntry>& entries) {
    std::vector<uint8_t> m(kModelHeaderBytes, 0);
    const uint32_t version = kModelVersion, count = uint32_t(entries.size());
    std::memcpy(&m[4], &version, 4);
    std::memcpy(&m[8], &count, 4);
    for (const ModelEntry& e : entries) {
        char character[kModelCharacterBytes] = {};
        std::memcpy(character, e.character.data(), e.character.size());
        put(m, character, sizeof character);
        put(m, &e.bias, 4);
        const int32_t end = -1;
        const float weight = 0.5f;
        for (int32_t index = 5; index < 5 + e.weights; ++index) {
            put(m, &index, 4); // weights on features nothing drawn has
            put(m, &weight, 4);
        }
        put(m, &end, 4);
        put(m, &weight, 4);
    }
    set_magic(m);
    return m;
}

// A sound model and every damage the library would walk into: cut short anywhere (the magic made
// to agree with the shorter size), a byte after the last character (with the magic agreeing or
// not), the magic, version or count wrong, a character without its zero, and the last
// terminator changed so that its weights run to the end.
std::vector<uint8_t> sound_model() {
    return model_of({{"水", 1}, {"火", 2}});
}
std::vector<std::vector<uint8_t>> damaged_models() {
    const std::vector<uint8_t> sound = sound_model();
    std::vector<std::vector<uint8_t>> damaged;
    for (size_t size = 0; size < sound.size(); ++size) {
        damaged.emplace_back(sound.begin(), sound.begin() + long(size));
        if (size >= 4) set_magic(damaged.back());
    }
    const auto changed = [&](size_t at, uint8_t value) {
        damaged.push_back(sound);
        damaged.back()[at] = value;
    };
    damaged.push_back(sound);
    damaged.back().push_back(0);
    damaged.push_back(damaged.back());
    set_magic(damaged.back());
    changed(0, sound[0] ^ 1);
    changed(4, 2);
    changed(8, 3); // more characters counted than stored
    damaged.push_back(sound);
    std::memset(&damaged.back()[kModelHeaderBytes], 'x', kModelCharacterBytes);
    changed(sound.size() - 8, 7);
    return damaged;
}

TEST(RecogniserModel, CharactersAreReadAsExactlyOneWellFormedCharacter) {
    EXPECT_EQ(single_utf8_character("水"), u'水');
    EXPECT_EQ(single_utf8_character("a"), u'a');
    EXPECT_EQ(single_utf8_character("é"), u'é');
    for (const char* bad : {"", "水火", "\xE6\xB0", "\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80",
                            "\xF0\xA0\xAE\x9F", "\x80", "\xE6\x41\xB4"})
        EXPECT_EQ(single_utf8_character(bad), 0) << "bytes " << bad;
}

class RecogniserFiles : public ScreenTest {
  protected:
    void TearDown() override {
        set_handwriting_model_path({});
        ScreenTest::TearDown();
    }
    std::string write(const QString& name, const std::vector<uint8_t>& bytes) {
        QFile f(QDir(folder).filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        return f.fileName().toStdString();
    }
    std::unique_ptr<KanjiRecogniser> open_model(const std::vector<uint8_t>& bytes,
                                                const std::u16string& kanji) {
        set_handwriting_model_path(write(QStringLiteral("model"), bytes));
        return open_kanji_recogniser(kanji);
    }
};

TEST_F(RecogniserFiles, CandidatesAreTheModelsKanjiAmongTheProgramsInScoreOrder) {
    // あ scores best but is no kanji of the program; 水 and 火 follow in score order.
    auto r = open_model(model_of({{"火", 1}, {"あ", 3}, {"水", 2}, {"木", -1}}), u"一火水");
    ASSERT_NE(r, nullptr);
    const Ink dash{{{10, 10}, {50, 12}}};
    EXPECT_THAT(r->recognise(dash, 100, 10), ElementsAre(3, 2));
    EXPECT_THAT(r->recognise(dash, 100, 1), ElementsAre(3));
    EXPECT_TRUE(r->recognise({}, 100, 10).empty());
    EXPECT_TRUE(r->recognise(dash, 100, 0).empty());
}

// The model as the program keeps it in memory: only the entries of the characters asked for.
TEST_F(RecogniserFiles, OnlyTheKanjiAskedForAreKeptFromTheModelFile) {
    const auto only = [](std::u16string wanted) {
        return [wanted](char16_t c) { return wanted.find(c) != std::u16string::npos; };
    };
    const std::vector<uint8_t> full = model_of({{"火", 1}, {"あ", 3}, {"水", 2}, {"木", -1}});
    const std::string path = write(QStringLiteral("model"), full);
    EXPECT_EQ(read_model_keeping(path, only(u"水火")), model_of({{"火", 1}, {"水", 2}}))
        << "count and magic written anew, the entries in their order";
    EXPECT_EQ(read_model_keeping(path, only(u"あ火水木")), full);
    EXPECT_EQ(read_model_keeping(path, only(u"")), model_of({}));
    EXPECT_FALSE(read_model_keeping(QDir(folder).filePath("none").toStdString(), only(u"")));

    // A model larger than the blocks it is read in: entries of several lengths cross the blocks'
    // edges at every point.
    std::vector<ModelEntry> many, odd;
    for (int i = 0; i < 60000; ++i) {
        const QString c(QChar(char16_t(0x4E00 + i % 20000)));
        many.push_back({c.toStdString(), float(i), 1 + i % 3});
        if (i % 20000 % 2) odd.push_back(many.back());
    }
    const auto odd_characters = [](char16_t c) { return (c - 0x4E00) % 2 == 1; };
    EXPECT_EQ(read_model_keeping(write(QStringLiteral("large"), model_of(many)), odd_characters),
              model_of(odd));
}

// Damage anywhere is refused by the check of the bytes and by the reader of the file, in the
// entries that are left out as much as in those kept.
TEST_F(RecogniserFiles, ASoundModelPassesAndEveryDamageIsRefusedWhateverIsKept) {
    ASSERT_TRUE(handwriting_model_sound(sound_model()));
    EXPECT_TRUE(handwriting_model_sound(model_of({})));
    const auto damaged = damaged_models();
    const std::string path = QDir(folder).filePath("model").toStdString();
    for (size_t i = 0; i < damaged.size(); ++i) {
        EXPECT_FALSE(handwriting_model_sound(damaged[i])) << "damage " << i;
        write(QStringLiteral("model"), damaged[i]);
        EXPECT_FALSE(read_model_keeping(path, [](char16_t) { return true; })) << "damage " << i;
        EXPECT_FALSE(read_model_keeping(path, [](char16_t) { return false; })) << "damage " << i;
    }
}

TEST_F(RecogniserFiles, AMissingUnreadableOrDamagedModelOpensNothing) {
    // Missing, and a folder in the file's place.
    for (const QString& path : {QDir(folder).filePath("none.model"), folder}) {
        set_handwriting_model_path(path.toStdString());
        EXPECT_FALSE(handwriting_model_present());
        EXPECT_EQ(open_kanji_recogniser(u"水"), nullptr);
    }
    // The real model cut short, as a failed read would leave it.
    set_handwriting_model_path({});
    auto real = read_file_prefix(handwriting_model_path(), 1 << 20);
    ASSERT_TRUE(real && real->size() == size_t(1 << 20)) << "the Debian model is missing";
    for (const std::vector<uint8_t>& damaged : {damaged_models().back(), {}, *real}) {
        EXPECT_EQ(open_model(damaged, u"水"), nullptr);
        EXPECT_TRUE(handwriting_model_present()) << "there, but damaged";
    }
}

TEST(InkPreparation, PointsAreHeldInTheBoxAndEmptySurplusOrOverlongStrokesBounded) {
    const Ink ink = prepare_ink({{{-40, 50}, {300, 50}}, {}, {{20, 400}}}, 260);
    ASSERT_EQ(ink.size(), 2u);
    EXPECT_EQ(ink[0].front(), (InkPoint{0, 50}));
    EXPECT_EQ(ink[0].back(), (InkPoint{259, 50}));
    EXPECT_THAT(ink[1], ElementsAre(InkPoint{20, 259})) << "a dot stays one point";
    EXPECT_EQ(prepare_ink(Ink(40, InkStroke{{5, 5}, {60, 60}}), 260).size(), 30u);
    InkStroke spiral;
    for (int i = 0; i < 5000; ++i) {
        const double a = i * 0.05, r = 20 + i * 0.02;
        spiral.push_back({130 + int(r * std::cos(a)), 130 + int(r * std::sin(a))});
    }
    const InkPreparation how;
    const auto points = int(prepare_ink({spiral}, 260, how)[0].size());
    EXPECT_TRUE(points == how.max_points || points == how.max_points - 1) << points;
}

} // namespace
