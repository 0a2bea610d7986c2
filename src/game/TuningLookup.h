// TuningLookup.h: the read-only view of the named tuning values the mode rules need.
#pragma once

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
