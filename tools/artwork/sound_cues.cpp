// Each cue is a few soft, bell-like notes: a sine with a little of its octave, a short raised
// attack, an exponential decay and a gentle fade at the very end, so that no cue clicks.
#include "sound_cues.h"

#include "bytes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace art {
namespace {

struct Note {
    double start_ms, hz, length_ms, level, decay_ms;
};

double note_sample(const Note& n, double t_ms) {
    constexpr double kAttackMs = 6, kFadeMs = 12;
    const double local = t_ms - n.start_ms;
    if (local < 0 || local >= n.length_ms) return 0;
    double envelope = std::exp(-local / n.decay_ms);
    if (local < kAttackMs) envelope *= 0.5 - 0.5 * std::cos(std::numbers::pi * local / kAttackMs);
    const double to_end = n.length_ms - local;
    if (to_end < kFadeMs) envelope *= to_end / kFadeMs;
    const double phase = 2 * std::numbers::pi * n.hz * local / 1000;
    return n.level * envelope * (std::sin(phase) + 0.18 * std::sin(2 * phase));
}

std::vector<int16_t> render(const std::vector<Note>& notes) {
    double end_ms = 0;
    for (const Note& n : notes)
        end_ms = std::max(end_ms, n.start_ms + n.length_ms);
    std::vector<int16_t> samples(size_t(end_ms * kSampleRate / 1000));
    for (size_t i = 0; i < samples.size(); ++i) {
        const double t_ms = 1000.0 * double(i) / kSampleRate;
        double v = 0;
        for (const Note& n : notes)
            v += note_sample(n, t_ms);
        samples[i] = int16_t(std::lround(std::clamp(v, -1.0, 1.0) * 32767));
    }
    return samples;
}

std::vector<Note> notes_of(int n) {
    switch (n) {
    case 0: // wrong: two low notes falling, muted
        return {{0, 392.0, 150, 0.26, 70}, {120, 293.7, 230, 0.28, 90}};
    case 1: // complete: a rising arpeggio that rings out
        return {{0, 523.3, 260, 0.16, 120},
                {75, 659.3, 260, 0.16, 120},
                {150, 784.0, 280, 0.16, 130},
                {225, 1046.5, 380, 0.18, 160}};
    case 2: // press: a soft, low tap
        return {{0, 740.0, 40, 0.26, 9}};
    case 6: // release: a lighter, higher tap
        return {{0, 1108.7, 30, 0.20, 7}};
    case 7: // right: two bright notes rising
        return {{0, 659.3, 170, 0.22, 80}, {85, 880.0, 260, 0.24, 110}};
    default:
        return {};
    }
}

using bytes::put_u16;
using bytes::put_u32;
void put_tag(std::vector<uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(tag[i]));
}

} // namespace

std::vector<int16_t> sound_cue(int n) {
    return render(notes_of(n));
}

std::vector<uint8_t> wave_file(const std::vector<int16_t>& samples) {
    const uint32_t data_bytes = uint32_t(samples.size() * 2);
    std::vector<uint8_t> out;
    out.reserve(44 + data_bytes);
    put_tag(out, "RIFF");
    put_u32(out, 36 + data_bytes);
    put_tag(out, "WAVE");
    put_tag(out, "fmt ");
    put_u32(out, 16);
    put_u16(out, 1); // PCM
    put_u16(out, 1); // mono
    put_u32(out, kSampleRate);
    put_u32(out, kSampleRate * 2); // bytes per second
    put_u16(out, 2);               // bytes per frame
    put_u16(out, 16);              // bits per sample
    put_tag(out, "data");
    put_u32(out, data_bytes);
    for (int16_t s : samples)
        put_u16(out, uint16_t(s));
    return out;
}

} // namespace art
