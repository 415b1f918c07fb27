#pragma once
// Access to the installation folder the tests check, and a bounds-checked reader of the
// little-endian headers of its wave and bitmap files.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>

// A file of the installation folder (BRUSHWISE_RUN_DIR, else the build's), e.g. "res/0.wav".
QString run_path(const QString& relative);
QByteArray read_run_file(const QString& relative);

// Registers dlls/ag.rcc and dlls/picmain.rcc of the installation folder, once.
void register_run_resources();
QImage library_image(const QString& library, int id);

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
