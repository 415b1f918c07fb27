#include "gallery_stage.h"

#include "gallery.h"
#include "gallery_sheet.h"
#include "kanji_data.h"
#include "learning_list.h"
#include "options.h"
#include "scores.h"
#include "shell.h"
#include "sound_cue.h"

#include <QDir>
#include <QFile>
#include <QWidget>

GalleryStudyFolder::GalleryStudyFolder() : previous_(QDir::currentPath()) {
    QDir(dir_.path()).mkpath(QStringLiteral("data"));
    const QString run = run_folder();
    for (const char* f : {"data/kanji.dat", "data/examples.dat", "res", "dlls", "help"})
        QFile::link(QDir(run).filePath(QString::fromLatin1(f)),
                    QDir(dir_.path()).filePath(QString::fromLatin1(f)));
    QDir::setCurrent(dir_.path());
    KanjiData_Close();
    Options_Clear();
    LearningList_Clear();
}

GalleryStudyFolder::~GalleryStudyFolder() {
    Scores_Close();
    KanjiData_Close();
    Options_Clear();
    QDir::setCurrent(previous_);
}

GalleryStage::GalleryStage(Gallery& g) {
    Options_Load();
    CompletedList_Load();
    Scores_Open();
    LearningList_Load();
    SoundCue_SetPlayer([](const std::string&) {});
    main_ = g.host(672, 479);
    main_->move(0, 0);
    Shell_Install(main_, {});
}

GalleryStage::~GalleryStage() {
    Shell_Install(nullptr, {});
    SoundCue_SetPlayer({});
}
