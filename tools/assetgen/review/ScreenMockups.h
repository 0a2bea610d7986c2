// ScreenMockups.h: whole screens put together from a generated pack, the way the game draws them.
#pragma once

#include "ContactSheet.h"

#include <vector>

// A Classic game in progress with the "NEW GAME" question open, an Action round, the loading
// screen and the options panel: backdrops, balloons, mascot, fonts and nine-sliced dialog
// templates composed by the game's layout rules, so the parts can be judged together.
std::vector<std::pair<std::string, Raster>> makeScreenMockups(const std::string& script,
                                                              const PackFiles& files);
