// ResourceScript.h: writes "resource.txt", the script that declares every resource by name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class ResourceKind { Text, Image, Font, Sound, Music, Custom };

// The script keyword of a kind ("TEXT", "IMAGE", ...).
std::string_view keywordOf(ResourceKind kind);

struct Declaration {
    ResourceKind kind;
    std::string name;
    std::vector<std::string> files; // File parameters in order, without quotes
};

// Builds the script text entry by entry and refuses what the game's script reader would
// misread: names or file names with separators, "//" (which starts a comment even inside
// quotes), file names over 127 characters or with upper-case letters (the pack stores lower
// case), names that are keywords, and duplicate names.
class ResourceScript {
public:
    void comment(std::string_view text);
    void blankLine();

    void music(std::string_view name, std::string_view file);
    void sound(std::string_view name, std::string_view file);
    void text(std::string_view name, std::string_view file);
    void custom(std::string_view name, std::string_view file);
    // An image from a picture, with an optional mask whose blue byte becomes the alpha.
    void image(std::string_view name, std::string_view picture, std::string_view mask = {});
    // A blank width x height image, made by the game rather than read from a file.
    void blankImage(std::string_view name, int width, int height);
    // A font from the IMAGE entry of its glyph sheet and its glyph table. The table is also
    // declared as a TEXT entry named after its file, so that both ways of reading the second
    // parameter (a file, or the TEXT entry of that name) find the same table.
    void font(std::string_view name, std::string_view sheetImage, std::string_view tableFile);

    const std::string& str() const { return m_text; }
    const std::vector<Declaration>& declarations() const { return m_declarations; }
    // Empty when every entry was acceptable; otherwise one line per problem.
    const std::vector<std::string>& errors() const { return m_errors; }

private:
    void declare(ResourceKind kind, std::string_view name, std::vector<std::string> files,
                 std::string_view extraTokens = {});
    bool checkName(std::string_view name);
    bool checkFile(std::string_view file);

    std::string m_text;
    std::vector<Declaration> m_declarations;
    std::vector<std::string> m_errors;
};

// True for characters the script reader treats as token separators.
bool isScriptSeparator(char c);
