// FullScreenTip.cpp: remembers that the player was told how to leave full screen.
#include "FullScreenTip.h"

#include "engine/core/FileIo.h"
#include "engine/core/ksLog.h"

#include <array>

namespace fullscreentip {

namespace {

constexpr const char* kFileName = "fullscreen-tip";

} // namespace

bool wasShown(const std::filesystem::path& configDir) {
    std::error_code error;
    return std::filesystem::is_regular_file(configDir / kFileName, error);
}

void markShown(const std::filesystem::path& configDir) {
    constexpr std::array<uint8_t, 6> kText{'s', 'h', 'o', 'w', 'n', '\n'};
    if (!replaceFileContents(configDir / kFileName, kText)) {
        trace("fullscreentip::markShown - could not write %s", (configDir / kFileName).c_str());
    }
}

} // namespace fullscreentip
