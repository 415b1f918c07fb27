#include "gallery.h"

#include "drawing.h"

#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QTextStream>
#include <map>

namespace {

std::map<std::string, GallerySection>& sections() {
    static std::map<std::string, GallerySection> all;
    return all;
}

// A test window painted with the panel background, as the screens paint theirs.
class HostWindow : public QWidget {
  public:
    HostWindow(int w, int h) : surface_(w, h) {
        setFixedSize(w, h);
        draw_lined_background(surface_, 0, 0, w, h, true);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, surface_.image());
    }

  private:
    Surface surface_;
};

} // namespace

GalleryRegistration::GalleryRegistration(const char* name, GallerySection fn) {
    sections()[name] = fn;
}

Gallery::Gallery(const QString& outdir) : outdir_(outdir) {
    QDir().mkpath(outdir);
}

Gallery::~Gallery() = default;

void Gallery::save(const QString& name, QWidget& widget) {
    save(name, widget.grab().toImage());
}

void Gallery::save(const QString& name, const QImage& image) {
    QString path = QDir(outdir_).filePath(name + QStringLiteral(".png"));
    if (image.save(path)) {
        ++saved_;
    } else {
        QTextStream(stderr) << "snapshots: could not write " << path << "\n";
    }
}

QWidget* Gallery::host(int w, int h) {
    hosts_.push_back(std::make_unique<HostWindow>(w, h));
    hosts_.back()->show();
    return hosts_.back().get();
}

void Gallery::end_section() {
    hosts_.clear();
}

int run_gallery(Gallery& gallery, const QString& only) {
    for (const auto& [name, fn] : sections()) {
        if (!only.isEmpty() && only != QString::fromStdString(name)) continue;
        fn(gallery);
        gallery.end_section();
    }
    return gallery.saved_;
}
