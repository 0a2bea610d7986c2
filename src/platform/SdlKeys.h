// SdlKeys.h: SDL key codes to the game's virtual-key codes.
#pragma once

#include <SDL_keycode.h>

// Keys that type a character arrive as text instead; Enter, Backspace, Tab and Escape are typed
// characters too (13, 8, 9, 27).
struct KeyTranslation {
    enum class Kind { Ignore, Character, VirtualKey };
    Kind kind = Kind::Ignore;
    int code = 0;
};

KeyTranslation translateKey(SDL_Keycode key);
