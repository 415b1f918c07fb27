#pragma once
// The pencil cursors of the practice box and of the drawing box, read from the installation folder:
// res/cursors/idle.png, drawing.png and refused.png (32 x 32) with their hot spots in
// res/cursors/hotspots.txt, one line "<file> <x> <y>" each. The files are untrusted: a cursor whose
// picture or hot spot is missing or damaged is the arrow.
#include "practice_checker.h"

#include <QCursor>
#include <QString>

// The largest cursor picture taken, in pixels each way.
constexpr int kMaxCursorSize = 64;

struct PracticeCursors {
    QCursor idle{Qt::ArrowCursor};
    QCursor drawing{Qt::ArrowCursor};
    QCursor refused{Qt::ArrowCursor};

    // The cursor for a checker's request; null for PracticeCursor::Unchanged.
    const QCursor* for_request(PracticeCursor kind) const;
};

// Reads the three cursors from `folder` (res/cursors relative to the working folder when empty).
PracticeCursors PracticeCursors_Load(const QString& folder = QString());

// The hot spot of `file` in the text of a hotspots file; false when no well-formed line names it
// or its spot lies outside a `size` x `size` picture.
bool cursor_hotspot(const QByteArray& text, const QString& file, int size, QPoint& spot);
