#include "learning_list.h"

#include "bytes.h"
#include "file_io.h"
#include "study_lists.h"
#include "trace.h"

#include <algorithm>
#include <vector>

const char* const kMessageListEmpty =
    "Unable to proceed. The Learning List is currently empty.\n"
    "Click the 'Add Word' button to add words to the Learning List.";

namespace {

constexpr const char* kLearningFile = "data/llist.dat";
constexpr int kDefaultLength = 10;
// Far beyond any real list; a larger file is read up to here.
constexpr size_t kMaxEntries = 1 << 20;

std::vector<int32_t> entries;

std::vector<uint8_t> list_file_bytes(const std::vector<int32_t>& list) {
    std::vector<uint8_t> out;
    out.reserve(4 + 4 * list.size());
    bytes::put_i32(out, static_cast<int32_t>(list.size()));
    for (int32_t k : list)
        bytes::put_i32(out, k);
    return out;
}

void write_default_file() {
    std::vector<int32_t> list(kDefaultLength);
    for (int i = 0; i < kDefaultLength; ++i)
        list[static_cast<size_t>(i)] = i + 1;
    write_file_atomically(kLearningFile, list_file_bytes(list));
}

} // namespace

void LearningList_Load() {
    entries.clear();
    auto data = read_file_prefix(kLearningFile, 4 + 4 * kMaxEntries);
    if (!data) {
        write_default_file();
        data = read_file_prefix(kLearningFile, 4 + 4 * kMaxEntries);
        if (!data) return;
    }
    const int32_t stored = bytes::i32_at(*data, 0).value_or(0);
    trace("lngLearningListLength = %d\n", stored);
    // Read the entries the file really holds, never more than it claims.
    const auto available = static_cast<int64_t>(data->size() < 4 ? 0 : (data->size() - 4) / 4);
    const int64_t count = std::min<int64_t>(std::max(stored, 0), available);
    const auto limit = static_cast<int32_t>(CompletedList_AvailableCount());
    for (int64_t i = 0; i < count; ++i) {
        const int32_t kanji = *bytes::i32_at(*data, 4 + 4 * static_cast<size_t>(i));
        if (kanji >= 1 && kanji <= limit) entries.push_back(kanji);
    }
}

bool LearningList_Save() {
    return write_file_atomically(kLearningFile, list_file_bytes(entries));
}

int32_t LearningList_Count() {
    return static_cast<int32_t>(entries.size());
}

int32_t LearningList_At(int position) {
    if (position < 0) return position;
    return static_cast<size_t>(position) < entries.size() ? entries[static_cast<size_t>(position)]
                                                          : -1;
}

bool LearningList_Contains(int kanji) {
    return std::find(entries.begin(), entries.end(), kanji) != entries.end();
}

void LearningList_Append(int kanji) {
    entries.push_back(kanji);
}

void LearningList_RemoveAt(int position) {
    if (position < 0 || static_cast<size_t>(position) >= entries.size()) return;
    entries.erase(entries.begin() + position);
}

void LearningList_Clear() {
    entries.clear();
}

bool LearningList_RequireNotEmpty() {
    if (!entries.empty()) return false;
    if (StudyListView* view = study_list_view()) view->showMessage(kMessageListEmpty);
    return true;
}
