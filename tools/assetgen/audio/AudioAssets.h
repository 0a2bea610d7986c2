// AudioAssets.h: the game's sound effects, music module and tuning text, made by our own code.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct GeneratedFile {
    std::string fileName; // lower case, as stored in the pack
    std::vector<uint8_t> bytes;
};

// One SOUND entry of the resource script: the cue name the game asks for and its file.
struct SoundAsset {
    std::string cueName;
    GeneratedFile file;
};

// Every effect cue the game plays, as 16-bit PCM WAV files. Deterministic.
std::vector<SoundAsset> generateSoundEffects();
// The music: one Impulse Tracker module whose name contains ".it". Deterministic.
GeneratedFile generateMusicModule();
// The `gameSettings` text with every tuning value.
GeneratedFile generateGameSettings();
