// WebLink.h: handing the game's web address to the desktop, safely.
#pragma once

#include <string>
#include <string_view>

class KestrinOS;

// Only http:// and https:// addresses are web addresses; anything else could name a local file
// or a program.
bool isWebAddress(std::string_view address);

enum class WebLinkResult {
    Opened,    // handed to the desktop's browser
    Refused,   // empty, or not a web address (with a trace line)
    NoBrowser, // a web address, but no browser could be opened for it
};

// Asks the OS layer to open `address` with the desktop's browser. An empty address does nothing;
// one that is not a web address is refused with a trace line.
WebLinkResult openWebAddress(KestrinOS& os, const std::string& address);
