#pragma once
// The toolkit's images by numeric identifier, from the resource files beside the program.
#include <QImage>
#include <QString>

// Registers "dlls/ag.rcc", "dlls/picmain.rcc" and "dlls/instr.rcc" relative to the working
// directory. A missing file leaves its images blank; nothing fails.
void register_toolkit_resources();
// The same, from the given installation folder.
void register_toolkit_resources_in(const QString& folder);

// The image ":/ag/<id>.png" (":/picmain/<id>.png" for the message box icons and the bullets),
// loaded once; a null image when it is missing. Drawing code draws nothing for a null image.
// When surfaces are drawn at a ratio above 1, the image drawn at twice the size, "<id>@2x.png"
// with a device pixel ratio of 2, stands in for it where it is there; its logical pixels are the
// plain image's, so the pieces copied from it are the same.
const QImage& toolkit_image(int id);

// An image from its plain file, or when `doubled` from its double-size file (device pixel ratio
// 2) if that is there and exactly twice the plain image; a null image without the plain file.
QImage load_image_for_ratio(const QString& plain_path, const QString& doubled_path, bool doubled);

// Image identifiers used by the toolkit.
namespace image_id {
constexpr int ButtonAlt = 3;
constexpr int ButtonNormal = 4;
constexpr int CheckMark = 400;
constexpr int SunkenCorners0 = 610;
constexpr int SunkenCorners1 = 620;
constexpr int GroupFrame = 7000;
constexpr int CaptionBackground = 810;
constexpr int CaptionClose = 820;
constexpr int CaptionMinimise = 840;
constexpr int CaptionIcon = 850;
constexpr int IconQuestion = 13465;
constexpr int IconNotice = 13466;
constexpr int FirstBullet = 16000;
} // namespace image_id
