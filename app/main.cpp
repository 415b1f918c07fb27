// Brushwise: learning to read and write the 1945 jouyou kanji.
#include "display_check.h"
#include "startup.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (!display_expected()) {
        std::fputs(kMessageNoDisplay, stderr);
        return 1;
    }
    begin_display_watch();
    // Every pointer move counts: the practice box judges each point of a stroke and the drawing
    // box recognises the shape, so a busy moment must not merge moves and cut a stroke's corner.
    QApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, false);
    QApplication app(argc, argv);
    end_display_watch();
    return App_Run(app);
}
