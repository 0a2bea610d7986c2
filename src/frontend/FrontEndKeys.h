// FrontEndKeys.h: the typed keys the front-end screens answer.
#pragma once

// Enter and Space press a screen's confirming button.
inline constexpr int kEnterKey = 13;
inline constexpr int kSpaceKey = 32;
