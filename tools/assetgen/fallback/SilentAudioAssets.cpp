// SilentAudioAssets.cpp: a silent stand-in for the audio library, built only while that library
// is absent, so the generator and its tests can run; every cue is a short silent WAV.
#include "assetgen/audio/AudioAssets.h"

#include <array>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 37> kCues = {"button_click",
                                                    "pop0",
                                                    "pop1",
                                                    "pop2",
                                                    "pop3",
                                                    "pop4",
                                                    "pop5",
                                                    "pop6",
                                                    "pop23",
                                                    "pop46",
                                                    "pop610",
                                                    "pop11",
                                                    "pop_golden",
                                                    "superpop",
                                                    "parachute",
                                                    "prize_lands",
                                                    "prize_flyoff",
                                                    "balloon_inflate",
                                                    "balloon_greyout",
                                                    "balloon_row_release",
                                                    "balloon_gold_unite",
                                                    "undo",
                                                    "no_moves",
                                                    "freakshow_reveal",
                                                    "curtain_open",
                                                    "classic_newgame",
                                                    "cheer_all_clear",
                                                    "cheer_1-5_left",
                                                    "cheer_6-10_left",
                                                    "breeze",
                                                    "chaching",
                                                    "alarm",
                                                    "whistle",
                                                    "yeah",
                                                    "woo",
                                                    "tada",
                                                    "loosetrumpet"};

void putU32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
}

// A 16-bit mono PCM WAV of 100 silent samples at 22050 Hz.
std::vector<uint8_t> silentWav() {
    constexpr uint32_t kSamples = 100;
    std::vector<uint8_t> out = {'R', 'I', 'F', 'F'};
    putU32(out, 36 + kSamples * 2);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    putU32(out, 16);
    out.insert(out.end(), {1, 0, 1, 0});
    putU32(out, 22050);
    putU32(out, 22050 * 2);
    out.insert(out.end(), {2, 0, 16, 0, 'd', 'a', 't', 'a'});
    putU32(out, kSamples * 2);
    out.resize(out.size() + kSamples * 2, 0);
    return out;
}

} // namespace

std::vector<SoundAsset> generateSoundEffects() {
    std::vector<SoundAsset> sounds;
    for (std::string_view cue : kCues) {
        std::string file(cue);
        sounds.push_back({std::string(cue), {file + ".wav", silentWav()}});
    }
    for (int theme = 0; theme < 5; ++theme) {
        for (int prize = 0; prize < 6; ++prize) {
            const std::string digits = std::to_string(theme) + std::to_string(prize);
            sounds.push_back({"P_" + digits, {"p_" + digits + ".wav", silentWav()}});
        }
    }
    return sounds;
}

GeneratedFile generateMusicModule() {
    return {"music.it", {}};
}

GeneratedFile generateGameSettings() {
    const std::string text = "dialogFade=\n500\n";
    return {"gamesettings.txt", std::vector<uint8_t>(text.begin(), text.end())};
}
