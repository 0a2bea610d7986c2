// WidgetWorld.cpp: a headless canvas with template pictures and fonts made in code, for the widget tests.
#include "WidgetWorld.h"

#include <string>

WidgetWorld::WidgetWorld() {
    input.reset();
    paintScreen();
}

ksImage WidgetWorld::solid(int width, int height, uint32_t colour) {
    ksImage image(canvas, width, height);
    image.setColour((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
    image.setAlpha(255);
    return image;
}

ksImage WidgetWorld::makeCheckbox() {
    ksImage image = solid(30, 10, look::kBoxEmpty);
    image.fillColour(10, 0, 10, 10, 0x20, 0xF0, 0x20);
    image.fillColour(20, 0, 10, 10, 0xF0, 0x20, 0x20);
    return image;
}

std::unique_ptr<ksFont> WidgetWorld::makeFont(uint32_t ink, int lineHeight, const std::string& codes) {
    // Every glyph is a 4-pixel-wide solid box; a record's bottom of lineHeight gives that line height.
    auto sheet = std::make_unique<ksImage>(solid(4 * static_cast<int>(codes.size()), lineHeight + 1, ink));
    std::string table;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const int left = 4 * static_cast<int>(i);
        table += std::to_string(static_cast<unsigned char>(codes[i])) + "," + std::to_string(left) + ",0," +
                 std::to_string(left + 3) + "," + std::to_string(lineHeight) + ";";
    }
    auto font = std::make_unique<ksFont>(&canvas, sheet.get(), table);
    glyphSheets.push_back(std::move(sheet));
    return font;
}

DialogTemplates WidgetWorld::templates() const {
    return DialogTemplates{&dialogBox, &button, &buttonOver, &entry,  &tab,
                           &checkbox,  &slider, &knob,       &outline};
}

DialogSpec WidgetWorld::yesNoSpec() {
    DialogSpec layout;
    layout.startOpacity = 0.0f;
    layout.fadeSpeed = 4.0f;
    layout.dimLevel = 0.5f;
    layout.canvas = &canvas;
    layout.titleFont = titleFont.get();
    layout.messageFont = messageFont.get();
    layout.buttonFont = buttonFont.get();
    layout.title = "EXIT GAME";
    layout.message = "ARE YOU SURE?";
    layout.centreX = kWidth / 2;
    layout.centreY = kHeight / 2;
    layout.width = 390;
    layout.height = 198;
    layout.buttonCount = 2;
    layout.buttonCaptions[0] = "YES";
    layout.buttonRects[0] = {130, 148, 100, 40};
    layout.buttonIds[0] = 3;
    layout.buttonCaptions[1] = "NO";
    layout.buttonRects[1] = {260, 148, 100, 40};
    layout.buttonIds[1] = 4;
    layout.closeId = DialogSpec::kNoId;
    layout.defaultId = 3;
    return layout;
}

DialogSpec WidgetWorld::nameEntrySpec() {
    DialogSpec layout = yesNoSpec();
    layout.entryFont = entryFont.get();
    layout.width = 470;
    layout.height = 260;
    layout.centreY = 290;
    layout.title = "YOU GOT A HIGH SCORE!";
    layout.message = "PLEASE ENTER YOUR NAME";
    layout.buttonCount = 1;
    layout.buttonCaptions[0] = "OK";
    layout.buttonRects[0] = {235, 210, 132, 40};
    layout.buttonIds[0] = 0;
    layout.entryCount = 1;
    layout.entryRects[0] = {235, 145, 180, 34};
    layout.defaultId = 0;
    return layout;
}

DialogPoint WidgetWorld::buttonCentre(const DialogSpec& layout, int index) {
    const CentredRect& r = layout.buttonRects[static_cast<std::size_t>(index)];
    return {layout.centreX - layout.width / 2 + r.centreX, layout.centreY - layout.height / 2 + r.centreY};
}

void WidgetWorld::paintScreen() {
    canvas.setTracking(false);
    uint32_t* frame = canvas.buffer(ksCanvas::Buffer::Frame);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            frame[y * kWidth + x] = 0xFF000000u | static_cast<uint32_t>((x * 7) & 0xFF) << 16 |
                                    static_cast<uint32_t>((y * 5) & 0xFF) << 8 |
                                    static_cast<uint32_t>((x + y) & 0xFF);
        }
    }
    canvas.copyFrameToBackground();
    canvas.presentAll();
    canvas.setTracking(true);
}

std::vector<uint32_t> WidgetWorld::frameCopy() const {
    const uint32_t* p = canvas.buffer(ksCanvas::Buffer::Frame);
    return {p, p + kWidth * kHeight};
}

std::vector<uint32_t> WidgetWorld::backgroundCopy() const {
    const uint32_t* p = canvas.buffer(ksCanvas::Buffer::Background);
    return {p, p + kWidth * kHeight};
}

uint32_t WidgetWorld::frameAt(int x, int y) const {
    return canvas.buffer(ksCanvas::Buffer::Frame)[y * kWidth + x];
}

uint32_t WidgetWorld::backgroundAt(int x, int y) const {
    return canvas.buffer(ksCanvas::Buffer::Background)[y * kWidth + x];
}

uint32_t WidgetWorld::liveFrameAt(DialogBox& box, DialogPoint at) {
    uint32_t pixel = 0;
    frame([&] {
        box.update();
        pixel = frameAt(at.x, at.y);
    });
    return pixel;
}

void WidgetWorld::showFully(DialogBox& box, int limit) {
    for (int i = 0; i < limit && manager.top() != nullptr && !manager.top()->isInteractive(); ++i) {
        frame(box);
    }
    ASSERT_TRUE(manager.top() != nullptr && manager.top()->isInteractive());
}

void WidgetWorld::click(DialogBox& box, DialogPoint at) {
    input.setPointer(static_cast<float>(at.x), static_cast<float>(at.y));
    input.setButton(0, true);
    frame(box);
    input.setButton(0, false);
    frame(box);
}

int32_t WidgetWorld::runToResult(DialogBox& box, int limit) {
    for (int i = 0; i < limit; ++i) {
        frame(box);
        if (box.getResult() >= 0) {
            return box.getResult();
        }
    }
    return -1;
}

int countDifferent(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    if (a.size() != b.size()) {
        return -1;
    }
    int count = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        count += a[i] != b[i] ? 1 : 0;
    }
    return count;
}
