#include "work_folder.h"

#include <QDir>
#include <QFile>

bool link_installation(const QString& installation, const QString& folder) {
    QDir(folder).mkpath(QStringLiteral("data"));
    for (const char* f : {"data/kanji.dat", "data/examples.dat", "res", "dlls", "help"}) {
        const QString name = QString::fromLatin1(f);
        QFile::link(QDir(installation).absoluteFilePath(name), QDir(folder).filePath(name));
    }
    return QFile::exists(QDir(folder).filePath(QStringLiteral("data/kanji.dat")));
}

WorkFolder::WorkFolder(const QString& installation) : previous_(QDir::currentPath()) {
    has_data_ = link_installation(installation.isEmpty() ? previous_ : installation, dir_.path());
    QDir::setCurrent(dir_.path());
}

WorkFolder::~WorkFolder() {
    QDir::setCurrent(previous_);
}
