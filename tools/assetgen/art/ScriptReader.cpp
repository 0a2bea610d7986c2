// ScriptReader.cpp: reads "resource.txt" the way the game does, for checks and reviews.
#include "ScriptReader.h"

#include "ResourceScript.h"

#include <algorithm>
#include <array>
#include <set>

namespace {

constexpr std::array<std::string_view, 6> kTypes = {"TEXT", "IMAGE", "FONT", "SOUND", "MUSIC", "CUSTOM"};
constexpr std::array<std::string_view, 2> kCommands = {"setPixels", "setAlpha"};

bool isType(std::string_view token) {
    return std::find(kTypes.begin(), kTypes.end(), token) != kTypes.end();
}
bool isCommand(std::string_view token) {
    return std::find(kCommands.begin(), kCommands.end(), token) != kCommands.end();
}

TokenKind kindOf(std::string_view token) {
    if (token.front() == '"') {
        return TokenKind::File;
    }
    const char c = token.front();
    return ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) ? TokenKind::String : TokenKind::Number;
}

} // namespace

std::vector<ScriptEntry> readScript(std::string_view text) {
    std::string blanked(text);
    for (std::size_t pos = blanked.find("//"); pos != std::string::npos; pos = blanked.find("//", pos)) {
        while (pos < blanked.size() && blanked[pos] != '\n' && blanked[pos] != '\r') {
            blanked[pos++] = ' ';
        }
    }
    std::vector<std::string> tokens;
    std::string current;
    for (char c : blanked) {
        if (isScriptSeparator(c)) {
            if (!current.empty()) {
                tokens.push_back(std::move(current));
                current.clear();
            }
        } else {
            current += c;
        }
    }
    if (!current.empty()) {
        tokens.push_back(std::move(current));
    }

    std::vector<ScriptEntry> entries;
    bool inEntry = false;
    bool inCall = false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::string& token = tokens[i];
        if (isType(token)) {
            if (i + 1 >= tokens.size()) {
                break;
            }
            entries.push_back(ScriptEntry{token, tokens[++i], {}, {}});
            inEntry = true;
            inCall = false;
        } else if (!inEntry) {
            continue;
        } else if (isCommand(token)) {
            entries.back().calls.push_back(ScriptCall{token, {}});
            inCall = true;
        } else if (inCall) {
            entries.back().calls.back().arguments.push_back(ScriptToken{kindOf(token), token});
        } else {
            entries.back().parameters.push_back(ScriptToken{kindOf(token), token});
        }
    }
    std::set<std::string> names;
    for (const ScriptEntry& entry : entries) {
        names.insert(entry.name);
    }
    auto resolve = [&names](ScriptToken& token) {
        if (token.kind == TokenKind::String && names.count(token.text) != 0) {
            token.kind = TokenKind::Resource;
        }
    };
    for (ScriptEntry& entry : entries) {
        std::for_each(entry.parameters.begin(), entry.parameters.end(), resolve);
        for (ScriptCall& call : entry.calls) {
            std::for_each(call.arguments.begin(), call.arguments.end(), resolve);
        }
    }
    return entries;
}
