// DeveloperCode.cpp: the hidden code, typed on the title screen, that switches developer mode.
#include "DeveloperCode.h"

#include "engine/input/ksInputState.h"

namespace {

constexpr int kFirstCode = 32;
constexpr int kLastCode = 90;

constexpr int lowerCase(int code) {
    return code >= 'A' && code <= 'Z' ? code + ('a' - 'A') : code;
}

} // namespace

void DeveloperCode::append(const ksInput& input) {
    for (int code = kFirstCode; code <= kLastCode; ++code) {
        if (input.wasTyped(code) || input.wasTyped(lowerCase(code))) {
            m_typed.push(static_cast<char>(code));
        }
    }
}

bool DeveloperCode::takeCompleted() {
    const std::string_view text = typed();
    if (text != kCode.substr(0, text.size())) {
        m_typed.clear();
        return false;
    }
    if (text.size() == kCode.size()) {
        m_typed.clear();
        return true;
    }
    return false;
}
