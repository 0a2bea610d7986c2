// SetPixelsCommand.cpp: the setPixels command, filling or copying pixels into an entry's image.
#include "SetPixelsCommand.h"

// NOTE: the pixel work is done once ksImage is part of the engine: apply reads the call with
// readSetPixelsArguments, looks Resource arguments up as IMAGE entries only (anything else is a
// missing argument, with one trace line), and fills or copies with clipToImage and clipBlock.
// Until then the command changes nothing.

void SetPixelsCommand::apply(const ScriptCall& /*call*/, ResourceEntry& /*entry*/) {}
