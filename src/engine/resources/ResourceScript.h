// ResourceScript.h: reading the resource script into entries, and writing what was understood.
#pragma once

#include "ResourceEntry.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The script is a flat list of words: a type keyword starts an entry and the next word is its
// name; the words after it are parameters, up to the first command keyword, after which they are
// that command's arguments until the next command or entry. Braces, parentheses, commas,
// semicolons and white space only separate words; "//" starts a comment up to the end of the line,
// even inside a quoted file name.
namespace ResourceScript {

// The characters that separate words.
inline constexpr std::string_view kSeparators = " {}();,\f\t\n\r";

// Replaces every "//" and the rest of its line with blanks.
void blankComments(std::string& text);

// Everything the parser needs to know about the registered keywords.
struct Vocabulary {
    std::function<ResourceType*(std::string_view)> findType;
    std::function<ScriptCommand*(std::string_view)> findCommand;
};

// Reads the entries of a script text (up to its first zero byte, like the C string it was),
// with comments blanked and String tokens that name any entry turned into Resource tokens.
// A keyword with no name after it ends the script without making an entry.
std::vector<ResourceEntry> parse(std::string_view text, const Vocabulary& vocabulary);

// The readable account of the entries written to "parsed.txt".
std::string dump(const std::vector<ResourceEntry>& entries);

} // namespace ResourceScript
