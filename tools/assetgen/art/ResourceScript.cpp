// ResourceScript.cpp: writes "resource.txt", the script that declares every resource by name.
#include "ResourceScript.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::string_view, 8> kKeywords = {"TEXT",  "IMAGE",  "FONT",      "SOUND",
                                                       "MUSIC", "CUSTOM", "setPixels", "setAlpha"};
constexpr std::size_t kMaxFileName = 127;

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

bool isScriptSeparator(char c) {
    switch (c) {
    case ' ':
    case '{':
    case '}':
    case '(':
    case ')':
    case ';':
    case ',':
    case '\f':
    case '\t':
    case '\n':
    case '\r':
        return true;
    default:
        return false;
    }
}

std::string_view keywordOf(ResourceKind kind) {
    switch (kind) {
    case ResourceKind::Text:
        return "TEXT";
    case ResourceKind::Image:
        return "IMAGE";
    case ResourceKind::Font:
        return "FONT";
    case ResourceKind::Sound:
        return "SOUND";
    case ResourceKind::Music:
        return "MUSIC";
    case ResourceKind::Custom:
        return "CUSTOM";
    }
    return "";
}

void ResourceScript::comment(std::string_view text) {
    m_text += "// ";
    m_text += text;
    m_text += '\n';
}

void ResourceScript::blankLine() {
    m_text += '\n';
}

void ResourceScript::music(std::string_view name, std::string_view file) {
    declare(ResourceKind::Music, name, {std::string(file)});
}

void ResourceScript::sound(std::string_view name, std::string_view file) {
    declare(ResourceKind::Sound, name, {std::string(file)});
}

void ResourceScript::text(std::string_view name, std::string_view file) {
    declare(ResourceKind::Text, name, {std::string(file)});
}

void ResourceScript::custom(std::string_view name, std::string_view file) {
    declare(ResourceKind::Custom, name, {std::string(file)});
}

void ResourceScript::image(std::string_view name, std::string_view picture, std::string_view mask) {
    std::vector<std::string> files{std::string(picture)};
    if (!mask.empty()) {
        files.emplace_back(mask);
    }
    declare(ResourceKind::Image, name, std::move(files));
}

void ResourceScript::blankImage(std::string_view name, int width, int height) {
    if (width < 1 || height < 1) {
        m_errors.push_back("blank image " + std::string(name) + " needs a size of at least 1 x 1");
        return;
    }
    declare(ResourceKind::Image, name, {}, std::to_string(width) + " " + std::to_string(height));
}

void ResourceScript::font(std::string_view name, std::string_view sheetImage, std::string_view tableFile) {
    declare(ResourceKind::Text, tableFile, {std::string(tableFile)});
    if (!checkName(sheetImage)) {
        return;
    }
    declare(ResourceKind::Font, name, {std::string(tableFile)}, sheetImage);
}

bool ResourceScript::checkName(std::string_view name) {
    const auto problem = [&](std::string_view why) {
        m_errors.push_back("entry name \"" + std::string(name) + "\" " + std::string(why));
        return false;
    };
    if (name.empty()) {
        return problem("is empty");
    }
    if (!isLetter(name.front())) {
        return problem("must start with a letter");
    }
    if (std::any_of(name.begin(), name.end(), [](char c) { return isScriptSeparator(c) || c == '"'; })) {
        return problem("contains a separator or a quote");
    }
    if (name.find("//") != std::string_view::npos) {
        return problem("contains \"//\", which starts a comment");
    }
    if (std::find(kKeywords.begin(), kKeywords.end(), name) != kKeywords.end()) {
        return problem("is a script keyword");
    }
    return true;
}

bool ResourceScript::checkFile(std::string_view file) {
    const auto problem = [&](std::string_view why) {
        m_errors.push_back("file name \"" + std::string(file) + "\" " + std::string(why));
        return false;
    };
    if (file.empty() || file.size() > kMaxFileName) {
        return problem("must be 1 to 127 characters long");
    }
    if (std::any_of(file.begin(), file.end(), [](char c) { return isScriptSeparator(c) || c == '"'; })) {
        return problem("contains a blank, a comma or another separator");
    }
    if (file.find("//") != std::string_view::npos) {
        return problem("contains \"//\", which starts a comment");
    }
    if (std::any_of(file.begin(), file.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) {
        return problem("has upper-case letters; the pack stores lower-case names");
    }
    return true;
}

void ResourceScript::declare(ResourceKind kind, std::string_view name, std::vector<std::string> files,
                             std::string_view extraTokens) {
    bool ok = checkName(name);
    for (const std::string& file : files) {
        ok = checkFile(file) && ok;
    }
    const bool duplicate = std::any_of(m_declarations.begin(), m_declarations.end(),
                                       [&](const Declaration& d) { return d.name == name; });
    if (duplicate) {
        m_errors.push_back("entry name \"" + std::string(name) + "\" is declared twice");
        ok = false;
    }
    if (!ok) {
        return;
    }
    std::string line(keywordOf(kind));
    line.resize(std::max<std::size_t>(line.size() + 1, 7), ' ');
    line += name;
    if (!extraTokens.empty()) {
        line += ' ';
        line += extraTokens;
    }
    for (const std::string& file : files) {
        line += " \"" + file + "\"";
    }
    m_text += line + '\n';
    m_declarations.push_back(Declaration{kind, std::string(name), std::move(files)});
}
