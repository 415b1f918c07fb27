#include "kanji_recogniser_model.h"

#include "bytes.h"

#include <cstdio>
#include <cstring>

namespace {

// The end of the entry that starts at `at`, or 0 when it runs past the end of the model or its
// character is not terminated.
size_t entry_end(std::span<const uint8_t> model, size_t at) {
    if (model.size() - at < kModelCharacterBytes + 4) return 0;
    if (!std::memchr(model.data() + at, 0, kModelCharacterBytes)) return 0;
    for (size_t pair = at + kModelCharacterBytes + 4;; pair += kModelPairBytes) {
        const std::optional<int32_t> index = bytes::i32_at(model, pair);
        if (!index || model.size() - pair < kModelPairBytes) return 0;
        if (*index == -1) return pair + kModelPairBytes;
    }
}

} // namespace

bool handwriting_model_sound(std::span<const uint8_t> model) {
    const std::optional<uint32_t> magic = bytes::u32_at(model, 0);
    const std::optional<uint32_t> version = bytes::u32_at(model, 4);
    const std::optional<uint32_t> count = bytes::u32_at(model, 8);
    if (!magic || !version || !count) return false;
    if (model.size() > kModelMaxBytes || (*magic ^ kModelMagic) != model.size()) return false;
    if (*version != kModelVersion) return false;
    size_t at = kModelHeaderBytes;
    for (uint32_t i = 0; i < *count; ++i) {
        at = entry_end(model, at);
        if (at == 0) return false;
    }
    return at == model.size();
}

char16_t single_utf8_character(std::string_view text) {
    const auto byte = [&](size_t i) { return uint8_t(text[i]); };
    const auto continuation = [&](size_t i) { return (byte(i) & 0xC0) == 0x80; };
    uint32_t c = 0;
    if (text.size() == 1 && byte(0) < 0x80) {
        c = byte(0);
    } else if (text.size() == 2 && (byte(0) & 0xE0) == 0xC0 && continuation(1)) {
        c = (uint32_t(byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
        if (c < 0x80) return 0; // overlong
    } else if (text.size() == 3 && (byte(0) & 0xF0) == 0xE0 && continuation(1) && continuation(2)) {
        c = (uint32_t(byte(0) & 0x0F) << 12) | (uint32_t(byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
        if (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF)) return 0; // overlong or a surrogate
    }
    return char16_t(c);
}

namespace {

// The file, read in large blocks and handed out piece by piece.
class ModelStream {
  public:
    explicit ModelStream(std::FILE* f) : f_(f), buffer_(kBlockBytes) {}
    // The next `n` bytes (n at most one block), or null when the file ends first.
    const uint8_t* take(size_t n) {
        if (end_ - at_ < n && !refill(n)) return nullptr;
        const uint8_t* p = buffer_.data() + at_;
        skip(n);
        return p;
    }
    // At least `n` bytes held from the cursor on (false when the file ends first), and how many.
    bool hold(size_t n) { return end_ - at_ >= n || refill(n); }
    size_t held() const { return end_ - at_; }
    const uint8_t* cursor() const { return buffer_.data() + at_; }
    void skip(size_t n) {
        at_ += n;
        taken_ += n;
    }
    size_t taken() const { return taken_; }
    bool at_end() { return at_ == end_ && !refill(1); }

  private:
    static constexpr size_t kBlockBytes = size_t(1) << 20;
    bool refill(size_t n) {
        std::memmove(buffer_.data(), buffer_.data() + at_, end_ - at_);
        end_ -= at_;
        at_ = 0;
        end_ += std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, f_);
        return end_ >= n;
    }
    std::FILE* f_;
    std::vector<uint8_t> buffer_;
    size_t at_ = 0, end_ = 0, taken_ = 0;
};

uint32_t u32_of(const uint8_t* p) {
    return *bytes::u32_at(std::span<const uint8_t>(p, 4), 0);
}

// Reads the pairs of an entry up to and including its terminator (index -1), appending them to
// `out` when given; false when the file ends first. The pairs held are scanned in place.
bool take_pairs(ModelStream& in, std::vector<uint8_t>* out) {
    for (;;) {
        if (!in.hold(kModelPairBytes)) return false;
        const uint8_t* p = in.cursor();
        const size_t held = in.held() - in.held() % kModelPairBytes;
        size_t n = 0;
        bool ended = false;
        while (n < held && !ended) {
            ended = int32_t(u32_of(p + n)) == -1;
            n += kModelPairBytes;
        }
        if (out) out->insert(out->end(), p, p + n);
        in.skip(n);
        if (ended) return true;
    }
}

// Reads the stream's next entry, appending it to `out` when `keep` takes its character; false
// when it is damaged.
bool take_entry(ModelStream& in, std::vector<uint8_t>& out,
                const std::function<bool(char16_t)>& keep, bool* kept) {
    const uint8_t* head = in.take(kModelCharacterBytes + 4);
    if (!head) return false;
    const auto* end = static_cast<const uint8_t*>(std::memchr(head, 0, kModelCharacterBytes));
    if (!end) return false;
    const char16_t c =
        single_utf8_character({reinterpret_cast<const char*>(head), size_t(end - head)});
    *kept = c != 0 && keep(c);
    if (*kept) out.insert(out.end(), head, head + kModelCharacterBytes + 4);
    return take_pairs(in, *kept ? &out : nullptr);
}

void put_u32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out[at + size_t(i)] = uint8_t(value >> (8 * i));
}

std::optional<std::vector<uint8_t>> keep_entries(std::FILE* f,
                                                 const std::function<bool(char16_t)>& keep) {
    ModelStream in(f);
    const uint8_t* header = in.take(kModelHeaderBytes);
    if (!header) return std::nullopt;
    const uint32_t size = u32_of(header) ^ kModelMagic;
    const uint32_t count = u32_of(header + 8);
    if (size > kModelMaxBytes || u32_of(header + 4) != kModelVersion) return std::nullopt;
    std::vector<uint8_t> kept(kModelHeaderBytes, 0);
    // Room for every entry at once, so that the kept ones are never moved: the pages of the room
    // left over are never touched and take no memory.
    kept.reserve(size);
    uint32_t kept_count = 0;
    for (uint32_t i = 0; i < count; ++i) {
        bool taken = false;
        if (!take_entry(in, kept, keep, &taken) || in.taken() > size) return std::nullopt;
        kept_count += taken ? 1 : 0;
    }
    if (in.taken() != size || !in.at_end()) return std::nullopt;
    put_u32(kept, 0, uint32_t(kept.size()) ^ kModelMagic);
    put_u32(kept, 4, kModelVersion);
    put_u32(kept, 8, kept_count);
    return kept;
}

} // namespace

std::optional<std::vector<uint8_t>> read_model_keeping(const std::string& path,
                                                       const std::function<bool(char16_t)>& keep) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::nullopt;
    std::optional<std::vector<uint8_t>> kept = keep_entries(f, keep);
    std::fclose(f);
    return kept;
}
