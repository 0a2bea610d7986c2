// FakeSettings.h: tuning values for rules tests, written as "name=value" words.
#pragma once

#include "engine/store/GameSettings.h"
#include "game/rules/TuningLookup.h"

#include <sstream>
#include <string>
#include <string_view>

// Tuning values in the settings-text form the game reads, given as "name=value" words.
class FakeSettings final : public TuningLookup {
public:
    void getIntArray(const char* name, std::span<int32_t> out) const override {
        m_text.getIntArray(name, out);
    }
    std::string getString(const char* name) const override { return m_text.getString(name); }
    // The first entry of a name wins, so words set later replace earlier ones.
    void set(std::string_view words) {
        std::string text;
        std::istringstream in{std::string(words)};
        for (std::string word; in >> word;) {
            const std::size_t equals = word.find('=');
            text += word.substr(0, equals + 1) + "\n" + word.substr(equals + 1) + "\n";
        }
        m_text.setGameSettings(text + m_text.text());
    }

private:
    GameSettings m_text;
};
