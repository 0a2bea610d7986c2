// ResourceToken.h: one word of the resource script with the kind it was read as.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The values are the ones the dump and the script's users know the kinds by.
enum class TokenKind : int {
    Number = 0,   // the first character is neither a double quote nor a letter
    String = 1,   // the first character is a letter
    File = 2,     // the first character is a double quote
    Resource = 3, // a String equal to the name of any entry of the script
};

struct ResourceToken {
    std::string text; // as written, quotes included
    TokenKind kind = TokenKind::Number;

    // Reads a token's kind from its first character; Resource is only decided after parsing.
    static ResourceToken classify(std::string text);

    // The file name of a File token: the text without its first and last character, with "\"
    // turned into "/". Too short a token gives an empty name; a name longer than kMaxFileName is
    // refused with one trace line.
    std::optional<std::string> fileName() const;
    // The token read as a decimal integer (clamped to int32; no digits give 0).
    int32_t number() const;

    bool isImageReference() const { return kind == TokenKind::File || kind == TokenKind::Resource; }

    static constexpr std::size_t kMaxFileName = 127;
};

// The file name of the first token when it is a File token; nothing otherwise (or when the name
// is refused as too long).
std::optional<std::string> firstFileName(std::span<const ResourceToken> tokens);

// The kind's label in the dump, padded as the dump lays it out ("UNKNOWN " for other values).
std::string_view tokenKindLabel(TokenKind kind);
