// StringTokenizer.cpp: the engine's tokenizer over a copied text and a set of delimiter characters.
#include "StringTokenizer.h"

StringTokenizer::StringTokenizer(std::string_view text, std::string_view delimiters)
    : m_text(text)
    , m_delimiters(delimiters) {
    bool inToken = false;
    for (char c : m_text) {
        const bool delimiter = isDelimiter(c);
        if (!delimiter && !inToken) {
            ++m_count;
        }
        inToken = !delimiter;
    }
    m_remaining = m_count;
}

std::string StringTokenizer::nextToken() {
    if (m_remaining == 0) {
        return {};
    }
    while (m_position < m_text.size() && isDelimiter(m_text[m_position])) {
        ++m_position;
    }
    const std::size_t start = m_position;
    while (m_position < m_text.size() && !isDelimiter(m_text[m_position])) {
        ++m_position;
    }
    --m_remaining;
    return m_text.substr(start, m_position - start);
}
