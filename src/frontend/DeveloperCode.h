// DeveloperCode.h: the hidden code, typed on the title screen, that switches developer mode.
#pragma once

#include "engine/core/FixedList.h"

#include <string_view>

class ksInput;

// Collects the letters typed while the title screen runs. A buffer that stops being a beginning
// of the code is emptied, so a wrong letter starts the attempt over.
class DeveloperCode {
public:
    static constexpr std::string_view kCode = "TWIRLY";
    static constexpr std::size_t kCapacity = 63;

    // Appends the characters typed in this frame, in ascending code order, from space (32) to
    // 'Z' (90); a lower-case letter counts as its capital. Characters past the capacity are
    // dropped.
    void append(const ksInput& input);
    // What has been typed so far in this attempt.
    std::string_view typed() const { return {m_typed.begin(), m_typed.size()}; }
    // Ends this frame's attempt: true (and emptied) when the whole code has been typed; emptied
    // when the buffer is no longer a beginning of the code.
    bool takeCompleted();
    void clear() { m_typed.clear(); }

private:
    FixedList<char, kCapacity> m_typed;
};
