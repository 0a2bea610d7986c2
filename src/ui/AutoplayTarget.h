// AutoplayTarget.h: what a screen tells the built-in player about the move it would make now.
#pragma once

#include <optional>
#include <string_view>

struct AutoplayPoint {
    int x = 0;
    int y = 0;
};

// What a player would do on the screen in this frame, as the screen sees it.
struct AutoplayView {
    enum class Dialog {
        None,  // no dialog takes input now
        Enter, // a dialog waits for its default button: Enter (or typing into its field first)
        Click, // a dialog that only a click answers (the pause box)
    };
    Dialog dialog = Dialog::None;
    // The dialog has a name field holding this text.
    bool hasEntry = false;
    std::string_view entryText;
    // With no dialog up and the game waiting for a move: where to click.
    std::optional<AutoplayPoint> click;
};

// Implemented by the screens the built-in player can play; asked once per main-loop pass.
class AutoplayTarget {
public:
    virtual AutoplayView autoplayView() = 0;

protected:
    ~AutoplayTarget() = default;
};
