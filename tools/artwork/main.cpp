// artwork OUTDIR          draws every image, cursor, sound and picture of the program into OUTDIR
// artwork --preview FILE  draws a sheet of all of them, enlarged, into FILE (PNG)
#include "artwork.h"
#include "install_files.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen"); // a build step: no display needed
    QGuiApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--preview") == 0) {
        if (art::preview_sheet().save(QString::fromLocal8Bit(argv[2]), "PNG")) return 0;
        std::fprintf(stderr, "artwork: cannot write %s\n", argv[2]);
        return 1;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: artwork OUTDIR | artwork --preview FILE.png\n");
        return 2;
    }
    return art::write_artwork(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
