// EntryField.h: the text of a dialog's entry field and the blink of its caret.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class ksFont;
class ksInput;

// At most 12 characters, each one the entry font has a glyph for.
class EntryField {
public:
    static constexpr std::size_t kMaxLength = 12;

    // Applies the characters typed this frame in ascending code order (0 to 254): Backspace
    // removes the last character, any other code is appended while there is room and the font
    // has its glyph. Stops at Enter and answers true; the codes above it are left unread.
    bool applyTyped(const ksInput& input, const ksFont* font);

    std::string_view text() const { return m_text; }
    // Keeps the first kMaxLength characters.
    void setText(std::string_view text);

private:
    // Never longer than kMaxLength, so it stays inside the string's own storage.
    std::string m_text;
};

// The caret fades its timer up and down; it shows while the timer is above 0.75.
class CaretBlink {
public:
    void advance(float seconds);
    bool isVisible() const { return m_visible; }
    // How long until the caret may show or hide.
    float secondsToChange() const;

private:
    float m_timer = 0.0f;
    float m_speed = 4.0f;
    bool m_visible = false;
};
