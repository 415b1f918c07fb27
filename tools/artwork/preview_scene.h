#pragma once
// A scene that puts the library images together the way the controls do (button faces
// stretched to their captions, caption bars, frames, sunken boxes, check marks, bullets), at
// 1:1, for the preview sheet.
#include <QImage>

namespace art {

QImage preview_scene();

} // namespace art
