// StringTokenizer.h: the engine's tokenizer over a copied text and a set of delimiter characters.
#pragma once

#include <string>
#include <string_view>

// A token is a maximal run of characters none of which is a delimiter; runs of delimiters of any
// length separate tokens, and leading or trailing delimiters make no empty tokens. Blanks and tabs
// are ordinary characters unless they are delimiters. With no delimiters a non-empty text is one
// token. The text and the delimiters are copied, so the tokenizer outlives its arguments.
class StringTokenizer {
public:
    StringTokenizer(std::string_view text, std::string_view delimiters);

    // The number of tokens in the whole text, counted at construction.
    int countTokens() const { return m_count; }
    bool hasMoreTokens() const { return m_remaining > 0; }
    // The next token; an empty string once none remain.
    std::string nextToken();

private:
    bool isDelimiter(char c) const { return m_delimiters.find(c) != std::string::npos; }

    std::string m_text;
    std::string m_delimiters;
    std::size_t m_position = 0;
    int m_count = 0;
    int m_remaining = 0;
};
