#include "bmp_file.h"

#include "bytes.h"

namespace art {
namespace {

using bytes::put_u16;
using bytes::put_u32;

constexpr uint32_t kHeaderBytes = 14 + 40;

} // namespace

std::vector<uint8_t> bmp24_file(const QImage& image) {
    const uint32_t w = uint32_t(image.width()), h = uint32_t(image.height());
    const uint32_t stride = (w * 3 + 3) & ~3u;
    std::vector<uint8_t> out;
    out.reserve(kHeaderBytes + stride * h);
    out.push_back('B');
    out.push_back('M');
    put_u32(out, kHeaderBytes + stride * h); // file size
    put_u32(out, 0);                         // reserved
    put_u32(out, kHeaderBytes);              // offset of the pixels
    put_u32(out, 40);                        // BITMAPINFOHEADER
    put_u32(out, w);
    put_u32(out, h); // positive: rows from the bottom up
    put_u16(out, 1); // planes
    put_u16(out, 24);
    put_u32(out, 0); // no compression
    put_u32(out, stride * h);
    put_u32(out, 2835); // 72 dpi
    put_u32(out, 2835);
    put_u32(out, 0);
    put_u32(out, 0);
    for (int y = int(h) - 1; y >= 0; --y) {
        for (uint32_t x = 0; x < w; ++x) {
            const QRgb c = image.pixel(int(x), y);
            out.push_back(uint8_t(qBlue(c)));
            out.push_back(uint8_t(qGreen(c)));
            out.push_back(uint8_t(qRed(c)));
        }
        for (uint32_t pad = w * 3; pad < stride; ++pad)
            out.push_back(0);
    }
    return out;
}

} // namespace art
