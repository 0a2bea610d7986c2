// EntryField.cpp: the text of a dialog's entry field and the blink of its caret.
#include "EntryField.h"

#include "engine/input/TypedKeys.h"
#include "engine/input/ksInputState.h"
#include "engine/video/ksFont.h"

bool EntryField::applyTyped(const ksInput& input, const ksFont* font) {
    for (int code = 0; code < 255; ++code) {
        if (!input.wasTyped(code)) {
            continue;
        }
        if (code == kEnterKey) {
            return true;
        }
        if (code == kBackspaceKey) {
            if (!m_text.empty()) {
                m_text.pop_back();
            }
        } else if (font != nullptr && font->hasGlyph(code) && m_text.size() < kMaxLength) {
            m_text.push_back(static_cast<char>(code));
        }
    }
    return false;
}

void EntryField::setText(std::string_view text) {
    m_text.assign(text.substr(0, kMaxLength));
}

void CaretBlink::advance(float seconds) {
    m_timer += seconds * m_speed;
    if (m_timer <= 0.0f) {
        m_timer = 0.0f;
        m_speed = -m_speed;
        m_visible = false;
    } else if (m_timer > 1.5f) {
        m_timer = 1.0f;
        m_speed = -m_speed;
        m_visible = true;
    } else {
        m_visible = m_timer > 0.75f;
    }
}

float CaretBlink::secondsToChange() const {
    const float target = m_speed > 0.0f ? (m_timer < 0.75f ? 0.75f : 1.5f) : (m_timer > 0.75f ? 0.75f : 0.0f);
    return (target - m_timer) / m_speed;
}
