// Dialog.h: one open dialog: its composed picture, its controls and its fade.
#pragma once

#include "DialogDescription.h"
#include "EntryField.h"
#include "FocusCycle.h"
#include "TabRow.h"
#include "engine/core/ScreenRect.h"
#include "engine/video/ksImage.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

class ksCanvas;
class ksInput;
struct DialogTemplates;

// Built from a layout that fits the canvas (DialogManager checks it). Everything static (frame,
// title, rules, message, button faces, field frames, tabs, boxes, tracks) is composed once into
// the dialog's image. The dialog fades in over a veil, becomes interactive once fully shown, and
// after a closing press fades out, puts the screen back as it found it and reports the closing
// button's id as its result.
//
// While fully shown, the veil and the image live in the canvas's background buffer and a frame
// draws only the live parts: hover faces, captions over them, ticked boxes, knobs, the entry text
// and its caret.
class Dialog {
public:
    static constexpr int kMaxItems = DialogSpec::kMaxItems;
    // Clicking tab i reports this plus i as the pressed id.
    static constexpr int32_t kTabIdBase = 1000;
    // A copy of a whole canvas buffer.
    using ScreenPixels = std::vector<uint32_t>;

    // Composes the image and the hover faces in the canvas's spare buffer. The counts of `layout`
    // must be within 0 ... kMaxItems and knobFrames at least 1.
    Dialog(const DialogSpec& layout, const DialogTemplates& templates);
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // What the dialog draws behind itself: `image` (the dialog under it) at `rect`, or a black
    // veil over `rect` when there is no image. Both are drawn at the opacity times dimLevel.
    void setUnderlay(const ScreenRect& rect, const ksImage* image);
    // Keeps the background buffer as the screen to restore when the dialog has faded out, then
    // copies the frame into the background buffer and keeps that as the screen behind the veil.
    // The two buffers are used for the copies; buffers that already have room are not grown.
    void captureScreen(ScreenPixels before, ScreenPixels behind);
    // Hands the two screen copies over for a later dialog; the dialog cannot restore the screen
    // afterwards.
    void releaseScreen(std::vector<ScreenPixels>& pool);

    // One frame of the top dialog: fade, draw, and while interactive answer the pointer and keys.
    void runFrame(float seconds, const ksInput& input);
    // Puts the screen behind the dialog back into the background buffer, with the veil and the
    // image when the dialog is fully shown, copies it to the frame, and draws the live parts at
    // the current opacity. Reads the pointer only to show the hover; acts on nothing.
    void repaint(const ksInput& input);
    // Puts back the screen as it was before the dialog opened, in the background buffer and the
    // frame, without a fade-out.
    void restoreScreen();
    // Makes the button with this id count as clicked in the next frame.
    // The button is pressed in the dialog's next frame.
    void pressButton(int32_t id);
    // Enter or Space on the screen: the control the keyboard focus shows, once the player has
    // shown it (a button is pressed, a checkbox ticked, a tab chosen); otherwise pressButton(id).
    void pressFromKeys(int32_t id);

    bool isInteractive() const { return m_phase == Phase::Shown; }
    bool isFinished() const { return m_phase == Phase::Finished; }
    float opacity() const { return m_opacity; }
    // The closing id once the fade-out has ended; -1 before.
    int32_t result() const { return m_resultId; }
    int32_t pressedId() const { return m_pressedId; }
    int hoveredIndex() const { return m_hoveredIndex; }
    bool isOverControl() const { return m_overControl; }

    std::string_view entryText() const { return m_entry.text(); }
    void setEntryText(std::string_view text) { m_entry.setText(text); }
    // -1 for an index outside the dialog's boxes.
    int32_t checkboxState(int index) const;
    void setCheckboxState(int index, int32_t state);
    // Knob position as a fraction of the track; 0.0 for an index outside the sliders or a track
    // without width.
    float sliderValue(int index) const;
    // Clamped to 0.0 ... 1.0.
    void setSliderValue(int index, float fraction);
    int selectedTab() const { return m_selectedTab; }

    const ksImage& image() const { return m_image; }
    // What a dialog opened on top of this one shows behind itself: this dialog's image.
    const ksImage& underlayImage() const { return m_image; }
    // Where the image is on the screen.
    const ScreenRect& screenRect() const { return m_screenRect; }
    const DialogSpec& layout() const { return m_spec; }

private:
    enum class Phase { FadingIn, Shown, FadingOut, Finished };

    struct Button {
        ScreenRect rect; // relative to the dialog
        bool hasCaption = false;
        // The hovered face of a caption button, for the part of the button inside the dialog.
        std::optional<ksImage> hoverFace;
        ScreenRect hoverFaceRect;
    };

    // Building, in DialogCompose.cpp.
    void layOut();
    void compose();
    // Gives the composed picture the rounded corners of the box template.
    void cutRoundCorners();
    void composeHoverFaces();

    // Frames, in Dialog.cpp.
    void advanceFade(float seconds);
    void drawVeilAndImage(float opacity) const;
    void showInBackground();
    void drawControlStates();
    void drawEntryText(bool withCaret) const;
    void handleKeys(const ksInput& input);
    void handleSliders(const ksInput& input);
    void handleCheckboxes(const ksInput& input);
    void handleTabs(const ksInput& input);
    // Hover for every button; presses only when `act` is set.
    void handleButtons(const ksInput& input, bool act);
    void drawHover(int index) const;
    // The keyboard focus: buttons first, then checkboxes, then tabs.
    int focusItemCount() const;
    ScreenRect focusItemRect(int item) const;
    void pressFocused();
    void selectTab(int tab);
    void startClosing(int32_t id);
    void markWholeScreen() const;
    int knobWidth() const;
    ScreenRect sliderGrip(int index) const;

    DialogSpec m_spec;
    const DialogTemplates& m_templates;
    ksCanvas& m_canvas;
    ScreenRect m_screenRect;

    ksImage m_image;
    std::array<Button, kMaxItems> m_buttons;
    std::array<ScreenRect, kMaxItems> m_entryRects;
    std::array<ScreenRect, kMaxItems> m_checkboxRects;
    std::array<ScreenRect, kMaxItems> m_sliderTracks;
    TabRow m_tabs;
    int m_selectedTab = 0;
    int m_lowestControlTop = 0;

    ScreenPixels m_screenBefore; // the background buffer before the dialog opened
    ScreenPixels m_screenBehind; // the frame when it opened: what the veil covers
    ScreenRect m_underlayRect;
    const ksImage* m_underlayImage = nullptr;

    Phase m_phase = Phase::FadingIn;
    float m_opacity = 0.0f;
    float m_fadeSpeed = 0.0f;
    bool m_inBackground = false;

    EntryField m_entry;
    CaretBlink m_caret;
    std::array<float, kMaxItems> m_sliderValues{};
    std::array<bool, kMaxItems> m_sliderDragged{};
    std::array<int32_t, kMaxItems> m_checkboxStates{};

    int32_t m_pressedId = -1;
    int m_hoveredIndex = -1;
    bool m_overControl = false;
    int32_t m_keyPressedId = -1;
    FocusCycle m_focus;
    int m_keyTab = -1;
    int32_t m_closingId = -1;
    int32_t m_resultId = -1;
};
