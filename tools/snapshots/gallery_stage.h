#pragma once
// Working folders for the gallery sections that show real kanji and real screens.
#include <QString>
#include <QTemporaryDir>

class Gallery;
class QWidget;

// A temporary working folder laid out like the installation (the real kanji and example data,
// the cursors, the help texts and pages) with no user file yet and an empty Learning List. The
// previous working folder comes back at the end.
class GalleryStudyFolder {
  public:
    GalleryStudyFolder();
    ~GalleryStudyFolder();
    GalleryStudyFolder(const GalleryStudyFolder&) = delete;
    GalleryStudyFolder& operator=(const GalleryStudyFolder&) = delete;

  private:
    QString previous_;
    QTemporaryDir dir_;
};

// A study folder with the user files opened fresh, no sounds, and a plain main window at the
// screen's corner for the screens to open over.
class GalleryStage : public GalleryStudyFolder {
  public:
    explicit GalleryStage(Gallery& g);
    ~GalleryStage();

  private:
    QWidget* main_ = nullptr;
};
