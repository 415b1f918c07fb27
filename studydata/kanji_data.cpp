#include "kanji_data.h"

#include "bytes.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kKanjiFile = "data/kanji.dat";
constexpr int64_t kRecordBytes = sizeof(KanjiRecord);

struct KanjiFile {
    int fd = -1;
    bool openAttempted = false;
    int64_t size = 0;
};

KanjiFile kanjiFile;
KanjiRecord recordBuffer{};

// The stroke block as 32-bit words: [ByteLength, StrokeCount, strokes...], plus the word index of
// each stroke's PointCount so that the accessors need not walk the block.
std::vector<int32_t> strokeWords{8, 0};
std::vector<size_t> strokeStarts;

int open_kanji_file() {
    if (!kanjiFile.openAttempted) {
        kanjiFile.openAttempted = true;
        kanjiFile.fd = ::open(kKanjiFile, O_RDONLY | O_CLOEXEC);
        struct stat st {};
        if (kanjiFile.fd >= 0 && ::fstat(kanjiFile.fd, &st) == 0) kanjiFile.size = st.st_size;
    }
    return kanjiFile.fd;
}

// Reads up to `n` bytes at `offset`; returns how many arrived. Straight from the file: every
// lookup is one system call for the bytes it needs.
size_t read_some_at(int64_t offset, void* out, size_t n) {
    const int fd = open_kanji_file();
    if (fd < 0 || offset < 0 || offset > kanjiFile.size) return 0;
    size_t got = 0;
    while (got < n) {
        const ssize_t r = ::pread(fd, static_cast<uint8_t*>(out) + got, n - got,
                                  offset + static_cast<int64_t>(got));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) break;
        got += static_cast<size_t>(r);
    }
    return got;
}

// Reads exactly `n` bytes at `offset`; false when the file cannot deliver them all.
bool read_at(int64_t offset, void* out, size_t n) {
    return read_some_at(offset, out, n) == n;
}

std::optional<int64_t> record_offset(int kanji) {
    uint32_t offset = 0;
    if (!read_at(4 * static_cast<int64_t>(kanji), &offset, 4)) return std::nullopt;
    return offset;
}

void set_empty_block() {
    strokeWords.assign({8, 0});
    strokeStarts.clear();
}

// Checks that the strokes fill the block exactly and records where each stroke starts.
bool index_strokes(const std::vector<int32_t>& words, std::vector<size_t>& starts) {
    starts.clear();
    const int32_t count = words[1];
    if (count < 0) return false;
    size_t at = 2;
    for (int32_t k = 0; k < count; ++k) {
        if (at >= words.size()) return false;
        const int32_t points = words[at];
        if (points < 0 || static_cast<uint64_t>(points) * 3 > words.size() - at - 1) return false;
        starts.push_back(at);
        at += 1 + 3 * static_cast<size_t>(points);
    }
    return at == words.size();
}

// Reads and checks the stroke block at the offset into `words` and `starts`.
bool read_block(int64_t blockOffset, std::vector<int32_t>& words, std::vector<size_t>& starts) {
    uint32_t byteLength = 0;
    if (!read_at(blockOffset, &byteLength, 4)) return false;
    if (byteLength < 8 || byteLength > kStrokeBlockMaxBytes || byteLength % 4 != 0) return false;
    if (blockOffset + byteLength > kanjiFile.size) return false;
    words.resize(byteLength / 4);
    if (!read_at(blockOffset, words.data(), byteLength)) return false;
    return index_strokes(words, starts);
}

bool load_block(int64_t blockOffset) {
    std::vector<int32_t> words;
    std::vector<size_t> starts;
    if (!read_block(blockOffset, words, starts)) return false;
    strokeWords = std::move(words);
    strokeStarts = std::move(starts);
    return true;
}

template <size_t Capacity> bool fits(const CountedText<Capacity>& text) {
    return text.count < Capacity; // a text never fills its slot
}

// The record as the data build writes it: a character, texts within their slots, at most 48
// examples.
bool record_sound(const KanjiRecord& r) {
    return r.Kanji != 0 && fits(r.Meaning) && fits(r.OnPronun) && fits(r.OnRomaji) &&
           fits(r.KunPronun) && fits(r.KunRomaji) && r.ExampleCount >= 0 &&
           r.ExampleCount <= kMaxExamplesPerKanji;
}

bool kanji_sound(int kanji, std::vector<int32_t>& words, std::vector<size_t>& starts) {
    const auto offset = record_offset(kanji);
    if (!offset || *offset < 4 * int64_t(kKanjiTotal + 1)) return false;
    KanjiRecord record{};
    if (!read_at(*offset, &record, sizeof record) || !record_sound(record)) return false;
    return read_block(*offset + kRecordBytes, words, starts);
}

const int32_t* point_words(int stroke, int point) {
    if (stroke < 0 || static_cast<size_t>(stroke) >= strokeStarts.size() || point < 0)
        return nullptr;
    const size_t at = strokeStarts[static_cast<size_t>(stroke)];
    if (point >= strokeWords[at]) return nullptr;
    return &strokeWords[at + 1 + 3 * static_cast<size_t>(point)];
}

} // namespace

bool KanjiData_Whole() {
    if (open_kanji_file() < 0) return false;
    std::vector<int32_t> words;
    std::vector<size_t> starts;
    for (int kanji = 1; kanji <= kKanjiTotal; ++kanji)
        if (!kanji_sound(kanji, words, starts)) return false;
    return true;
}

const KanjiRecord* KanjiData_LoadRecord(int kanji) {
    if (kanji < 0) return nullptr;
    std::memset(&recordBuffer, 0, sizeof recordBuffer);
    if (const auto offset = record_offset(kanji))
        read_some_at(*offset, &recordBuffer, sizeof recordBuffer);
    return &recordBuffer;
}

const KanjiRecord* KanjiData_CurrentRecord() {
    return &recordBuffer;
}

const int32_t* KanjiData_LoadStrokes(int kanji) {
    const auto offset = kanji >= 0 ? record_offset(kanji) : std::nullopt;
    if (!offset || !load_block(*offset + kRecordBytes)) set_empty_block();
    return &strokeWords[1];
}

const int32_t* KanjiData_StrokeData() {
    return &strokeWords[1];
}

int32_t KanjiData_StrokeCount() {
    return strokeWords[1];
}

int32_t KanjiData_StrokePointCount(int stroke) {
    if (stroke < 0 || static_cast<size_t>(stroke) >= strokeStarts.size()) return 0;
    return strokeWords[strokeStarts[static_cast<size_t>(stroke)]];
}

std::pair<int32_t, int32_t> KanjiData_StrokeStart(int stroke) {
    return KanjiData_StrokePoint(stroke < 0 ? 0 : stroke, 0);
}

std::pair<int32_t, int32_t> KanjiData_StrokePoint(int stroke, int point) {
    const int32_t* p = point_words(stroke, point);
    return p ? std::pair{p[0], p[1]} : std::pair{0, 0};
}

int32_t KanjiData_StrokeCorner(int stroke, int point) {
    const int32_t* p = point_words(stroke, point);
    return p ? p[2] : 0;
}

void KanjiData_Close() {
    if (kanjiFile.fd >= 0) ::close(kanjiFile.fd);
    kanjiFile = KanjiFile{};
    set_empty_block();
}
