#pragma once
// The snapshot gallery: sections render controls offscreen and save them as PNG files.
#include <QImage>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

class Gallery {
  public:
    explicit Gallery(const QString& outdir);
    ~Gallery();
    void save(const QString& name, QWidget& widget); // grabs the widget into <outdir>/<name>.png
    void save(const QString& name, const QImage& image);
    QWidget* host(int w, int h); // a lined-background test window to put controls on; owned by
                                 // the gallery, deleted after the section

  private:
    friend int run_gallery(Gallery& gallery, const QString& only);
    void end_section();

    QString outdir_;
    std::vector<std::unique_ptr<QWidget>> hosts_;
    int saved_ = 0;
};
using GallerySection = void (*)(Gallery&);
struct GalleryRegistration {
    GalleryRegistration(const char* name, GallerySection fn);
};

// Runs every registered section (or only the one named `only` when not empty); returns the
// number of pictures saved.
int run_gallery(Gallery& gallery, const QString& only);
