// TuningSettings.cpp: the game settings a tuning tool plays with.
#include "TuningSettings.h"

#include "assetgen/audio/AudioAssets.h"
#include "engine/core/FileIo.h"
#include "engine/store/GameSettings.h"

#include <cstdio>

bool loadTuningSettings(GameSettings& settings, const std::string& file) {
    if (file.empty()) {
        const GeneratedFile generated = generateGameSettings();
        settings.setGameSettings(std::string(generated.bytes.begin(), generated.bytes.end()));
        return true;
    }
    if (const auto bytes = readFileBytes(file)) {
        settings.setGameSettings(std::string(bytes->begin(), bytes->end()));
        return true;
    }
    std::fprintf(stderr, "cannot read %s\n", file.c_str());
    return false;
}
