// TuningLookup.h: the read-only view of the named tuning values the mode rules need.
#pragma once

#include "GameConstants.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

// The game settings table answers these; the rules depend only on this view, so they can be fed
// from a literal text in tests. A missing name is reported by the table itself.
class TuningLookup {
public:
    // Writes the list stored under `name` into `values` from index 0 while the span lasts;
    // leaves `values` unchanged when the name is missing or its value is empty.
    virtual void getIntArray(const char* name, std::span<int32_t> values) const = 0;
    // The whole value line stored under `name`; empty when the name is missing.
    virtual std::string getString(const char* name) const = 0;

protected:
    ~TuningLookup() = default;
};

// "%dBalloonsMultiplier" for 3 to 6 colours: the factor applied to every point scored with that
// many colours. A value that does not parse to a finite number reads as 0, with one trace line.
using ColourMultipliers = std::array<float, kMostColours - kFewestColours + 1>;
ColourMultipliers readColourMultipliers(const TuningLookup& settings);
