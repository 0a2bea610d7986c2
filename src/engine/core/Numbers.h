// Numbers.h: safe numeric conversions shared by every subsystem.
#pragma once

#include <cstdint>
#include <string_view>

// Truncates toward zero like a plain cast, but saturates at the int32 limits and maps NaN to 0,
// so stored or tuned values can never make the conversion undefined.
int32_t truncSat(double value);

// The standard decimal conversion: leading white space skipped, an optional sign, then digits up
// to the first non-digit; no digits gives 0. Out-of-range values clamp to the int32 limits.
int32_t parseDecimalInt(std::string_view text);

// Leading white space skipped, then the longest decimal fraction ("1.5", "-2", ".25", "3e2");
// independent of the C locale. No number gives 0.
double parseDecimalFloat(std::string_view text);
