#include "toolkit_images.h"

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

std::map<int, QImage>& cache() {
    static std::map<int, QImage> images;
    return images;
}

bool in_picmain(int id) {
    return id == image_id::IconQuestion || id == image_id::IconNotice ||
           (id >= image_id::FirstBullet && id < image_id::FirstBullet + 100);
}

QString resource_path(int id) {
    return QStringLiteral(":/%1/%2.png").arg(in_picmain(id) ? "picmain" : "ag").arg(id);
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

const QImage& toolkit_image(int id) {
    std::lock_guard<std::mutex> hold(cache_lock);
    auto it = cache().find(id);
    if (it == cache().end()) {
        QImage img(resource_path(id));
        if (!img.isNull() && img.format() != QImage::Format_ARGB32_Premultiplied)
            img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        it = cache().emplace(id, std::move(img)).first;
    }
    return it->second;
}
