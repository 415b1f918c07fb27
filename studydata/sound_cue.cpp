#include "sound_cue.h"

namespace {
SoundPlayer& player() {
    static SoundPlayer p;
    return p;
}
} // namespace

void SoundCue_SetPlayer(SoundPlayer p) {
    player() = std::move(p);
}

void PlaySoundCue(int n) {
    if (player()) player()("res/" + std::to_string(n) + ".wav");
}
