// ContactSheet.h: review sheets made from a generated pack, decoded the way the game reads it.
#pragma once

#include "Raster.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

using PackFiles = std::map<std::string, std::vector<uint8_t>>;

// Every IMAGE entry of the script, decoded from the pack (JPEG or GIF picture, alpha from the
// mask's blue byte), named and laid out on a checkerboard, followed by a specimen of every font
// set with the game's own spacing rules. Pictures that fail to decode show as red boxes.
Raster makeContactSheet(const std::string& script, const PackFiles& files);

// The balloons of every colour, and a sample board, as seen with normal vision and with
// simulated protanopia, deuteranopia and tritanopia, each with its smallest colour distance.
Raster makeColourVisionSheet(const std::string& script, const PackFiles& files);
