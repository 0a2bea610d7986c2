// OptionsRules.h: how the options panel turns its controls into settings.
#pragma once

#include "ui/DialogDescription.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace optionsrules {

// The colours slider snaps to four places, for 3 to 6 balloon colours.
inline constexpr int kFewestColours = 3;
inline constexpr float kColourStep = 0.33333334f;

// The place (0 to 3) nearest to the slider's fraction; half-way rounds up.
inline int colourPlace(float slider) {
    return static_cast<int>(std::trunc(slider * 3.0f + 0.5f));
}

// The difficulty boxes act as radio buttons: after a click, a ticked box other than the current
// difficulty's gives the new difficulty (the last such box wins); otherwise it stays.
inline int chooseDifficulty(int current, const std::array<int32_t, 3>& boxes) {
    int chosen = current;
    for (int i = 0; i < 3; ++i) {
        if (i != current && boxes[i] == kCheckboxTicked) {
            chosen = i;
        }
    }
    return chosen;
}

} // namespace optionsrules
