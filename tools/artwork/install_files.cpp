#include "install_files.h"

#include "artwork.h"
#include "bmp_file.h"
#include "cursor_hotspots.h"
#include "paint_util.h"
#include "sound_cues.h"

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <cstdio>
#include <map>

namespace art {
namespace {

constexpr int kIconSizes[] = {16, 32, 48, 64, 128};
// The plain images and their double-size variants for screens with twice as many pixels.
constexpr int kScales[] = {1, 2};

bool fail(const QString& path) {
    std::fprintf(stderr, "artwork: cannot write %s\n", qPrintable(path));
    return false;
}

bool write_bytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return fail(path);
    if (file.write(bytes) != bytes.size()) return fail(path);
    return true;
}

template <typename Byte> QByteArray bytes_of(const std::vector<Byte>& v) {
    return QByteArray(reinterpret_cast<const char*>(v.data()), qsizetype(v.size() * sizeof(Byte)));
}

bool save_png(const QImage& image, const QString& path) {
    return image.save(path, "PNG") || fail(path);
}

// The name of an image's file at a scale: "<stem>.png", or "<stem>@2x.png" for the double size.
QString scaled_name(const QString& stem, int scale, const char* extension) {
    return scale == 1 ? stem + extension : QString("%1@%2x%3").arg(stem).arg(scale).arg(extension);
}

bool write_libraries_at(const QDir& dir, int scale, std::map<QString, QString>& qrc) {
    const ArtScale drawn_at(scale);
    for (const LibraryImage& li : library_images()) {
        const QString name = scaled_name(QString::number(li.id), scale, ".png");
        // With their alpha: the pieces are transparent round their shapes.
        const QImage image = li.image.convertToFormat(QImage::Format_ARGB32);
        if (!dir.mkpath(li.library) || !save_png(image, dir.filePath(li.library + "/" + name)))
            return false;
        qrc[li.library] += QString("    <file alias=\"%1\">%2/%1</file>\n").arg(name, li.library);
    }
    return true;
}

bool write_libraries(const QDir& dir) {
    std::map<QString, QString> qrc; // library -> its <file> lines
    for (int scale : kScales)
        if (!write_libraries_at(dir, scale, qrc)) return false;
    for (const auto& [library, files] : qrc) {
        const QString text = "<RCC>\n  <qresource prefix=\"/" + library + "\">\n" + files +
                             "  </qresource>\n</RCC>\n";
        if (!write_bytes(dir.filePath(library + ".qrc"), text.toUtf8())) return false;
    }
    return true;
}

bool write_sounds(const QDir& res) {
    for (int n : kSoundCues)
        if (!write_bytes(res.filePath(QString("%1.wav").arg(n)), bytes_of(wave_file(sound_cue(n)))))
            return false;
    return true;
}

bool write_cursors(const QDir& res) {
    if (!res.mkpath("cursors")) return fail(res.filePath("cursors"));
    QString spots;
    for (int i = 0; i < int(std::size(kPencilCursors)); ++i) {
        const CursorSpot& c = kPencilCursors[i];
        if (!save_png(pencil_cursor(i), res.filePath(QString("cursors/%1.png").arg(c.name))))
            return false;
        spots += QString("%1.png %2 %3\n").arg(c.name).arg(c.x).arg(c.y);
    }
    return write_bytes(res.filePath("cursors/hotspots.txt"), spots.toUtf8());
}

bool write_splash(const QDir& res) {
    for (int scale : kScales) {
        const ArtScale drawn_at(scale);
        const QString name = scaled_name("splash", scale, ".bmp");
        if (!write_bytes(res.filePath(name), bytes_of(bmp24_file(splash_picture())))) return false;
    }
    return true;
}

bool write_pictures(const QDir& res) {
    if (!write_splash(res)) return false;
    if (!save_png(app_icon(256), res.filePath("brushwise.png"))) return false;
    for (int size : kIconSizes)
        if (!save_png(app_icon(size), res.filePath(QString("brushwise_%1.png").arg(size))))
            return false;
    return true;
}

} // namespace

bool write_artwork(const QString& folder) {
    QDir dir(folder);
    if (!dir.mkpath("res")) return fail(dir.filePath("res"));
    const QDir res(dir.filePath("res"));
    return write_libraries(dir) && write_sounds(res) && write_cursors(res) && write_pictures(res);
}

} // namespace art
