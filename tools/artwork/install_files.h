#pragma once
// Writes everything the artwork tool makes into a staging folder:
//   ag/<id>.png, picmain/<id>.png and ag.qrc, picmain.qrc (for the resource compiler);
//   the same images drawn at twice the size as <id>@2x.png, and res/splash@2x.bmp;
//   res/<n>.wav, res/splash.bmp, res/brushwise*.png, res/cursors/<name>.png and
//   res/cursors/hotspots.txt (one line per cursor: "<name>.png <x> <y>").
#include <QString>

namespace art {

// Returns false, after saying why on standard error, when a file cannot be written.
bool write_artwork(const QString& folder);

} // namespace art
