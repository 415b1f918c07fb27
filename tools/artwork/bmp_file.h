#pragma once
// A 24-bit Windows bitmap file (BITMAPFILEHEADER, BITMAPINFOHEADER, bottom-up rows padded to
// four bytes), the format of the splash picture.
#include <QImage>
#include <cstdint>
#include <vector>

namespace art {

std::vector<uint8_t> bmp24_file(const QImage& image);

} // namespace art
