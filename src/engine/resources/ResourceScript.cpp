// ResourceScript.cpp: reading the resource script into entries, and writing what was understood.
#include "ResourceScript.h"

#include "ResourceType.h"
#include "engine/core/StringTokenizer.h"

#include <unordered_set>

namespace ResourceScript {

void blankComments(std::string& text) {
    bool inComment = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || text[i] == '\r') {
            inComment = false;
        } else if (!inComment && text[i] == '/' && i + 1 < text.size() && text[i + 1] == '/') {
            inComment = true;
        }
        if (inComment) {
            text[i] = ' ';
        }
    }
}

namespace {

void resolveReferences(std::vector<ResourceEntry>& entries) {
    std::unordered_set<std::string_view> names;
    for (const ResourceEntry& entry : entries) {
        names.insert(entry.name);
    }
    auto resolve = [&names](ResourceToken& token) {
        if (token.kind == TokenKind::String && names.contains(token.text)) {
            token.kind = TokenKind::Resource;
        }
    };
    for (ResourceEntry& entry : entries) {
        for (ResourceToken& parameter : entry.parameters) {
            resolve(parameter);
        }
        for (ScriptCall& call : entry.calls) {
            for (ResourceToken& argument : call.arguments) {
                resolve(argument);
            }
        }
    }
}

} // namespace

std::vector<ResourceEntry> parse(std::string_view text, const Vocabulary& vocabulary) {
    std::string script(text.substr(0, text.find('\0')));
    blankComments(script);
    StringTokenizer words(script, kSeparators);

    std::vector<ResourceEntry> entries;
    bool inEntry = false;
    bool inCall = false;
    while (words.hasMoreTokens()) {
        std::string word = words.nextToken();
        if (ResourceType* type = vocabulary.findType(word)) {
            if (!words.hasMoreTokens()) {
                break;
            }
            ResourceEntry& entry = entries.emplace_back();
            entry.type = type;
            entry.name = words.nextToken();
            inEntry = true;
            inCall = false;
        } else if (!inEntry) {
            continue;
        } else if (ScriptCommand* command = vocabulary.findCommand(word)) {
            entries.back().calls.push_back(ScriptCall{command, {}});
            inCall = true;
        } else if (inCall) {
            entries.back().calls.back().arguments.push_back(ResourceToken::classify(std::move(word)));
        } else {
            entries.back().parameters.push_back(ResourceToken::classify(std::move(word)));
        }
    }
    resolveReferences(entries);
    return entries;
}

std::string dump(const std::vector<ResourceEntry>& entries) {
    std::string out;
    auto tokenLine = [&out](std::string_view prefix, const ResourceToken& token) {
        out += prefix;
        out += '(';
        out += tokenKindLabel(token.kind);
        out += ")\t ";
        out += token.text;
        out += '\n';
    };
    for (const ResourceEntry& entry : entries) {
        out += '(' + entry.type->keyword() + ") \t" + entry.name + '\n';
        out += "------------------------------------------------\n";
        for (const ResourceToken& parameter : entry.parameters) {
            tokenLine("", parameter);
        }
        for (const ScriptCall& call : entry.calls) {
            out += "(SCRIPT )\t " + call.command->keyword() + '\n';
            for (const ResourceToken& argument : call.arguments) {
                tokenLine("\t", argument);
            }
        }
        out += "\n\n";
    }
    return out;
}

} // namespace ResourceScript
