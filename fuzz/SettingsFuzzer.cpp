// SettingsFuzzer.cpp: looks names up in arbitrary settings texts. The input's first line is the
// name to look up, the rest is the text.
#include "engine/store/GameSettings.h"

#include <array>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min(input.find('\n'), input.size());
    const std::string_view name = input.substr(0, std::min<std::size_t>(split, 64));

    GameSettings settings;
    settings.setGameSettings(std::string(input.substr(std::min(split + 1, input.size()))));
    for (std::string_view key : {name, std::string_view("dialogFade"), std::string_view("classicRows")}) {
        settings.getString(key);
        settings.getInt(key);
        settings.getIntArray<3>(key);
        std::array<int32_t, 1> one{};
        settings.getIntArray(key, one);
    }
    return 0;
}
