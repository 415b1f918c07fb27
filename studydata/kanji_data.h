#pragma once
// Read access to data/kanji.dat: one shared record buffer and one shared stroke buffer.
// The file is opened at first use and stays open; every read fails softly (zeros, empty block).
#include "kanji_record.h"
#include <cstdint>
#include <utility>

// Null for a negative number (the buffer is left as it was); otherwise the shared buffer,
// all zeros when the record cannot be read.
const KanjiRecord* KanjiData_LoadRecord(int kanji);
const KanjiRecord* KanjiData_CurrentRecord();

// Loads the kanji's stroke block and returns a pointer to its StrokeCount word. A block that is
// missing, damaged or inconsistent loads as the empty block (StrokeCount 0).
const int32_t* KanjiData_LoadStrokes(int kanji);
const int32_t* KanjiData_StrokeData();
int32_t KanjiData_StrokeCount();
// Number of points of a stroke of the block last loaded; 0 out of range.
int32_t KanjiData_StrokePointCount(int stroke);
// First point of a stroke; a negative or zero index gives the first stroke. (0, 0) out of range.
std::pair<int32_t, int32_t> KanjiData_StrokeStart(int stroke);
// A point of a stroke; (0, 0) out of range.
std::pair<int32_t, int32_t> KanjiData_StrokePoint(int stroke, int point);
// The Corner word of a point; 0 out of range.
int32_t KanjiData_StrokeCorner(int stroke, int point);

// True when the file holds every kanji whole: an index word for each of the 1945 that points
// behind the index at a record with its character, texts that fit their slots and at most 48
// examples, followed by a well-formed stroke block. Reads the whole file; the shared buffers
// are left as they were.
bool KanjiData_Whole();

// Closes the file and forgets that it was opened, so that the next read opens it again
// (used when the working folder changes, e.g. between tests).
void KanjiData_Close();
