// ResourceToken.cpp: one word of the resource script with the kind it was read as.
#include "ResourceToken.h"

#include "engine/core/Numbers.h"
#include "engine/core/ksLog.h"

#include <algorithm>

ResourceToken ResourceToken::classify(std::string text) {
    TokenKind kind = TokenKind::Number;
    if (!text.empty()) {
        const char first = text.front();
        if (first == '"') {
            kind = TokenKind::File;
        } else if ((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z')) {
            kind = TokenKind::String;
        }
    }
    return ResourceToken{std::move(text), kind};
}

std::optional<std::string> ResourceToken::fileName() const {
    if (text.size() < 2) {
        return std::string();
    }
    std::string name = text.substr(1, text.size() - 2);
    if (name.size() > kMaxFileName) {
        trace("ResourceToken::fileName - %.64s... is longer than %zu characters", name.c_str(), kMaxFileName);
        return std::nullopt;
    }
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

int32_t ResourceToken::number() const {
    return parseDecimalInt(text);
}

std::optional<std::string> firstFileName(std::span<const ResourceToken> tokens) {
    if (tokens.empty() || tokens.front().kind != TokenKind::File) {
        return std::nullopt;
    }
    return tokens.front().fileName();
}

std::string_view tokenKindLabel(TokenKind kind) {
    switch (kind) {
    case TokenKind::Number:
        return "Number ";
    case TokenKind::String:
        return "String ";
    case TokenKind::File:
        return "File   ";
    case TokenKind::Resource:
        return "Resource";
    }
    return "UNKNOWN ";
}
