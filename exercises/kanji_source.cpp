#include "kanji_source.h"

#include "kanji_data.h"
#include "learning_list.h"

namespace {

class StudyDataSource : public KanjiSource {
  public:
    const KanjiRecord* record(int kanji) override { return KanjiData_LoadRecord(kanji); }
    int learning_count() override { return LearningList_Count(); }
    int learning_at(int position) override { return LearningList_At(position); }
    bool learning_contains(int kanji) override { return LearningList_Contains(kanji); }
    int pool_count() override { return static_cast<int>(CompletedList_AvailableCount()); }
    int pool_at(int index) override { return CompletedList_KanjiAt(index); }
};

} // namespace

KanjiSource& study_data_source() {
    static StudyDataSource source;
    return source;
}
