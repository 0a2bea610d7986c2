// TypedKeys.h: the character codes of the keys the screens answer when typed.
#pragma once

// Enter and Space press a screen's or dialog's confirming button.
inline constexpr int kEnterKey = 13;
inline constexpr int kSpaceKey = 32;
// Backspace takes the last character out of an entry field.
inline constexpr int kBackspaceKey = 8;
// Escape asks to leave: the exit question on the title, the main-menu question in a game, and
// the answer "no" in those questions.
inline constexpr int kEscapeKey = 27;
