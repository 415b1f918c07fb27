// The sound cues res/0.wav, 1, 2, 6, 7: PCM 16-bit mono at 22050 Hz, short, soft, starting and
// ending quietly, and each different from the others.
#include "run_files.h"

#include <cmath>
#include <gmock/gmock.h>
#include <vector>

namespace {

constexpr int kCues[] = {0, 1, 2, 6, 7};
constexpr int kRate = 22050;

struct Wave {
    bool valid = false;
    uint32_t format = 0, channels = 0, rate = 0, byte_rate = 0, block_align = 0, bits = 0;
    std::vector<int16_t> samples;
};

// Walks the RIFF chunks; anything short or inconsistent leaves the wave invalid.
Wave parse_wave(const QByteArray& bytes) {
    Wave w;
    const ByteView v(bytes);
    if (!v.tag(0, "RIFF") || !v.tag(8, "WAVE")) return w;
    if (v.u32(4).value_or(0) + 8 != uint32_t(v.size())) return w;
    bool have_format = false;
    for (qsizetype at = 12; at + 8 <= v.size();) {
        const uint32_t size = *v.u32(at + 4);
        if (size > uint32_t(v.size() - at - 8)) return w;
        if (v.tag(at, "fmt ") && size >= 16) {
            w.format = *v.u16(at + 8), w.channels = *v.u16(at + 10), w.rate = *v.u32(at + 12);
            w.byte_rate = *v.u32(at + 16), w.block_align = *v.u16(at + 20);
            w.bits = *v.u16(at + 22);
            have_format = true;
        } else if (v.tag(at, "data") && have_format) {
            for (uint32_t i = 0; i + 1 < size; i += 2)
                w.samples.push_back(int16_t(*v.u16(at + 8 + i)));
            w.valid = true;
        }
        at += 8 + size + (size & 1);
    }
    return w;
}

Wave cue(int n) {
    return parse_wave(read_run_file(QString("res/%1.wav").arg(n)));
}

double peak(const std::vector<int16_t>& s, size_t from, size_t to) {
    double p = 0;
    for (size_t i = from; i < std::min(to, s.size()); ++i)
        p = std::max(p, std::abs(s[i] / 32768.0));
    return p;
}

TEST(SoundCues, ArePcm16MonoAt22050HzShortSoftAndFadeInAndOut) {
    for (int n : kCues) {
        SCOPED_TRACE(n);
        const Wave w = cue(n);
        ASSERT_TRUE(w.valid);
        EXPECT_EQ(w.format, 1u);
        EXPECT_EQ(w.channels, 1u);
        EXPECT_EQ(w.rate, uint32_t(kRate));
        EXPECT_EQ(w.bits, 16u);
        EXPECT_EQ(w.block_align, 2u);
        EXPECT_EQ(w.byte_rate, uint32_t(kRate * 2));
        const double seconds = double(w.samples.size()) / kRate;
        EXPECT_GE(seconds, 0.02);
        EXPECT_LE(seconds, 0.8);
        const double loudest = peak(w.samples, 0, w.samples.size());
        EXPECT_GT(loudest, 0.05) << "audible";
        EXPECT_LT(loudest, 0.5) << "soft";
        const size_t edge = kRate / 1000; // the first and last millisecond
        EXPECT_LT(peak(w.samples, 0, edge), loudest / 4) << "no click at the start";
        EXPECT_LT(peak(w.samples, w.samples.size() - edge, w.samples.size()), loudest / 4)
            << "no click at the end";
    }
}

TEST(SoundCues, PressAndReleaseAreTheShortestAndAllDiffer) {
    std::vector<Wave> waves;
    for (int n : kCues)
        waves.push_back(cue(n));
    for (size_t a = 0; a < waves.size(); ++a)
        for (size_t b = 0; b < a; ++b)
            EXPECT_NE(waves[a].samples, waves[b].samples) << kCues[a] << " and " << kCues[b];
    // Press (2) and release (6) accompany every click and must not get in the way.
    for (size_t i : {2u, 3u})
        for (size_t other : {0u, 1u, 4u})
            EXPECT_LT(waves[i].samples.size(), waves[other].samples.size());
}

} // namespace
