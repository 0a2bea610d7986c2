// DialogBox.h: a dialog a screen keeps for its whole life and opens when it needs it.
#pragma once

#include "DialogDescription.h"

#include <cstdint>

class DialogManager;
class GameScreen;
class ksInput;
class ksTimer;

// The screen fills the layout (once, or again before each open), opens the box, and then in every
// frame calls update, reads getResult and, when it is 0 or more, calls close.
class DialogBox {
public:
    DialogBox(DialogManager& manager, GameScreen& owner, const ksTimer& timer);
    virtual ~DialogBox() = default;
    DialogBox(const DialogBox&) = delete;
    DialogBox& operator=(const DialogBox&) = delete;

    // Unless the box is open: has the owner draw itself, copies the frame into the background
    // buffer and adds the dialog to the manager. A layout the manager refuses leaves the box closed.
    virtual void open();
    // Has the owner redraw itself, removes finished dialogs and marks the box closed. The result
    // stays readable for the rest of the frame.
    virtual void close();
    virtual bool isOpen() const { return m_open; }
    // True while the pointer is over the top dialog's button of this index.
    virtual bool isButtonHovered(int index) const;
    // Runs the manager for the application timer's frame time and keeps the top dialog's opacity
    // and the manager's result; finished dialogs are removed.
    virtual void update();
    // One frame of an open box: update, then Enter or Space typed in `input` presses the button
    // `confirmId` (none when it is DialogSpec::kNoId); answers getResult. The caller acts on the
    // result (closing the box) and then clears the input the box used.
    int32_t runFrame(const ksInput& input, int32_t confirmId);

    // The id of the button that closed the dialog, in the one frame in which its fade-out ended;
    // -1 in every other frame.
    int32_t getResult() const { return m_result; }
    // The top dialog's opacity at the last update.
    float getOpacity() const { return m_opacity; }

    DialogSpec& layout() { return m_spec; }
    const DialogSpec& layout() const { return m_spec; }

private:
    DialogSpec m_spec;
    DialogManager& m_manager;
    GameScreen& m_owner;
    const ksTimer& m_timer;
    bool m_open = false;
    float m_opacity = 0.0f;
    int32_t m_result = -1;
};
