#include "damaged_folder.h"

#include "screen_fixture.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <iterator>
#include <random>

namespace {

constexpr const char* kKanjiFile = "data/kanji.dat";
constexpr const char* kExamplesFile = "data/examples.dat";
constexpr const char* kUserFiles[] = {"data/llist.dat", "data/clist.dat", "data/scores.dat",
                                      "brushwise.opt"};
constexpr int kIndexWords = 1946; // the index word of every kanji number, and of number 0
constexpr int kRecordBytes = 1244;

QString in(const QString& folder, const char* path) {
    return QDir(folder).filePath(QString::fromLatin1(path));
}

// Replaces the file (or the link in its place) with the bytes.
void write_file(const QString& path, const QByteArray& bytes) {
    QFile::remove(path);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

QByteArray read_file(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray shipped(const char* path) {
    return read_file(QDir(run_folder()).filePath(QString::fromLatin1(path)));
}

// The same garbage on every run.
QByteArray random_bytes(qsizetype size, unsigned seed) {
    std::mt19937 rng(seed);
    QByteArray bytes(size, '\0');
    for (char& c : bytes)
        c = char(rng() & 0xff);
    return bytes;
}

// Words at the edges of their range: what arithmetic on a stored number trips over.
QByteArray extreme_words(qsizetype size) {
    static constexpr int32_t kWords[] = {INT_MIN, INT_MAX, -1, 0x7fff0000, -0x7fff0000};
    QByteArray bytes;
    for (qsizetype i = 0; bytes.size() < size; ++i) {
        const auto w = static_cast<uint32_t>(kWords[i % std::size(kWords)]);
        for (int b = 0; b < 4; ++b)
            bytes.append(char((w >> (8 * b)) & 0xff));
    }
    bytes.truncate(size);
    return bytes;
}

void put_word(QByteArray& bytes, qsizetype at, int32_t value) {
    for (int b = 0; b < 4; ++b)
        bytes[at + b] = char((static_cast<uint32_t>(value) >> (8 * b)) & 0xff);
}

int32_t word_at(const QByteArray& bytes, qsizetype at) {
    if (at < 0 || at + 4 > bytes.size()) return -1;
    uint32_t w = 0;
    for (int b = 0; b < 4; ++b)
        w |= uint32_t(uint8_t(bytes[at + b])) << (8 * b);
    return static_cast<int32_t>(w);
}

QByteArray words(std::initializer_list<int32_t> values) {
    QByteArray bytes(qsizetype(4 * values.size()), '\0');
    qsizetype at = 0;
    for (int32_t v : values) {
        put_word(bytes, at, v);
        at += 4;
    }
    return bytes;
}

// --- the shipped data ---

void remove_kanji_data(const QString& folder) {
    QFile::remove(in(folder, kKanjiFile));
}
void cut_kanji_data_in_its_index(const QString& folder) {
    write_file(in(folder, kKanjiFile), shipped(kKanjiFile).left(4 * kIndexWords / 2 + 2));
}
void cut_kanji_data_in_its_records(const QString& folder) {
    const QByteArray whole = shipped(kKanjiFile);
    write_file(in(folder, kKanjiFile), whole.left(whole.size() * 2 / 5 + 3));
}
void replace_kanji_data_with_garbage(const QString& folder) {
    write_file(in(folder, kKanjiFile), random_bytes(shipped(kKanjiFile).size(), 11));
}
// The index stays whole; every record and stroke block behind it is garbage.
void scribble_over_kanji_records(const QString& folder) {
    QByteArray bytes = shipped(kKanjiFile);
    const QByteArray garbage = random_bytes(bytes.size(), 12);
    bytes.replace(4 * kIndexWords, bytes.size() - 4 * kIndexWords, garbage.mid(4 * kIndexWords));
    write_file(in(folder, kKanjiFile), bytes);
}
// The stroke blocks keep their shape; every point lies anywhere in the 32-bit plane.
void throw_stroke_points_far(const QString& folder) {
    QByteArray bytes = shipped(kKanjiFile);
    std::mt19937 rng(13);
    static constexpr int32_t kFar[] = {INT_MIN, INT_MAX, -1, 1 << 30, -(1 << 30), 100000};
    for (int kanji = 1; kanji < kIndexWords; ++kanji) {
        const qsizetype block = qsizetype(uint32_t(word_at(bytes, 4 * kanji))) + kRecordBytes;
        const int strokes = word_at(bytes, block + 4);
        qsizetype at = block + 8;
        for (int s = 0; s < strokes && at + 4 <= bytes.size(); ++s) {
            const int points = word_at(bytes, at);
            at += 4;
            for (int p = 0; p < points && at + 12 <= bytes.size(); ++p, at += 12) {
                put_word(bytes, at, kFar[rng() % std::size(kFar)]);
                put_word(bytes, at + 4, kFar[rng() % std::size(kFar)]);
            }
        }
    }
    write_file(in(folder, kKanjiFile), bytes);
}
void remove_examples(const QString& folder) {
    QFile::remove(in(folder, kExamplesFile));
}
void replace_examples_with_garbage(const QString& folder) {
    write_file(in(folder, kExamplesFile), random_bytes(shipped(kExamplesFile).size(), 14));
}
// The folders are links into the installation folder: the link goes, its target stays.
void remove_artwork(const QString& folder) {
    QFile::remove(in(folder, "res"));
}
void remove_resource_libraries(const QString& folder) {
    QFile::remove(in(folder, "dlls"));
}
void remove_help_pages(const QString& folder) {
    QFile::remove(in(folder, "help"));
}

// --- the user files ---

// Each file cut inside a word, after a studied state was saved.
void cut_learning_list(const QString& folder) {
    write_studied_user_files(folder);
    write_file(in(folder, "data/llist.dat"), read_file(in(folder, "data/llist.dat")).left(18));
}
void cut_completed_list(const QString& folder) {
    write_studied_user_files(folder);
    write_file(in(folder, "data/clist.dat"), read_file(in(folder, "data/clist.dat")).left(6));
}
void cut_scores(const QString& folder) {
    write_studied_user_files(folder);
    write_file(in(folder, "data/scores.dat"),
               read_file(in(folder, "data/scores.dat")).left(80 * 40 + 6));
}
void cut_options(const QString& folder) {
    write_studied_user_files(folder);
    write_file(in(folder, "brushwise.opt"), read_file(in(folder, "brushwise.opt")).left(50));
}
void cut_every_user_file(const QString& folder) {
    write_studied_user_files(folder);
    for (const char* f : kUserFiles) {
        const QByteArray whole = read_file(in(folder, f));
        write_file(in(folder, f), whole.left(whole.size() / 2 + 1));
    }
}
void empty_every_user_file(const QString& folder) {
    for (const char* f : kUserFiles)
        write_file(in(folder, f), {});
}

void garble(const QString& folder, const char* file, unsigned seed) {
    write_studied_user_files(folder);
    const QString path = in(folder, file);
    write_file(path, random_bytes(read_file(path).size(), seed));
}
void garble_learning_list(const QString& folder) {
    garble(folder, "data/llist.dat", 21);
}
void garble_completed_list(const QString& folder) {
    garble(folder, "data/clist.dat", 22);
}
void garble_scores(const QString& folder) {
    garble(folder, "data/scores.dat", 23);
}
void garble_options(const QString& folder) {
    garble(folder, "brushwise.opt", 24);
}
void garble_every_user_file(const QString& folder) {
    write_studied_user_files(folder);
    unsigned seed = 30;
    for (const char* f : kUserFiles) {
        const QString path = in(folder, f);
        write_file(path, random_bytes(read_file(path).size(), seed++));
    }
}
void push_every_user_word_to_its_limits(const QString& folder) {
    write_studied_user_files(folder);
    for (const char* f : kUserFiles) {
        const QString path = in(folder, f);
        write_file(path, extreme_words(read_file(path).size()));
    }
}

} // namespace

void write_studied_user_files(const QString& folder) {
    write_file(in(folder, "data/llist.dat"), words({10, 12, 3, 44, 150, 7, 1945, 28, 9, 61, 100}));
    QByteArray completed = words({1945, 5});
    for (int i = 0; i < 1945; ++i)
        completed += words({i});
    write_file(in(folder, "data/clist.dat"), completed);
    QByteArray scores(80 * 1945, '\0');
    for (int kanji : {1, 2, 4, 5, 6}) // completed
        for (int slot : {0, 1, 2, 3, 4, 19})
            put_word(scores, 80 * kanji + 4 * slot, 1);
    for (int slot : {0, 1, 3}) // 12 on its way
        put_word(scores, 80 * 12 + 4 * slot, 1);
    write_file(in(folder, "data/scores.dat"), scores);
    QByteArray options(424, '\0');
    put_word(options, 0, 1);
    put_word(options, 4, 120); // the main window's position
    put_word(options, 8, 90);
    for (int slot = 3; slot <= 14; ++slot) // window offsets
        put_word(options, 4 * slot, slot % 2 ? 40 : 25);
    for (int slot = 16; slot <= 24; ++slot) // check boxes
        put_word(options, 4 * slot, 1);
    write_file(in(folder, "brushwise.opt"), options);
}

void PrintTo(const FolderDamage& damage, std::ostream* out) {
    *out << damage.name;
}

std::vector<FolderDamage> folder_damages(bool kanji_data_lost) {
    static const std::vector<FolderDamage> damages = {
        {"KanjiDataMissing", remove_kanji_data, true},
        {"KanjiDataCutInItsIndex", cut_kanji_data_in_its_index, true},
        {"KanjiDataCutInItsRecords", cut_kanji_data_in_its_records, true},
        {"KanjiDataGarbage", replace_kanji_data_with_garbage, true},
        {"KanjiRecordsGarbage", scribble_over_kanji_records, true},
        {"StrokePointsFarAway", throw_stroke_points_far},
        {"ExamplesMissing", remove_examples},
        {"ExamplesGarbage", replace_examples_with_garbage},
        {"ArtworkMissing", remove_artwork},
        {"ResourceLibrariesMissing", remove_resource_libraries},
        {"HelpPagesMissing", remove_help_pages},
        {"LearningListCut", cut_learning_list},
        {"LearningListGarbage", garble_learning_list},
        {"CompletedListCut", cut_completed_list},
        {"CompletedListGarbage", garble_completed_list},
        {"ScoresCut", cut_scores},
        {"ScoresGarbage", garble_scores},
        {"OptionsCut", cut_options},
        {"OptionsGarbage", garble_options},
        {"EveryUserFileCut", cut_every_user_file},
        {"EveryUserFileEmpty", empty_every_user_file},
        {"EveryUserFileGarbage", garble_every_user_file},
        {"EveryUserWordAtItsLimits", push_every_user_word_to_its_limits},
    };
    std::vector<FolderDamage> chosen;
    std::copy_if(damages.begin(), damages.end(), std::back_inserter(chosen),
                 [&](const FolderDamage& d) { return d.kanji_data_lost == kanji_data_lost; });
    return chosen;
}
