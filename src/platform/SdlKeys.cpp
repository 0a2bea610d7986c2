// SdlKeys.cpp: SDL key codes to the game's virtual-key codes.
#include "SdlKeys.h"

namespace {

struct Mapping {
    SDL_Keycode key;
    int virtualKey;
};

// The keys that never type a character, with their conventional virtual-key numbers (the key
// arrays of the input state are indexed by these, never by raw SDL codes).
constexpr Mapping kVirtualKeys[] = {
    {SDLK_PAUSE, 19},         {SDLK_CAPSLOCK, 20},    {SDLK_PAGEUP, 33},      {SDLK_PAGEDOWN, 34},
    {SDLK_END, 35},           {SDLK_HOME, 36},        {SDLK_LEFT, 37},        {SDLK_UP, 38},
    {SDLK_RIGHT, 39},         {SDLK_DOWN, 40},        {SDLK_PRINTSCREEN, 44}, {SDLK_INSERT, 45},
    {SDLK_DELETE, 46},        {SDLK_LGUI, 91},        {SDLK_RGUI, 92},        {SDLK_APPLICATION, 93},
    {SDLK_F1, 112},           {SDLK_F2, 113},         {SDLK_F3, 114},         {SDLK_F4, 115},
    {SDLK_F5, 116},           {SDLK_F6, 117},         {SDLK_F7, 118},         {SDLK_F8, 119},
    {SDLK_F9, 120},           {SDLK_F10, 121},        {SDLK_F11, 122},        {SDLK_F12, 123},
    {SDLK_NUMLOCKCLEAR, 144}, {SDLK_SCROLLLOCK, 145}, {SDLK_LSHIFT, 16},      {SDLK_RSHIFT, 16},
    {SDLK_LCTRL, 17},         {SDLK_RCTRL, 17},       {SDLK_LALT, 18},        {SDLK_RALT, 18},
};

} // namespace

KeyTranslation translateKey(SDL_Keycode key) {
    switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return {KeyTranslation::Kind::Character, 13};
    case SDLK_BACKSPACE:
        return {KeyTranslation::Kind::Character, 8};
    case SDLK_TAB:
        return {KeyTranslation::Kind::Character, 9};
    case SDLK_ESCAPE:
        return {KeyTranslation::Kind::Character, 27};
    default:
        break;
    }
    for (const Mapping& m : kVirtualKeys) {
        if (m.key == key) {
            return {KeyTranslation::Kind::VirtualKey, m.virtualKey};
        }
    }
    return {};
}
