#pragma once
// The program's sound cues, synthesised: short, soft and distinct.
#include <cstdint>
#include <vector>

namespace art {

constexpr int kSampleRate = 22050;
constexpr int kSoundCues[] = {0, 1, 2, 6, 7}; // wrong, complete, press, release, right

// Mono 16-bit samples of cue n (one of kSoundCues); empty for any other n.
std::vector<int16_t> sound_cue(int n);

// A RIFF/WAVE file of PCM 16-bit mono samples at kSampleRate.
std::vector<uint8_t> wave_file(const std::vector<int16_t>& samples);

} // namespace art
