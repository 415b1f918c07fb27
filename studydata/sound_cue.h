#pragma once
// Short sound cues "res/<n>.wav", played without waiting by whatever player is registered.
#include <functional>
#include <string>

enum SoundCue : int { CueWrong = 0, CueComplete = 1, CuePress = 2, CueRelease = 6, CueRight = 7 };

using SoundPlayer = std::function<void(const std::string& path)>;

// Registers the player (an empty function silences the cues).
void SoundCue_SetPlayer(SoundPlayer player);
// Plays "res/<n>.wav"; returns at once.
void PlaySoundCue(int n);
