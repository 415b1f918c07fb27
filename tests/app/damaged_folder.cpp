#include "damaged_folder.h"

#include "screen_fixture.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <iterator>
#include <random>

namespace {

using Damage = std::function<void(const QString&)>;
using Change = std::function<QByteArray(const QByteArray& bytes, unsigned seed)>;

constexpr const char* kKanjiFile = "data/kanji.dat";
constexpr const char* kExamplesFile = "data/examples.dat";
constexpr int kIndexWords = 1946; // the index word of every kanji number, and of number 0
constexpr int kRecordBytes = 1244;

QString in(const QString& folder, const char* path) {
    return QDir(folder).filePath(QString::fromLatin1(path));
}

QByteArray read_file(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Replaces the file (or the link in its place) with the bytes.
void write_file(const QString& folder, const char* path, const QByteArray& bytes) {
    QFile::remove(in(folder, path));
    QFile f(in(folder, path));
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

void put_word(QByteArray& bytes, qsizetype at, int32_t value) {
    qToLittleEndian(value, bytes.data() + at);
}

int32_t word_at(const QByteArray& bytes, qsizetype at) {
    return at < 0 || at + 4 > bytes.size() ? -1 : qFromLittleEndian<int32_t>(bytes.data() + at);
}

QByteArray words(std::initializer_list<int32_t> values) {
    QByteArray bytes(qsizetype(4 * values.size()), '\0');
    qToLittleEndian<int32_t>(values.begin(), qsizetype(values.size()), bytes.data());
    return bytes;
}

// A shipped file (or folder, a link into the installation folder) removed.
Damage removed(const char* path) {
    return [=](const QString& folder) { QFile::remove(in(folder, path)); };
}

// A shipped file made over from its bytes.
Damage shipped(const char* path, Change change, unsigned seed = 0) {
    return [=](const QString& folder) {
        write_file(folder, path, change(read_file(in(run_folder(), path)), seed));
    };
}

// Each of `files`, after a studied state was saved, made over from its bytes.
Damage user_files(std::vector<const char*> files, Change change) {
    return [=](const QString& folder) {
        write_studied_user_files(folder);
        unsigned seed = 20;
        for (const char* f : files)
            write_file(folder, f, change(read_file(in(folder, f)), ++seed));
    };
}

// The first num/den of the bytes and `extra` more.
Change part(int num, int den, qsizetype extra) {
    return [=](const QByteArray& b, unsigned) { return b.left(b.size() * num / den + extra); };
}

// As long as the bytes, the same garbage on every run.
QByteArray garbage(const QByteArray& bytes, unsigned seed) {
    std::mt19937 rng(seed);
    QByteArray out(bytes.size(), '\0');
    for (char& c : out)
        c = char(rng() & 0xff);
    return out;
}

// Words at the edges of their range: what arithmetic on a stored number trips over.
QByteArray extreme_words(const QByteArray& bytes, unsigned) {
    static constexpr int32_t kWords[] = {INT_MIN, INT_MAX, -1, 0x7fff0000, -0x7fff0000};
    QByteArray extreme;
    for (qsizetype i = 0; extreme.size() < bytes.size(); ++i)
        extreme += words({kWords[i % std::size(kWords)]});
    return extreme.left(bytes.size());
}

// The index stays whole; every record and stroke block behind it is garbage.
QByteArray garbage_behind_the_index(const QByteArray& bytes, unsigned seed) {
    return bytes.left(4 * kIndexWords) + garbage(bytes, seed).mid(4 * kIndexWords);
}

// The stroke blocks keep their shape; every point lies anywhere in the 32-bit plane.
QByteArray stroke_points_far(const QByteArray& shipped, unsigned seed) {
    QByteArray bytes = shipped;
    std::mt19937 rng(seed);
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
    return bytes;
}

} // namespace

void write_studied_user_files(const QString& folder) {
    write_file(folder, "data/llist.dat", words({10, 12, 3, 44, 150, 7, 1945, 28, 9, 61, 100}));
    QByteArray completed = words({1945, 5});
    for (int i = 0; i < 1945; ++i)
        completed += words({i});
    write_file(folder, "data/clist.dat", completed);
    QByteArray scores(80 * 1945, '\0');
    for (int kanji : {1, 2, 4, 5, 6}) // completed
        for (int slot : {0, 1, 2, 3, 4, 19})
            put_word(scores, 80 * kanji + 4 * slot, 1);
    for (int slot : {0, 1, 3}) // 12 on its way
        put_word(scores, 80 * 12 + 4 * slot, 1);
    write_file(folder, "data/scores.dat", scores);
    QByteArray options(424, '\0');
    put_word(options, 0, 1);
    put_word(options, 4, 120); // the main window's position
    put_word(options, 8, 90);
    for (int slot = 3; slot <= 14; ++slot) // window offsets
        put_word(options, 4 * slot, slot % 2 ? 40 : 25);
    for (int slot = 16; slot <= 24; ++slot) // check boxes
        put_word(options, 4 * slot, 1);
    write_file(folder, "brushwise.opt", options);
}

std::vector<FolderDamage> folder_damages(bool kanji_data_lost) {
    const std::vector<const char*> all = {"data/llist.dat", "data/clist.dat", "data/scores.dat",
                                          "brushwise.opt"};
    const std::vector<FolderDamage> damages = {
        {"KanjiDataMissing", removed(kKanjiFile), true},
        {"KanjiDataCutInItsIndex", shipped(kKanjiFile, part(0, 1, 4 * kIndexWords / 2 + 2)), true},
        {"KanjiDataCutInItsRecords", shipped(kKanjiFile, part(2, 5, 3)), true},
        {"KanjiDataGarbage", shipped(kKanjiFile, garbage, 11), true},
        {"KanjiRecordsGarbage", shipped(kKanjiFile, garbage_behind_the_index, 12), true},
        {"StrokePointsFarAway", shipped(kKanjiFile, stroke_points_far, 13)},
        {"ExamplesMissing", removed(kExamplesFile)},
        {"ExamplesGarbage", shipped(kExamplesFile, garbage, 14)},
        {"ArtworkMissing", removed("res")},
        {"ResourceLibrariesMissing", removed("dlls")},
        {"HelpPagesMissing", removed("help")},
        {"LearningListCut", user_files({"data/llist.dat"}, part(0, 1, 18))}, // inside a word
        {"LearningListGarbage", user_files({"data/llist.dat"}, garbage)},
        {"CompletedListCut", user_files({"data/clist.dat"}, part(0, 1, 6))},
        {"CompletedListGarbage", user_files({"data/clist.dat"}, garbage)},
        {"ScoresCut", user_files({"data/scores.dat"}, part(0, 1, 80 * 40 + 6))},
        {"ScoresGarbage", user_files({"data/scores.dat"}, garbage)},
        {"OptionsCut", user_files({"brushwise.opt"}, part(0, 1, 50))},
        {"OptionsGarbage", user_files({"brushwise.opt"}, garbage)},
        {"EveryUserFileCut", user_files(all, part(1, 2, 1))},
        {"EveryUserFileEmpty", user_files(all, part(0, 1, 0))},
        {"EveryUserFileGarbage", user_files(all, garbage)},
        {"EveryUserWordAtItsLimits", user_files(all, extreme_words)},
    };
    std::vector<FolderDamage> chosen;
    std::copy_if(damages.begin(), damages.end(), std::back_inserter(chosen),
                 [&](const FolderDamage& d) { return d.kanji_data_lost == kanji_data_lost; });
    return chosen;
}
