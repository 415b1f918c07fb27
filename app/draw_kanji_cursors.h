#pragma once
// The pencil cursors of the drawing box: idle, drawing and refused, read from the run folder's
// res/cursors/ (the images and hotspots.txt, a line "file x y" per image). The files are read
// as untrusted: an image that is missing, unreadable or larger than 64 pixels, or whose hot
// spot is missing or outside it, gives the arrow cursor instead.
#include <QCursor>
#include <QImage>
#include <QString>
#include <optional>

struct PencilCursors {
    QCursor idle{Qt::ArrowCursor};
    QCursor drawing{Qt::ArrowCursor};
    QCursor refused{Qt::ArrowCursor};
};

// Loads the three cursors from a folder (relative to the working folder by default).
PencilCursors load_pencil_cursors(const QString& folder = QStringLiteral("res/cursors"));

// The hot spot given for `file` in the text of hotspots.txt, when it lies inside an image of
// `size`; the first line naming the file counts.
std::optional<QPoint> hot_spot_for(const QString& hotspots, const QString& file, QSize size);
