// InputScript.h: scripted input for tests and demonstrations, one event per line.
#pragma once

#include "engine/input/InputEvent.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// A script line is "FRAME EVENT ARGS"; '#' starts a comment. Events:
//   move X Y            the pointer moves to game coordinates (X, Y)
//   down left|right     a button goes down; up left|right: it goes up
//   key NAME            press and release of a key that types nothing (F1..F12, Left, Home, ...)
//                       or of Enter, Escape, Backspace, Tab, Space
//   type TEXT           characters; \r is Enter, \s a space, \\ a backslash
//   focus lost|gained   the window loses or regains the focus
//   shot FILE.png       save the picture shown after this frame
//   quit                the window is closed
struct ScriptStep {
    int64_t frame = 0;
    enum class Kind { Event, Shot } kind = Kind::Event;
    InputEvent event;
    std::filesystem::path shotFile;
};

class InputScript {
public:
    // Parses the whole text; on a bad line answers nothing and `error` names the line.
    static std::optional<InputScript> parse(const std::string& text, std::string& error);
    static std::optional<InputScript> load(const std::filesystem::path& file, std::string& error);

    // The steps in frame order (stable for steps of one frame).
    const std::vector<ScriptStep>& steps() const { return m_steps; }

private:
    std::vector<ScriptStep> m_steps;
};
