#include "kanji_file_view.h"

#include <cstring>

namespace {

class ByteReader {
  public:
    ByteReader(const std::vector<uint8_t>& bytes, size_t pos) : bytes_(bytes), pos_(pos) {}
    std::optional<int32_t> i32() {
        if (pos_ > bytes_.size() || bytes_.size() - pos_ < 4) return std::nullopt;
        int32_t v;
        std::memcpy(&v, bytes_.data() + pos_, 4);
        pos_ += 4;
        return v;
    }
    size_t pos() const { return pos_; }

  private:
    const std::vector<uint8_t>& bytes_;
    size_t pos_;
};

std::optional<std::vector<std::vector<StrokeSample>>>
read_strokes(const std::vector<uint8_t>& bytes, size_t at) {
    ByteReader r(bytes, at);
    auto length = r.i32();
    auto count = r.i32();
    if (!length || !count || *count < 0 || *length < 8) return std::nullopt;
    std::vector<std::vector<StrokeSample>> strokes;
    for (int s = 0; s < *count; ++s) {
        auto points = r.i32();
        if (!points || *points < 0 || size_t(*points) > (bytes.size() - r.pos()) / 12)
            return std::nullopt;
        std::vector<StrokeSample> stroke;
        for (int p = 0; p < *points; ++p)
            stroke.push_back({*r.i32(), *r.i32(), *r.i32()});
        strokes.push_back(std::move(stroke));
    }
    if (r.pos() - at != size_t(uint32_t(*length))) return std::nullopt;
    return strokes;
}

} // namespace

std::optional<std::vector<StoredKanji>> read_kanji_file(const std::vector<uint8_t>& bytes,
                                                        int count) {
    std::vector<StoredKanji> out;
    for (int n = 1; n <= count; ++n) {
        auto offset = ByteReader(bytes, 4 * size_t(n)).i32();
        if (!offset) return std::nullopt;
        const size_t at = uint32_t(*offset);
        if (at > bytes.size() || bytes.size() - at < sizeof(KanjiRecord)) return std::nullopt;
        StoredKanji k;
        std::memcpy(&k.record, bytes.data() + at, sizeof(KanjiRecord));
        auto strokes = read_strokes(bytes, at + sizeof(KanjiRecord));
        if (!strokes) return std::nullopt;
        k.strokes = std::move(*strokes);
        out.push_back(std::move(k));
    }
    return out;
}
