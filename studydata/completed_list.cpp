#include "learning_list.h"

#include "bytes.h"
#include "file_io.h"
#include "kanji_record.h"
#include "study_lists.h"

#include <algorithm>
#include <vector>

namespace {

constexpr const char* kCompletedFile = "data/clist.dat";
constexpr uint32_t kAvailable = kKanjiTotal;

uint32_t completedCount = 0;
StudyListView* listView = nullptr;

// N, the completed count, then `mapWords` words 0, 1, 2, ...
std::vector<uint8_t> completed_file_bytes(uint32_t completed, uint32_t mapWords) {
    std::vector<uint8_t> out;
    out.reserve(8 + 4 * static_cast<size_t>(mapWords));
    bytes::put_u32(out, kAvailable);
    bytes::put_u32(out, completed);
    for (uint32_t i = 0; i < mapWords; ++i)
        bytes::put_u32(out, i);
    return out;
}

} // namespace

StudyListView* study_list_view() {
    return listView;
}
void StudyLists_SetView(StudyListView* view) {
    listView = view;
}

// The study-order map is the identity on 1..1945 in every file the program writes, so it is not
// kept; the available count stored in the file is not trusted to size anything either.
void CompletedList_Load() {
    auto data = read_file_prefix(kCompletedFile, 8);
    if (!data) {
        // A new file holds N + 1 map words.
        write_file_atomically(kCompletedFile, completed_file_bytes(0, kAvailable + 1));
        data = read_file_prefix(kCompletedFile, 8);
    }
    // A damaged file may claim any count; more kanji than there are cannot have been completed.
    completedCount = std::min(data ? bytes::u32_at(*data, 4).value_or(0) : 0, kAvailable);
}

bool CompletedList_Save() {
    return write_file_atomically(kCompletedFile, completed_file_bytes(completedCount, kAvailable));
}

uint32_t CompletedList_AvailableCount() {
    return kAvailable;
}
uint32_t CompletedList_CompletedCount() {
    return completedCount;
}

int32_t CompletedList_KanjiAt(int index) {
    return index >= 0 && static_cast<uint32_t>(index) <= kAvailable ? index : 0;
}

void CompletedList_AddCompleted(int delta) {
    // The count stays within 0..N, whatever a damaged file said before.
    const int64_t count = int64_t(completedCount) + delta;
    completedCount = static_cast<uint32_t>(std::clamp<int64_t>(count, 0, kAvailable));
    CompletedList_Save();
    if (listView) listView->refreshStatus();
}
