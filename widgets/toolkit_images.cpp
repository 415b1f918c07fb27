#include "toolkit_images.h"

#include "surface.h"

#include <QDir>
#include <QFile>
#include <QResource>
#include <map>
#include <mutex>

namespace {

// The stroke animations draw the sunken box on their worker threads while the user-interface
// thread draws its controls: the cache is shared, so it is locked. Its images are never changed
// once cached, and a map keeps its elements in place, so the references handed out stay valid.
std::mutex cache_lock;

// By identifier and whether it is the double-size variant.
std::map<std::pair<int, bool>, QImage>& cache() {
    static std::map<std::pair<int, bool>, QImage> images;
    return images;
}

bool in_picmain(int id) {
    return id == image_id::IconQuestion || id == image_id::IconNotice ||
           (id >= image_id::FirstBullet && id < image_id::FirstBullet + 100);
}

QString resource_path(int id, bool doubled) {
    return QStringLiteral(":/%1/%2%3.png")
        .arg(in_picmain(id) ? "picmain" : "ag")
        .arg(id)
        .arg(doubled ? "@2x" : "");
}

QImage load(const QString& path) {
    QImage img(path);
    if (!img.isNull() && img.format() != QImage::Format_ARGB32_Premultiplied)
        img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return img;
}

} // namespace

void register_toolkit_resources_in(const QString& folder) {
    for (const char* name : {"ag", "picmain", "instr"}) {
        QString path = QDir(folder).filePath(QStringLiteral("dlls/%1.rcc").arg(name));
        if (QFile::exists(path)) QResource::registerResource(path);
    }
    std::lock_guard<std::mutex> hold(cache_lock);
    cache().clear(); // images asked for before registration may have been blank
}

void register_toolkit_resources() {
    register_toolkit_resources_in(QDir::currentPath());
}

QImage load_image_for_ratio(const QString& plain_path, const QString& doubled_path, bool doubled) {
    QImage plain = load(plain_path);
    if (!doubled || plain.isNull()) return plain;
    QImage twice = load(doubled_path);
    if (twice.size() != plain.size() * 2) return plain; // the layout of its pieces would not hold
    twice.setDevicePixelRatio(2);
    return twice;
}

const QImage& toolkit_image(int id) {
    const std::pair<int, bool> key{id, surface_ratio() > 1};
    std::lock_guard<std::mutex> hold(cache_lock);
    auto it = cache().find(key);
    if (it == cache().end()) {
        QImage img =
            load_image_for_ratio(resource_path(id, false), resource_path(id, true), key.second);
        it = cache().emplace(key, std::move(img)).first;
    }
    return it->second;
}
