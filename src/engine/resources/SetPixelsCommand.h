// SetPixelsCommand.h: the setPixels command, filling or copying pixels into an entry's image.
#pragma once

#include "ResourceType.h"

// readSetPixelsArguments (PixelCommandArguments.h) says what a call asks for; the rectangles are
// clipped with PixelClipping.h.
class SetPixelsCommand final : public ScriptCommand {
public:
    static constexpr const char* kKeyword = "setPixels";

    explicit SetPixelsCommand(ResourceManager& manager)
        : ScriptCommand(kKeyword, manager) {}

    void apply(const ScriptCall& call, ResourceEntry& entry) override;
};
