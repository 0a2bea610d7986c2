// GameSettings.cpp: the table of named tuning values read from the game's settings text.
#include "GameSettings.h"

#include "engine/core/Numbers.h"
#include "engine/core/StringTokenizer.h"
#include "engine/core/ksLog.h"

#include <algorithm>

namespace {

constexpr std::string_view kLineDelimiters = "\n\r";
constexpr std::string_view kListDelimiters = "\n\r,;";

} // namespace

void GameSettings::setGameSettings(std::string text) {
    m_text = std::move(text);
}

GameSettings::Lookup GameSettings::find(std::string_view name, std::string_view delimiters,
                                        std::string& value) const {
    std::string key(name);
    key += '=';
    StringTokenizer tokens(m_text, delimiters);
    while (tokens.hasMoreTokens()) {
        if (tokens.nextToken() == key) {
            if (!tokens.hasMoreTokens()) {
                return Lookup::LastToken;
            }
            value = tokens.nextToken();
            return Lookup::Found;
        }
    }
    // The name is not logged through the format string itself, and trace cuts the line at 255.
    trace("%.*s is not a valid setting name", static_cast<int>(std::min<std::size_t>(name.size(), 255)),
          name.data());
    return Lookup::Missing;
}

std::string GameSettings::getString(std::string_view name) const {
    std::string value;
    find(name, kLineDelimiters, value);
    return value;
}

int32_t GameSettings::getInt(std::string_view name) const {
    std::string value;
    if (find(name, kListDelimiters, value) != Lookup::Found) {
        return 0;
    }
    return parseDecimalInt(value);
}

void GameSettings::getIntArray(std::string_view name, std::span<int32_t> values) const {
    StringTokenizer tokens(getString(name), kListDelimiters);
    for (int32_t& value : values) {
        if (!tokens.hasMoreTokens()) {
            break;
        }
        value = parseDecimalInt(tokens.nextToken());
    }
}
