// WebLink.cpp: handing the game's web address to the desktop, safely.
#include "WebLink.h"

#include "engine/core/ksLog.h"
#include "engine/os/KestrinOS.h"

bool isWebAddress(std::string_view address) {
    return address.starts_with("http://") || address.starts_with("https://");
}

WebLinkResult openWebAddress(KestrinOS& os, const std::string& address) {
    if (address.empty()) {
        return WebLinkResult::Refused;
    }
    if (!isWebAddress(address)) {
        trace("openWebAddress - refused to open '%s'", address.c_str());
        return WebLinkResult::Refused;
    }
    return os.openUrl(address) ? WebLinkResult::Opened : WebLinkResult::NoBrowser;
}
