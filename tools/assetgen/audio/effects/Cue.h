// Cue.h: one effect as synthesised, named as the game asks for it, with its mastering settings.
#pragma once

#include "assetgen/audio/synth/Mastering.h"
#include "assetgen/audio/synth/Sound.h"

#include <string>
#include <vector>

struct Cue {
    std::string name;
    synth::Sound sound;
    synth::Finish finish{};
};

// The effect families, each in its own file.
namespace cues {

std::vector<Cue> popCues();
std::vector<Cue> prizeCues();
std::vector<Cue> voiceCues();
std::vector<Cue> fanfareCues();
std::vector<Cue> boardCues();
std::vector<Cue> interfaceCues();

} // namespace cues
