// DialogManager.h: the stack of open dialogs of one screen.
#pragma once

#include "Dialog.h"
#include "DialogDescription.h"
#include "DialogTemplates.h"
#include "engine/input/ksInputState.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class ksResources;

// Dialogs stack in the order they were added; only the top one runs, draws and takes input, and
// the ones under it show through its underlay. Every query about controls, hover and presses is
// about the top dialog and answers a neutral value (-1, 0.0, false, "") when there is none.
class DialogManager {
public:
    // Loads the nine templates by name.
    explicit DialogManager(ksResources& resources);
    explicit DialogManager(const DialogTemplates& templates);
    DialogManager(const DialogManager&) = delete;
    DialogManager& operator=(const DialogManager&) = delete;

    // Builds a dialog from the layout and puts it on top: over a black veil covering the screen, or
    // over the image of the dialog that was on top. Counts above DialogSpec::kMaxItems are cut to
    // it (with a log line). A layout without a canvas, or larger than the canvas, is refused with a
    // log line and false.
    bool addDialog(const DialogSpec& layout);

    // One frame of `seconds`: the result goes back to -1, the top dialog runs, and a dialog whose
    // fade-out ended gives its closing id as the result and is marked done.
    void update(float seconds);
    // Deletes the dialogs marked done.
    void removeDone();
    // The closing id of the dialog that finished in this frame's update; -1 otherwise.
    int32_t getResult() const { return m_result; }
    float getOpacity() const;
    // The id pressed in the top dialog's last frame, whether or not it closes the dialog.
    int32_t getPressedId() const;
    bool isOverControl() const;
    int getHoveredIndex() const;
    // The top dialog takes the button with this id as clicked in its next frame.
    void pressButton(int32_t id);
    // Enter or Space on a screen: what the top dialog's keyboard focus shows, or else the button
    // with this id (Dialog::pressFromKeys).
    void pressFromKeys(int32_t id);

    std::string_view getEntryText() const;
    void setEntryText(std::string_view text);
    int32_t getCheckboxState(int index) const;
    void setCheckboxState(int index, int32_t state);
    float getSliderValue(int index) const;
    void setSliderValue(int index, float fraction);

    // Paints the top dialog and the screen behind it again, in the background buffer and the
    // frame (for the screens' redraw).
    void repaint();
    // Deletes every dialog at once; the canvas is left as it is for the screen to redraw.
    void closeAll();
    // Deletes the top dialog at once, without a fade-out, putting back the screen it covered.
    void removeTop();

    int dialogCount() const { return static_cast<int>(m_dialogs.size()); }
    // The top dialog, or null.
    const Dialog* top() const;
    const DialogTemplates& templates() const { return m_templates; }

private:
    struct OpenDialog {
        std::unique_ptr<Dialog> dialog;
        bool done = false;
    };

    Dialog* topDialog();
    Dialog::ScreenPixels takeScreenBuffer();
    // Keeps the dialog's screen copies for the next dialog before it is deleted.
    void retire(OpenDialog& open);

    DialogTemplates m_templates;
    std::vector<OpenDialog> m_dialogs;
    // Screen copies of closed dialogs, so opening a dialog does not allocate them again.
    std::vector<Dialog::ScreenPixels> m_screenBuffers;
    ksInput m_input;
    int32_t m_result = -1;
};
