// TuningSettings.h: the game settings a tuning tool plays with.
#pragma once

#include <string>

class GameSettings;

// Fills `settings` from `file`, or from the generated game settings when `file` is empty. False
// (with a line on standard error) when the file cannot be read.
bool loadTuningSettings(GameSettings& settings, const std::string& file);
