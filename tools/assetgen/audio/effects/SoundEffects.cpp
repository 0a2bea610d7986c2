// SoundEffects.cpp: every effect cue of the game, synthesised, mastered and encoded as WAV.
#include "Cue.h"
#include "assetgen/audio/AudioAssets.h"
#include "assetgen/audio/synth/Mastering.h"
#include "assetgen/audio/synth/WavFile.h"

#include <cctype>

namespace {

// Pack names are lower case; cue names such as "P_00" keep their case in the script.
std::string wavFileName(const std::string& cueName) {
    std::string name;
    for (char c : cueName) {
        name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return name + ".wav";
}

} // namespace

std::vector<SoundAsset> generateSoundEffects() {
    std::vector<SoundAsset> assets;
    for (auto family : {cues::popCues, cues::prizeCues, cues::voiceCues, cues::fanfareCues, cues::boardCues,
                        cues::interfaceCues}) {
        for (Cue& cue : family()) {
            synth::finish(cue.sound, cue.finish);
            assets.push_back(
                {cue.name,
                 {wavFileName(cue.name), synth::encodeWav(synth::toPcm16(cue.sound), cue.sound.rate)}});
        }
    }
    return assets;
}
