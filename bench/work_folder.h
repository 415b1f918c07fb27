#pragma once
// A throwaway working folder laid out like the installation folder: the read-only files of the
// installation the benchmark runs in (data/kanji.dat, data/examples.dat, res/, dlls/, help/) are
// linked in, the user files start afresh, and the previous working folder comes back at the end.
#include <QString>
#include <QTemporaryDir>

class WorkFolder {
  public:
    // `installation`: the folder whose read-only files are linked (the current one when empty).
    explicit WorkFolder(const QString& installation = {});
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    QString path() const { return dir_.path(); }
    // Whether the installation held the kanji data.
    bool has_data() const { return has_data_; }

  private:
    QString previous_;
    QTemporaryDir dir_;
    bool has_data_ = false;
};

// Links the installation's read-only files into `folder` (which gets a data/ folder); false when
// the kanji data is missing.
bool link_installation(const QString& installation, const QString& folder);
