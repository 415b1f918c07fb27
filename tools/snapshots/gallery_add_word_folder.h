#pragma once
// A temporary working folder holding the installation's kanji and example data, for gallery
// sections that show real kanji. The previous working folder comes back at the end.
#include "kanji_data.h"
#include "options.h"
#include "scores.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class GalleryStudyFolder {
  public:
    GalleryStudyFolder() : previous_(QDir::currentPath()) {
        const QString run = qEnvironmentVariableIsEmpty("BRUSHWISE_RUN_DIR")
                                ? QStringLiteral(BRUSHWISE_DEFAULT_RUN_DIR)
                                : qEnvironmentVariable("BRUSHWISE_RUN_DIR");
        QDir(dir_.path()).mkpath(QStringLiteral("data"));
        for (const char* f : {"data/kanji.dat", "data/examples.dat"})
            QFile::link(QDir(run).filePath(QString::fromLatin1(f)),
                        QDir(dir_.path()).filePath(QString::fromLatin1(f)));
        QDir::setCurrent(dir_.path());
        KanjiData_Close();
        Options_Clear();
    }
    ~GalleryStudyFolder() {
        KanjiData_Close();
        Scores_Close();
        Options_Clear();
        QDir::setCurrent(previous_);
    }

  private:
    QString previous_;
    QTemporaryDir dir_;
};
