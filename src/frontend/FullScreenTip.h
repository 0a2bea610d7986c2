// FullScreenTip.h: remembers that the player was told how to leave full screen.
#pragma once

#include <filesystem>

// A small file of the game's own beside the settings store ("fullscreen-tip"), so the tip is
// given once per player, not once per run.
namespace fullscreentip {

bool wasShown(const std::filesystem::path& configDir);
// Written atomically; a failure costs only a second showing at the next start (one trace line).
void markShown(const std::filesystem::path& configDir);

} // namespace fullscreentip
