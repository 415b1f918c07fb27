#pragma once
// Where question building reads kanji from: records by number, the Learning List and the kanji
// pool. The program reads its study data; tests give small made-up sets.
#include "kanji_record.h"

class KanjiSource {
  public:
    virtual ~KanjiSource() = default;
    // The kanji's record, valid until the next call; null for a negative number.
    virtual const KanjiRecord* record(int kanji) = 0;
    virtual int learning_count() = 0;
    virtual int learning_at(int position) = 0;
    virtual bool learning_contains(int kanji) = 0;
    // The pool: entries 1..pool_count() are kanji numbers, entry 0 is none.
    virtual int pool_count() = 0;
    virtual int pool_at(int index) = 0;
};

// The program's study data: the kanji database, the Learning List and the completed list.
KanjiSource& study_data_source();
