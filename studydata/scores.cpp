#include "scores.h"

#include "kanji_data.h"
#include "kanji_record.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kScoresFile = "data/scores.dat";
constexpr int64_t kRecordBytes = kScoreSlots * 4;
static_assert(kRecordBytes == 80);

int scoresFd = -1;
uint32_t slotBuffer[kScoreSlots];

// Creates the file with 1945 zero records unless it exists (or appears meanwhile).
void create_if_missing() {
    const int fd = ::open(kScoresFile, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return;
    const std::vector<uint8_t> zeros(static_cast<size_t>(kKanjiTotal * kRecordBytes), 0);
    size_t done = 0;
    while (done < zeros.size()) {
        const ssize_t n = ::write(fd, zeros.data() + done, zeros.size() - done);
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    ::close(fd);
}

// Writes straight to the file (no buffer of our own), so that every change is on disk at once.
void write_at(int64_t offset, const void* data, size_t n) {
    if (scoresFd < 0 || offset < 0) return;
    size_t done = 0;
    while (done < n) {
        const ssize_t w = ::pwrite(scoresFd, static_cast<const uint8_t*>(data) + done, n - done,
                                   offset + static_cast<int64_t>(done));
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) return;
        done += static_cast<size_t>(w);
    }
}

} // namespace

void Scores_Open() {
    if (scoresFd >= 0) return;
    create_if_missing();
    scoresFd = ::open(kScoresFile, O_RDWR | O_CLOEXEC);
    if (scoresFd < 0)
        scoresFd = ::open(kScoresFile, O_RDONLY | O_CLOEXEC); // read-only folder: scores show
}

namespace {

// Fills `n` bytes from the file at `offset`; what lies beyond the end of the file is zeroed.
void read_at(int64_t offset, void* data, size_t n) {
    if (n == 0) return; // an empty buffer may have no address at all
    auto* bytes = static_cast<uint8_t*>(data);
    size_t got = 0;
    while (scoresFd >= 0 && got < n) {
        const ssize_t r =
            ::pread(scoresFd, bytes + got, n - got, offset + static_cast<int64_t>(got));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) break;
        got += static_cast<size_t>(r);
    }
    std::memset(bytes + got, 0, n - got);
}

} // namespace

const uint32_t* Scores_Get(int kanji) {
    std::memset(slotBuffer, 0, sizeof slotBuffer);
    if (scoresFd < 0 || kanji < 0) return slotBuffer;
    read_at(kanji * kRecordBytes, slotBuffer, sizeof slotBuffer);
    return slotBuffer;
}

std::vector<uint32_t> Scores_GetUpTo(int last) {
    std::vector<uint32_t> slots(static_cast<size_t>(std::max(last + 1, 0)) * kScoreSlots, 0);
    read_at(0, slots.data(), slots.size() * sizeof(uint32_t));
    return slots;
}

void Scores_SetSlot(int kanji, int slot, uint32_t value) {
    if (kanji < 0 || slot < 0 || slot >= kScoreSlots) return;
    write_at(4 * (static_cast<int64_t>(kanji) * kScoreSlots + slot), &value, 4);
}

void Scores_Reset(int kanji) {
    if (kanji < 0) return;
    const uint32_t zeros[kScoreSlots] = {};
    write_at(kanji * kRecordBytes, zeros, sizeof zeros);
}

bool Scores_IsComplete(int kanji) {
    uint32_t s[kScoreSlots];
    std::memcpy(s, Scores_Get(kanji), sizeof s);
    return Scores_SlotsComplete(kanji, s);
}

bool Scores_SlotsComplete(int kanji, const uint32_t* s) {
    if (kanji < 0) return false;
    if (!s[KanjiMeaningMC] || !s[StrokeOrderExercise] || !s[KanjiGridSearch]) return false;
    if (s[OnPronunciationMC] && s[KunPronunciationMC]) return true;
    // Only a missing reading exercise needs the record: does the kanji have that reading?
    const KanjiRecord* record = KanjiData_LoadRecord(kanji);
    return (s[OnPronunciationMC] || !record->hasOn()) &&
           (s[KunPronunciationMC] || !record->hasKun());
}

void Scores_Close() {
    if (scoresFd >= 0) ::close(scoresFd);
    scoresFd = -1;
}
