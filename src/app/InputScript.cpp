// InputScript.cpp: scripted input for tests and demonstrations, one event per line.
#include "InputScript.h"

#include "engine/core/FileIo.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace {

struct NamedKey {
    const char* name;
    bool character; // typed as a character rather than pressed as a virtual key
    int code;
};

constexpr NamedKey kKeys[] = {
    {"Enter", true, 13},     {"Return", true, 13}, {"Escape", true, 27}, {"Backspace", true, 8},
    {"Tab", true, 9},        {"Space", true, 32},  {"Pause", false, 19}, {"PageUp", false, 33},
    {"PageDown", false, 34}, {"End", false, 35},   {"Home", false, 36},  {"Left", false, 37},
    {"Up", false, 38},       {"Right", false, 39}, {"Down", false, 40},  {"Insert", false, 45},
    {"Delete", false, 46},   {"Shift", false, 16}, {"Ctrl", false, 17},  {"Alt", false, 18},
};

std::optional<NamedKey> findKey(const std::string& name) {
    for (const NamedKey& key : kKeys) {
        if (name == key.name) {
            return key;
        }
    }
    int number = 0;
    if (name.size() >= 2 && name[0] == 'F' &&
        std::from_chars(name.data() + 1, name.data() + name.size(), number).ptr ==
            name.data() + name.size() &&
        number >= 1 && number <= 12) {
        return NamedKey{"F", false, 111 + number};
    }
    return std::nullopt;
}

std::optional<int> buttonIndex(const std::string& word) {
    if (word == "left") {
        return 0;
    }
    if (word == "right") {
        return 1;
    }
    return std::nullopt;
}

} // namespace

std::optional<InputScript> InputScript::parse(const std::string& text, std::string& error) {
    InputScript script;
    std::istringstream lines(text);
    std::string line;
    for (int lineNumber = 1; std::getline(lines, line); ++lineNumber) {
        if (const std::size_t hash = line.find('#'); hash != std::string::npos) {
            line.erase(hash);
        }
        std::istringstream words(line);
        std::string frameText, event;
        if (!(words >> frameText)) {
            continue;
        }
        auto fail = [&](const std::string& why) {
            error = "script line " + std::to_string(lineNumber) + ": " + why;
            return std::nullopt;
        };
        int64_t frame = 0;
        const auto parsed = std::from_chars(frameText.data(), frameText.data() + frameText.size(), frame);
        if (parsed.ec != std::errc() || parsed.ptr != frameText.data() + frameText.size() || frame < 0) {
            return fail("'" + frameText + "' is not a frame number");
        }
        if (!(words >> event)) {
            return fail("an event must follow the frame number");
        }
        auto add = [&](int64_t at, const InputEvent& e) {
            script.m_steps.push_back({at, ScriptStep::Kind::Event, e, {}});
        };
        std::string a, b;
        if (event == "move") {
            float x = 0, y = 0;
            if (!(words >> x >> y)) {
                return fail("move needs X and Y");
            }
            add(frame, InputEvent::pointerMove(x, y));
        } else if (event == "down" || event == "up") {
            words >> a;
            const auto button = buttonIndex(a);
            if (!button) {
                return fail(event + " needs left or right");
            }
            add(frame, InputEvent::button(*button, event == "down"));
        } else if (event == "key") {
            words >> a;
            const auto key = findKey(a);
            if (!key) {
                return fail("unknown key '" + a + "'");
            }
            if (key->character) {
                add(frame, InputEvent::character(key->code));
            } else {
                add(frame, InputEvent::key(key->code, true));
                add(frame + 1, InputEvent::key(key->code, false));
            }
        } else if (event == "type") {
            std::getline(words, a);
            const std::size_t start = a.find_first_not_of(" \t");
            a = start == std::string::npos ? "" : a.substr(start);
            for (std::size_t i = 0; i < a.size(); ++i) {
                int c = static_cast<unsigned char>(a[i]);
                if (c == '\\' && i + 1 < a.size()) {
                    const char next = a[++i];
                    c = next == 'r' ? 13 : next == 's' ? 32 : next == '\\' ? '\\' : -1;
                    if (c < 0) {
                        return fail(std::string("unknown escape \\") + next);
                    }
                }
                add(frame, InputEvent::character(c));
            }
        } else if (event == "focus") {
            words >> a;
            if (a != "lost" && a != "gained") {
                return fail("focus needs lost or gained");
            }
            add(frame, InputEvent::simple(a == "lost" ? InputEvent::Kind::FocusLost
                                                      : InputEvent::Kind::FocusGained));
        } else if (event == "shot") {
            words >> a;
            if (a.empty()) {
                return fail("shot needs a file name");
            }
            script.m_steps.push_back({frame, ScriptStep::Kind::Shot, {}, a});
        } else if (event == "quit") {
            add(frame, InputEvent::simple(InputEvent::Kind::Quit));
        } else {
            return fail("unknown event '" + event + "'");
        }
        if (words >> b && event != "type") {
            return fail("unexpected '" + b + "'");
        }
    }
    std::stable_sort(script.m_steps.begin(), script.m_steps.end(),
                     [](const ScriptStep& x, const ScriptStep& y) { return x.frame < y.frame; });
    return script;
}

std::optional<InputScript> InputScript::load(const std::filesystem::path& file, std::string& error) {
    const auto bytes = readFileBytes(file, 16 << 20);
    if (!bytes) {
        error = "cannot read script " + file.string();
        return std::nullopt;
    }
    return parse(std::string(bytes->begin(), bytes->end()), error);
}
