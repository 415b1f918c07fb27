// snapshots OUTDIR [SECTION]: renders the gallery of every control, offscreen, to PNG files.
#include "fonts.h"
#include "gallery.h"
#include "surface.h"
#include "toolkit_images.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

namespace {

// The installation folder: BRUSHWISE_RUN_DIR, else a run/ folder beside one of the folders
// above the program, else the build's own.
QString find_run_folder() {
    QString env = qEnvironmentVariable("BRUSHWISE_RUN_DIR");
    if (!env.isEmpty()) return env;
    QDir dir(QCoreApplication::applicationDirPath());
    do {
        if (QDir(dir.filePath(QStringLiteral("run/dlls"))).exists())
            return dir.filePath(QStringLiteral("run"));
    } while (dir.cdUp());
    return QStringLiteral(BRUSHWISE_DEFAULT_RUN_DIR);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: snapshots OUTDIR [SECTION]\n";
        return 2;
    }
    // QT_SCALE_FACTOR=2 renders every picture at twice the size, as on such a screen.
    set_surface_ratio(surface_ratio_for(app.devicePixelRatio()));
    register_toolkit_resources_in(find_run_folder());
    init_face_table();
    // The galleries work in folders of their own: the output folder is fixed before they move.
    Gallery gallery(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    int saved = run_gallery(gallery, only);
    QTextStream(stdout) << "snapshots: " << saved << " pictures in " << argv[1] << "\n";
    return saved > 0 ? 0 : 1;
}
