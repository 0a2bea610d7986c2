// WidgetWorld.h: a headless canvas with template pictures and fonts made in code, for the widget tests.
#pragma once

#include "engine/core/ksTimer.h"
#include "engine/input/ksInputState.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksFont.h"
#include "engine/video/ksImage.h"
#include "ui/DialogBox.h"
#include "ui/DialogManager.h"
#include "ui/DialogTemplates.h"
#include "ui/GameScreen.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

// Colours of the template pictures, so a test can tell the parts of a dialog apart.
namespace look {
inline constexpr uint32_t kDialog = 0xFF303030;
inline constexpr uint32_t kButton = 0xFF0000A0;
inline constexpr uint32_t kButtonOver = 0xFF00A000;
inline constexpr uint32_t kEntry = 0xFF808080;
inline constexpr uint32_t kTab = 0xFF505050;
inline constexpr uint32_t kBoxEmpty = 0xFF101010;
inline constexpr uint32_t kBoxTicked = 0xFF20F020;
inline constexpr uint32_t kBoxFixed = 0xFFF02020;
inline constexpr uint32_t kSlider = 0xFF777777;
inline constexpr uint32_t kKnob = 0xFFEEEEEE;
inline constexpr uint32_t kOutline = 0xFFFFA500;
// Glyphs are solid boxes of their font's colour.
inline constexpr uint32_t kTitleInk = 0xFFFF0000;
inline constexpr uint32_t kMessageInk = 0xFF00FF00;
inline constexpr uint32_t kButtonInk = 0xFF0000FF;
inline constexpr uint32_t kEntryInk = 0xFFFFFF00;
} // namespace look

// A screen that only counts what a dialog box asks of it.
struct CountingScreen : GameScreen {
    int draws = 0;
    int redraws = 0;
    void enter() override {}
    bool update() override { return false; }
    void setFocusLost(bool) override {}
    void draw() override { ++draws; }
    void redraw() override { ++redraws; }
};

// Everything a dialog needs, on a 640 x 480 memory display with a timer of 1/16 s frames.
struct WidgetWorld : ::testing::Test {
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;

    MemoryVideo video{kWidth, kHeight};
    ksCanvas canvas{video};
    SteppedCounter counter{16};
    ksTimer timer{counter};
    ksInputState& input = ksInputState::instance();

    ksImage dialogBox = solid(12, 12, look::kDialog);
    ksImage button = solid(9, 9, look::kButton);
    ksImage buttonOver = solid(9, 9, look::kButtonOver);
    ksImage entry = solid(9, 9, look::kEntry);
    ksImage tab = solid(8, 8, look::kTab);
    ksImage checkbox = makeCheckbox();
    ksImage slider = solid(6, 6, look::kSlider);
    ksImage knob = solid(8, 12, look::kKnob);
    ksImage outline = solid(9, 9, look::kOutline);

    std::vector<std::unique_ptr<ksImage>> glyphSheets;
    // Line heights 20, 12, 10 and 10; the entry font has letters, digits and "_" but no "#".
    std::unique_ptr<ksFont> titleFont = makeFont(look::kTitleInk, 20, "ABCDEFGHIJKLMNOPQRSTUVWXYZ ?!");
    std::unique_ptr<ksFont> messageFont = makeFont(look::kMessageInk, 12, "ABCDEFGHIJKLMNOPQRSTUVWXYZ ?!");
    std::unique_ptr<ksFont> buttonFont = makeFont(look::kButtonInk, 10, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    std::unique_ptr<ksFont> entryFont =
        makeFont(look::kEntryInk, 10, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_");

    CountingScreen screen;
    DialogManager manager{templates()};

    WidgetWorld();

    ksImage solid(int width, int height, uint32_t colour);
    ksImage makeCheckbox();
    std::unique_ptr<ksFont> makeFont(uint32_t ink, int lineHeight, const std::string& codes);
    DialogTemplates templates() const;

    // The exit question of the title screen: 390 x 198 at the centre, "YES" (id 3, default) and
    // "NO" (id 4) of 100 x 40; any button closes it.
    DialogSpec yesNoSpec();
    // The high-score name question: one entry field and "OK" (id 0, default).
    DialogSpec nameEntrySpec();
    // On-screen centre of button i of an open layout.
    static DialogPoint buttonCentre(const DialogSpec& layout, int index);

    // Fills the frame and background buffers with the same pattern, shown and with tracking on.
    void paintScreen();
    std::vector<uint32_t> frameCopy() const;
    std::vector<uint32_t> backgroundCopy() const;
    uint32_t frameAt(int x, int y) const;
    uint32_t backgroundAt(int x, int y) const;

    // One pass of the main loop: commit the input, measure the frame, run `step`, present.
    template <typename Step>
    void frame(Step step) {
        input.commit();
        timer.tick();
        step();
        canvas.present();
    }
    void frame(DialogBox& box) {
        frame([&] { box.update(); });
    }
    // Runs one frame of the box and reads the frame buffer before it is presented and restored.
    uint32_t liveFrameAt(DialogBox& box, DialogPoint at);
    // Runs frames of the box until its dialog is fully shown (at most `limit`).
    void showFully(DialogBox& box, int limit = 20);
    // Press and release over the point: the click lands in the second frame.
    void click(DialogBox& box, DialogPoint at);
    // Runs frames until the box reports a result (at most `limit`); the result, or -1.
    int32_t runToResult(DialogBox& box, int limit = 40);
};

// How many pixels of two screen copies differ.
int countDifferent(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b);
