#include "run_files.h"

#include <QFile>
#include <QResource>

QString run_path(const QString& relative) {
    QString dir = QString::fromLocal8Bit(qgetenv("BRUSHWISE_RUN_DIR"));
    if (dir.isEmpty()) dir = ARTWORK_RUN_DIR;
    return dir + "/" + relative;
}

QByteArray read_run_file(const QString& relative) {
    QFile file(run_path(relative));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void register_run_resources() {
    static const bool registered = QResource::registerResource(run_path("dlls/ag.rcc")) &&
                                   QResource::registerResource(run_path("dlls/picmain.rcc"));
    (void)registered;
}

QImage library_image(const QString& library, int id) {
    register_run_resources();
    return QImage(QString(":/%1/%2.png").arg(library).arg(id));
}

bool ByteView::tag(qsizetype at, const char* four) const {
    if (at < 0 || at + 4 > bytes_.size()) return false;
    return bytes_.mid(at, 4) == QByteArray(four, 4);
}

std::optional<uint32_t> ByteView::le(qsizetype at, int n) const {
    if (at < 0 || at + n > bytes_.size()) return std::nullopt;
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = (v << 8) | uint8_t(bytes_[at + i]);
    return v;
}
