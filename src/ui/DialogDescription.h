// DialogDescription.h: the description of a dialog box that a screen fills in and then opens.
#pragma once

#include <array>
#include <cstdint>
#include <string>

class ksCanvas;
class ksFont;
class ksImage;

// A rectangle given by its centre; relative to the dialog's top-left corner.
struct CentredRect {
    int32_t centreX = 0;
    int32_t centreY = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// A rectangle given by its top-left corner; relative to the dialog's top-left corner.
struct CornerRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
};

struct DialogPoint {
    int32_t x = 0;
    int32_t y = 0;
};

enum CheckboxState : int32_t { kCheckboxEmpty = 0, kCheckboxTicked = 1, kCheckboxFixed = 2 };

// Everything starts at zero, empty or none; a screen sets what its dialog needs and the dialog
// copies the whole description when it opens. Coordinates are pixels relative to the dialog's
// top-left corner, except the dialog's own centre, which is on the screen.
struct DialogSpec {
    // Every list holds this many entries; larger counts are cut to it.
    static constexpr int kMaxItems = 10;
    // A button with this id reports "no button".
    static constexpr int32_t kNoId = -1;

    float startOpacity = 0.0f;
    // Opacity gained per second while fading in; fading out loses it at the same rate.
    float fadeSpeed = 0.0f;
    // Opacity of the veil behind the dialog once the dialog is fully shown.
    float dimLevel = 0.0f;

    ksCanvas* canvas = nullptr;
    // A missing font draws nothing. Without a title font the dialog has neither title nor message.
    ksFont* entryFont = nullptr;
    ksFont* titleFont = nullptr;
    ksFont* messageFont = nullptr;
    ksFont* buttonFont = nullptr;
    // Also sets the height of the tab row.
    ksFont* tabFont = nullptr;

    // Drawn centred in the dialog over its background frame, under everything else. Not part of
    // the game's shared dialogs; the puzzle selector shows its picture this way.
    const ksImage* backgroundPicture = nullptr;

    std::string title;
    // "\n" starts a new line.
    std::string message;
    // The title (with its rule lines) and the message are placeholders under a picture the screen
    // draws over the dialog: they are not drawn at all, so nothing of them shows through while
    // the dialog and the picture fade.
    bool hideTexts = false;

    // A button with an empty caption shows its picture, centred on its point at the picture's
    // size, and its hover picture while the pointer is over it.
    std::array<const ksImage*, kMaxItems> buttonPictures{};
    std::array<const ksImage*, kMaxItems> buttonHoverPictures{};
    int32_t buttonCount = 0;
    std::array<std::string, kMaxItems> buttonCaptions;
    std::array<CentredRect, kMaxItems> buttonRects{};

    // Each field gets its frame; the one entry text shows in the last field.
    int32_t entryCount = 0;
    std::array<CentredRect, kMaxItems> entryRects{};

    int32_t centreX = 0;
    int32_t centreY = 0;
    int32_t width = 0;
    int32_t height = 0;

    int32_t tabCount = 0;
    std::array<std::string, kMaxItems> tabCaptions;
    // The panel under the tab row.
    CentredRect tabPanel{};

    int32_t checkboxCount = 0;
    // The centre of each box.
    std::array<DialogPoint, kMaxItems> checkboxPositions{};
    // CheckboxState values; a fixed box is shown but cannot be clicked.
    std::array<int32_t, kMaxItems> checkboxStates{};

    // Knob pictures side by side in the knob template; slider i shows picture i modulo this.
    int32_t knobFrames = 0;
    int32_t sliderCount = 0;
    std::array<CornerRect, kMaxItems> sliderRects{};

    // The button id that closes the dialog; kNoId: every button closes it. A button that does not
    // close is only reported as pressed for one frame.
    int32_t closeId = 0;
    std::array<int32_t, kMaxItems> buttonIds{};
    // Outlined as the default; Enter closes a dialog with an entry field with this id. kNoId: none.
    int32_t defaultId = 0;
};

// A dialog `width` x `height` in the middle of `canvas`, fading in from nothing at `fadeSpeed`
// opacity per second over a veil of `veil`; every button closes it and none is the default.
// The caller adds fonts, texts and controls.
DialogSpec centredDialog(ksCanvas& canvas, float veil, int32_t width, int32_t height, float fadeSpeed = 4.0f);

// Append a button after the ones already listed; a full list stays as it is.
void addButton(DialogSpec& layout, int32_t id, std::string caption, CentredRect rect);
// A button shown as `picture` (and `hover` under the pointer) centred on `centre`.
void addPictureButton(DialogSpec& layout, int32_t id, const ksImage* picture, const ksImage* hover,
                      DialogPoint centre);
