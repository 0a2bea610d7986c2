// DialogDescription.cpp: builders for the dialog descriptions the screens fill in.
#include "DialogDescription.h"

#include "engine/video/ksCanvas.h"

#include <utility>

DialogSpec centredDialog(ksCanvas& canvas, float veil, int32_t width, int32_t height, float fadeSpeed) {
    DialogSpec layout;
    layout.startOpacity = 0.0f;
    layout.fadeSpeed = fadeSpeed;
    layout.dimLevel = veil;
    layout.canvas = &canvas;
    layout.centreX = canvas.width() / 2;
    layout.centreY = canvas.height() / 2;
    layout.width = width;
    layout.height = height;
    layout.closeId = DialogSpec::kNoId;
    layout.defaultId = DialogSpec::kNoId;
    return layout;
}

void addButton(DialogSpec& layout, int32_t id, std::string caption, CentredRect rect) {
    if (layout.buttonCount < 0 || layout.buttonCount >= DialogSpec::kMaxItems) {
        return;
    }
    const auto i = static_cast<std::size_t>(layout.buttonCount++);
    layout.buttonIds[i] = id;
    layout.buttonCaptions[i] = std::move(caption);
    layout.buttonRects[i] = rect;
}

void addPictureButton(DialogSpec& layout, int32_t id, const ksImage* picture, const ksImage* hover,
                      DialogPoint centre) {
    const int32_t i = layout.buttonCount;
    addButton(layout, id, {}, CentredRect{centre.x, centre.y, 0, 0});
    if (layout.buttonCount > i) {
        layout.buttonPictures[static_cast<std::size_t>(i)] = picture;
        layout.buttonHoverPictures[static_cast<std::size_t>(i)] = hover;
    }
}
