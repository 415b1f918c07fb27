#pragma once
// Access to the installation folder the tests check, a bounds-checked reader of the
// little-endian headers of its wave and bitmap files, and measures for comparing an image drawn
// at twice the size with the plain one.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>

// A file of the installation folder (BRUSHWISE_RUN_DIR, else the build's), e.g. "res/0.wav".
QString run_path(const QString& relative);
QByteArray read_run_file(const QString& relative);

// An image of dlls/ag.rcc or dlls/picmain.rcc as ARGB32; at scale 2, its "<id>@2x.png".
QImage library_image(const QString& library, int id, int scale = 1);

// The part of an image drawn at `scale` times the size that shows the plain image's `r`.
inline QImage piece(const QImage& image, QRect r, int scale = 1) {
    return image.copy(r.x() * scale, r.y() * scale, r.width() * scale, r.height() * scale);
}
inline int alpha_at(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y));
}

// The mean channel difference per pixel of `big`, brought back to the plain size by averaging
// each 2 x 2 block, from `plain`.
double mean_difference(const QImage& plain, const QImage& big);
// 2 x 2 blocks of `big` that hold more than one colour: none in a plain enlargement.
int mixed_blocks(const QImage& big);
// 2 x 2 blocks within `area` whose pixels, shown over white, differ by more than `spread` in
// grey: edges drawn at the double size; a smooth gradient's steps are smaller.
int contrasting_blocks(const QImage& big, QRect area, int spread);

class ByteView {
  public:
    explicit ByteView(const QByteArray& bytes) : bytes_(bytes) {}
    qsizetype size() const { return bytes_.size(); }
    std::optional<uint32_t> u16(qsizetype at) const { return le(at, 2); }
    std::optional<uint32_t> u32(qsizetype at) const { return le(at, 4); }
    bool tag(qsizetype at, const char* four) const;

  private:
    std::optional<uint32_t> le(qsizetype at, int n) const;
    const QByteArray& bytes_;
};
