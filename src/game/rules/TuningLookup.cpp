// TuningLookup.cpp: the points multipliers by colour count, shared by every mode.
#include "TuningLookup.h"

#include "engine/core/Numbers.h"
#include "engine/core/ksLog.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

ColourMultipliers readColourMultipliers(const TuningLookup& settings) {
    ColourMultipliers multipliers{};
    for (int colours = kFewestColours; colours <= kMostColours; ++colours) {
        char key[32];
        std::snprintf(key, sizeof key, "%dBalloonsMultiplier", colours);
        const double value = parseDecimalFloat(settings.getString(key));
        float& slot = multipliers[static_cast<std::size_t>(colours - kFewestColours)];
        if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
            trace("TuningLookup - %s is not a usable multiplier, using 0", key);
            slot = 0.0f;
        } else {
            slot = static_cast<float>(value);
        }
    }
    return multipliers;
}
