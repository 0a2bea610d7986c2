// ScriptReader.h: reads "resource.txt" the way the game does, for checks and reviews.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class TokenKind { Number, String, File, Resource };

struct ScriptToken {
    TokenKind kind;
    std::string text; // as written, quotes included
    // A File token's name without its quotes.
    std::string fileName() const {
        return text.size() >= 2 ? text.substr(1, text.size() - 2) : std::string();
    }
};

struct ScriptCall {
    std::string command;
    std::vector<ScriptToken> arguments;
};

struct ScriptEntry {
    std::string keyword; // TEXT, IMAGE, FONT, SOUND, MUSIC or CUSTOM
    std::string name;
    std::vector<ScriptToken> parameters;
    std::vector<ScriptCall> calls;
};

// Blanks out "//" comments, splits at the script's separators, groups tokens into entries and
// calls, and turns Strings that name an entry into Resources.
std::vector<ScriptEntry> readScript(std::string_view text);
