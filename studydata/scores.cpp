#include "scores.h"

#include "kanji_data.h"
#include "kanji_record.h"

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kScoresFile = "data/scores.dat";
constexpr int64_t kRecordBytes = kScoreSlots * 4;
static_assert(kRecordBytes == 80);

std::FILE* scoresFile = nullptr;
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

void write_at(int64_t offset, const void* data, size_t n) {
    if (!scoresFile || offset < 0) return;
    if (fseeko(scoresFile, offset, SEEK_SET) != 0) return;
    std::fwrite(data, 1, n, scoresFile);
    std::fflush(scoresFile);
}

} // namespace

void Scores_Open() {
    if (scoresFile) return;
    create_if_missing();
    scoresFile = std::fopen(kScoresFile, "r+b");
    if (!scoresFile)
        scoresFile = std::fopen(kScoresFile, "rb"); // read-only folder: scores still show
}

const uint32_t* Scores_Get(int kanji) {
    std::memset(slotBuffer, 0, sizeof slotBuffer);
    if (!scoresFile || kanji < 0) return slotBuffer;
    if (fseeko(scoresFile, kanji * kRecordBytes, SEEK_SET) == 0) {
        // Words beyond the end of the file stay 0.
        const size_t got = std::fread(slotBuffer, 1, sizeof slotBuffer, scoresFile);
        std::memset(reinterpret_cast<uint8_t*>(slotBuffer) + got, 0, sizeof slotBuffer - got);
    }
    return slotBuffer;
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
    const KanjiRecord* record = KanjiData_LoadRecord(kanji);
    if (!record) return false;
    return s[KanjiMeaningMC] && (s[OnPronunciationMC] || !record->hasOn()) &&
           (s[KunPronunciationMC] || !record->hasKun()) && s[StrokeOrderExercise] &&
           s[KanjiGridSearch];
}

void Scores_Close() {
    if (scoresFile) std::fclose(scoresFile);
    scoresFile = nullptr;
}
