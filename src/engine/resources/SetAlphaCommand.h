// SetAlphaCommand.h: the setAlpha command, taking an entry's alpha from a mask image.
#pragma once

#include "ResourceType.h"

// readSetAlphaArguments (PixelCommandArguments.h) says what a call asks for; the block is clipped
// with clipBlock (PixelClipping.h).
class SetAlphaCommand final : public ScriptCommand {
public:
    static constexpr const char* kKeyword = "setAlpha";

    explicit SetAlphaCommand(ResourceManager& manager)
        : ScriptCommand(kKeyword, manager) {}

    void apply(const ScriptCall& call, ResourceEntry& entry) override;
};
