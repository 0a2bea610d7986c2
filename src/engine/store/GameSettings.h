// GameSettings.h: the table of named tuning values read from the game's settings text.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// A settings text is a sequence of entries, each a line "name=" followed by its value on the next
// non-empty line. Every lookup scans the text again; the first exact, case-sensitive match wins.
// A name that is not in the text writes "%s is not a valid setting name" through trace and gives
// the neutral value. Lookups happen when modes start, never per frame.
class GameSettings {
public:
    // Replaces the settings text. Until it is set every lookup misses.
    void setGameSettings(std::string text);
    const std::string& text() const { return m_text; }

    // The whole value line (blanks, commas and semicolons included); empty when the name is
    // missing or its line is the last of the text.
    std::string getString(std::string_view name) const;

    // The value as a signed 32-bit integer (clamped; text that is not a number gives its leading
    // numeric part or 0). Besides line ends, "," and ";" also separate tokens here, so a list
    // gives its first element and "name=,500" on one line gives 500.
    int32_t getInt(std::string_view name) const;

    // Writes the integers of the value line, separated by ",", ";" or line ends, into `values`
    // from index 0 while it has room. A missing name or an empty value leaves `values` untouched.
    void getIntArray(std::string_view name, std::span<int32_t> values) const;

    // getIntArray into a zeroed array, so a missing name or a short list reads as 0.
    template <std::size_t N>
    std::array<int32_t, N> getIntArray(std::string_view name) const {
        std::array<int32_t, N> values{};
        getIntArray(name, values);
        return values;
    }

private:
    enum class Lookup { Found, LastToken, Missing };
    // Scans for the token "name=" with the given delimiters; on Found, `value` is the next token.
    Lookup find(std::string_view name, std::string_view delimiters, std::string& value) const;

    std::string m_text;
};
