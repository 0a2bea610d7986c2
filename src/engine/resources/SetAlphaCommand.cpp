// SetAlphaCommand.cpp: the setAlpha command, taking an entry's alpha from a mask image.
#include "SetAlphaCommand.h"

// NOTE: the alpha copy is done once ksImage is part of the engine: apply reads the call with
// readSetAlphaArguments, looks a Resource mask up as an IMAGE entry only, and copies the mask's
// blue bytes into the block clipped by clipBlock. Until then the command changes nothing.

void SetAlphaCommand::apply(const ScriptCall& /*call*/, ResourceEntry& /*entry*/) {}
