// DialogLayout.cpp: where a dialog's parts go, as plain arithmetic over its description.
#include "DialogLayout.h"

#include "engine/video/ksCanvas.h"

#include <algorithm>

namespace dialoglayout {

ScreenRect fromCentre(const CentredRect& r) {
    return ScreenRect::fromPositionSize(r.centreX - r.width / 2, r.centreY - r.height / 2, r.width, r.height);
}

ScreenRect captionButtonRect(const CentredRect& r) {
    CentredRect taller = r;
    taller.height += kCaptionButtonExtraHeight;
    return fromCentre(taller);
}

ScreenRect pictureButtonRect(const CentredRect& r, int pictureWidth, int pictureHeight) {
    return fromCentre(CentredRect{r.centreX, r.centreY, pictureWidth, pictureHeight});
}

ScreenRect fromCorner(const CornerRect& r) {
    return ScreenRect::fromPositionSize(r.left, r.top, r.width, r.height);
}

int titleRuleY(int titleHeight) {
    return titleHeight / 2 + 33;
}

int firstMessageLineY(int titleHeight, int messageHeight, int lowestControlTop, int lineCount) {
    const int t = titleHeight, m = messageHeight, b = lowestControlTop;
    if (lineCount <= 1) {
        return (b - t / 2 - 30) / 2 + t / 2 + 30;
    }
    const int spaceAbove = b - t - 30;
    return t + spaceAbove / 2 + 30 - static_cast<int>(m * (lineCount - 1) * 0.5);
}

int countLines(std::string_view text) {
    return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

std::string_view lineAt(std::string_view text, int index) {
    for (int i = 0; i < index; ++i) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            return {};
        }
        text.remove_prefix(end + 1);
    }
    return text.substr(0, text.find('\n'));
}

bool clampCounts(DialogSpec& layout) {
    bool cut = false;
    for (int32_t* count : {&layout.buttonCount, &layout.entryCount, &layout.tabCount, &layout.checkboxCount,
                           &layout.sliderCount}) {
        const int32_t kept = std::clamp(*count, 0, DialogSpec::kMaxItems);
        cut = cut || kept != *count;
        *count = kept;
    }
    if (layout.knobFrames < 1) {
        // Knob pictures are chosen modulo this count.
        layout.knobFrames = 1;
    }
    return cut;
}

bool sizeFits(const DialogSpec& layout) {
    return layout.canvas != nullptr && layout.width >= 1 && layout.height >= 1 &&
           layout.width <= layout.canvas->width() && layout.height <= layout.canvas->height();
}

} // namespace dialoglayout
