// What dialogs draw and where: the composed picture, live parts over it, the dirty rectangles
// they report, missing pictures and fonts, and composing that stays in the spare buffer.
#include "WidgetWorld.h"
#include "support/TestSupport.h"
#include "ui/DialogLayout.h"

#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAre;

struct DialogDrawing : WidgetWorld {
    DialogBox box{manager, screen, timer};
    DialogDrawing() { box.layout() = yesNoSpec(); }

    const ksImage& image() const { return manager.top()->image(); }
    // The first row of each run of `colour` down column x of the dialog's image.
    std::vector<int> runStarts(int x, uint32_t colour) const {
        std::vector<int> starts;
        bool inside = false;
        for (int y = 0; y < image().getHeight(); ++y) {
            const bool match = image().pixelAt(x, y) == colour;
            if (match && !inside) {
                starts.push_back(y);
            }
            inside = match;
        }
        return starts;
    }
};

TEST_F(DialogDrawing, CaptionButtonsAreFiveTallerWithTheCaptionThreeLowerAndTheDefaultOutlined) {
    box.open();
    // YES: 100 x 40 at (130, 148) is drawn 100 x 45 from (80, 126); it is the default button.
    EXPECT_THAT(runStarts(81, look::kButton), ElementsAre(126));
    EXPECT_EQ(image().pixelAt(81, 170), look::kButton);
    EXPECT_EQ(image().pixelAt(81, 171), look::kOutline);
    EXPECT_EQ(image().pixelAt(77, 148), look::kOutline) << "three pixels around the button";
    EXPECT_EQ(image().pixelAt(76, 148), look::kDialog);
    EXPECT_EQ(image().pixelAt(209, 148), look::kDialog) << "NO is not the default";
    // "YES" in a 10-pixel font centred on y = 148 + 3.
    EXPECT_THAT(runStarts(130, look::kButtonInk), ElementsAre(151 - 5));
    EXPECT_EQ(image().pixelAt(130, 155), look::kButtonInk);
    EXPECT_EQ(image().pixelAt(130, 156), look::kButton);
}

TEST_F(DialogDrawing, TheTitleHasItsTwoRuleLinesUnderIt) {
    box.layout().title = "A";
    box.open();
    const int ruleY = 20 / 2 + 33;
    EXPECT_EQ(image().pixelAt(20, ruleY) & 0xFFFFFF, 0xFFCC00u);
    EXPECT_EQ(image().pixelAt(390 - 21, ruleY) & 0xFFFFFF, 0xFFCC00u);
    EXPECT_EQ(image().pixelAt(390 - 20, ruleY), look::kDialog) << "the line is width - 40 long";
    EXPECT_EQ(image().pixelAt(21, ruleY + 1) & 0xFFFFFF, 0u);
    EXPECT_EQ(image().pixelAt(390 - 20, ruleY + 1) & 0xFFFFFF, 0u);
    EXPECT_EQ(image().pixelAt(20, ruleY + 1), look::kDialog);
    EXPECT_EQ(runStarts(195, look::kTitleInk).front(), 36 - 10) << "title centred on y 36";
    EXPECT_EQ(image().pixelAt(195, 36 + 9), look::kTitleInk);
    EXPECT_EQ(image().pixelAt(195, 36 + 10), look::kDialog);
}

TEST_F(DialogDrawing, TheBoxTemplatesClearCornersStayClearAndEverythingElseIsOpaque) {
    // A template rounded by one clear pixel in each corner (corner size 4).
    for (const auto& [x, y] : {std::pair{0, 0}, {11, 0}, {0, 11}, {11, 11}}) {
        dialogBox.setAlphaRect(x, y, 1, 1, 0);
    }
    box.layout().title = "A";
    box.open();
    EXPECT_TRUE(image().hasAlpha());
    for (const auto& [x, y] : {std::pair{0, 0}, {389, 0}, {0, 197}, {389, 197}}) {
        EXPECT_EQ(image().pixelAt(x, y) >> 24, 0u) << x << ", " << y;
    }
    EXPECT_EQ(image().pixelAt(1, 0) >> 24, 0xFFu);
    // The rule lines are drawn without alpha of their own; they must not show through.
    EXPECT_EQ(image().pixelAt(20, 20 / 2 + 33) >> 24, 0xFFu);
    EXPECT_EQ(image().pixelAt(21, 20 / 2 + 34) >> 24, 0xFFu);
}

TEST_F(DialogDrawing, AMessageWithTwoLineBreaksIsThreeCentredLinesOneLineHeightApart) {
    box.layout().message = "A\nBCD\nEF"; // 4, 12 and 8 pixels wide, centred on x 195
    box.open();
    const int lowestControlTop = 126; // the buttons' top
    const int y = dialoglayout::firstMessageLineY(20, 12, lowestControlTop, 3);
    EXPECT_EQ(y, 20 + (126 - 20 - 30) / 2 + 30 - 12);
    const int top = y - 6; // of the first line; each is 12 high
    EXPECT_THAT(runStarts(193, look::kMessageInk), ElementsAre(top)) << "all three lines";
    EXPECT_EQ(image().pixelAt(193, top + 35), look::kMessageInk);
    EXPECT_EQ(image().pixelAt(193, top + 36), look::kDialog);
    EXPECT_THAT(runStarts(191, look::kMessageInk), ElementsAre(top + 12)) << "the second and third";
    EXPECT_EQ(image().pixelAt(191, top + 35), look::kMessageInk);
    EXPECT_THAT(runStarts(189, look::kMessageInk), ElementsAre(top + 12)) << "the second only";
    EXPECT_EQ(image().pixelAt(189, top + 23), look::kMessageInk);
    EXPECT_EQ(image().pixelAt(189, top + 24), look::kDialog);
    EXPECT_EQ(image().pixelAt(200, top + 12), look::kMessageInk);
    EXPECT_EQ(image().pixelAt(201, top + 12), look::kDialog);
}

TEST_F(DialogDrawing, HiddenPlaceholderTextsLeaveNoPixelWhileTheButtonsStay) {
    box.layout().title = "ERROR";
    box.layout().message = "A\nBCD";
    box.layout().hideTexts = true;
    box.open();
    int ink = 0, rules = 0;
    for (int y = 0; y < image().getHeight(); ++y) {
        for (int x = 0; x < image().getWidth(); ++x) {
            const uint32_t pixel = image().pixelAt(x, y);
            ink += pixel == look::kTitleInk || pixel == look::kMessageInk ? 1 : 0;
            rules += (pixel & 0xFFFFFF) == 0xFFCC00u ? 1 : 0;
        }
    }
    EXPECT_EQ(ink, 0) << "neither title nor message is drawn";
    EXPECT_EQ(rules, 0) << "nor the title's rule lines";
    EXPECT_EQ(image().pixelAt(81, 170), look::kButton);
    EXPECT_THAT(runStarts(130, look::kButtonInk), ElementsAre(151 - 5)) << "the captions are";
}

TEST_F(DialogDrawing, TheFadeInDrawsVeilAndDialogAtTheOpacityIntoTheFrameOnly) {
    box.open();
    const ScreenRect screenClip = ScreenRect::fromPositionSize(0, 0, 100, 100);
    canvas.setClipRect(screenClip); // a clip the screen left behind does not cut the veil
    frame([&] {
        box.update();
        const uint32_t screenPixel = backgroundAt(600, 450);
        const int level = static_cast<int>(0.25f * 0.5f * 255.0f);
        const int red = static_cast<int>((screenPixel >> 16) & 0xFF);
        EXPECT_EQ(static_cast<int>((frameAt(600, 450) >> 16) & 0xFF), red + (((0 - red) * level) >> 8));
        EXPECT_EQ(changesOutsideDirty(canvas), 0);
    });
    EXPECT_EQ(canvas.clipRect(), screenClip);
}

TEST_F(DialogDrawing, ABackgroundPictureIsCentredUnderTheTitle) {
    const ksImage picture = solid(20, 10, 0xFF123456);
    box.layout().backgroundPicture = &picture;
    box.open();
    EXPECT_EQ(image().pixelAt(185, 94), 0xFF123456u);
    EXPECT_EQ(image().pixelAt(204, 103), 0xFF123456u);
    EXPECT_EQ(image().pixelAt(184, 94), look::kDialog);
    EXPECT_EQ(image().pixelAt(205, 103), look::kDialog);
}

TEST_F(DialogDrawing, AHoveredButtonShowsItsHoverFaceAndCaptionAsLiveDrawing) {
    box.open();
    showFully(box);
    const DialogPoint no = buttonCentre(box.layout(), 1);
    input.setPointer(static_cast<float>(no.x), static_cast<float>(no.y));
    frame([&] {
        box.update();
        EXPECT_EQ(frameAt(no.x - 45, no.y - 20), look::kButtonOver);
        EXPECT_EQ(backgroundAt(no.x - 45, no.y - 20), look::kButton);
        EXPECT_EQ(frameAt(no.x, no.y + 3), look::kButtonInk) << "the caption over the face";
        EXPECT_EQ(changesOutsideDirty(canvas), 0);
    });
    EXPECT_TRUE(box.isButtonHovered(1));
    EXPECT_FALSE(box.isButtonHovered(0));
    EXPECT_EQ(manager.getHoveredIndex(), 1);
}

TEST_F(DialogDrawing, TheEntryTextAndCaretAreDrawnInsideTheFieldAndClippedToIt) {
    box.layout() = nameEntrySpec();
    box.open();
    showFully(box);
    manager.setEntryText("ABCDEFGHIJKL");
    // The field is centred on (320, 305) on the screen; the text is 48 wide, 10 high.
    bool caretSeen = false;
    for (int i = 0; i < 16 && !caretSeen; ++i) {
        frame([&] {
            box.update();
            EXPECT_EQ(changesOutsideDirty(canvas), 0);
            EXPECT_EQ(frameAt(320 - 24, 305), look::kEntryInk);
            EXPECT_NE(frameAt(320 - 25, 305), look::kEntryInk);
            caretSeen = frameAt(320 + 24 + 5, 305) == look::kEntryInk;
        });
    }
    EXPECT_TRUE(caretSeen) << "the caret, 5 pixels after the text, blinks on within a second";
    EXPECT_EQ(backgroundAt(320, 305), look::kEntry) << "the text is live drawing";

    manager.removeTop();
    box.close();
    box.layout().entryRects[0] = {235, 145, 20, 34}; // from x 310 to 329 on the screen
    box.open();
    showFully(box);
    manager.setEntryText("ABCDEFGHIJKL");
    frame([&] {
        box.update();
        EXPECT_EQ(frameAt(310, 305), look::kEntryInk);
        EXPECT_EQ(frameAt(329, 305), look::kEntryInk);
        EXPECT_NE(frameAt(309, 305), look::kEntryInk) << "clipped to a narrow field";
        EXPECT_NE(frameAt(330, 305), look::kEntryInk) << "clipped to a narrow field";
    });
}

TEST_F(DialogDrawing, MissingTemplatesAndFontsDrawNothingAndTheDialogStillWorks) {
    DialogManager bare{DialogTemplates{}};
    DialogBox bareBox(bare, screen, timer);
    DialogSpec& layout = bareBox.layout();
    layout = nameEntrySpec();
    layout.entryFont = layout.titleFont = layout.messageFont = layout.buttonFont = nullptr;
    layout.checkboxCount = 1;
    layout.checkboxStates[0] = kCheckboxTicked;
    layout.sliderCount = 1;
    layout.sliderRects[0] = {10, 10, 100, 6};
    layout.tabCount = 1;
    layout.tabPanel = {100, 100, 50, 50};
    const std::vector<uint32_t> screenBefore = frameCopy();
    bareBox.open();
    for (int i = 0; i < 6; ++i) {
        input.typeChar('A');
        frame(bareBox);
    }
    ASSERT_TRUE(bare.top()->isInteractive());
    EXPECT_EQ(bare.getEntryText(), "") << "no font, no glyphs";
    EXPECT_EQ(bare.top()->image().pixelAt(100, 100), 0xFF000000u);
    const CentredRect ok = layout.buttonRects[0];
    input.setPointer(static_cast<float>(layout.centreX - layout.width / 2 + ok.centreX),
                     static_cast<float>(layout.centreY - layout.height / 2 + ok.centreY));
    input.setButton(0, true);
    frame(bareBox);
    input.setButton(0, false);
    ASSERT_EQ(runToResult(bareBox), 0);
    bareBox.close();
    EXPECT_EQ(countDifferent(frameCopy(), screenBefore), 0);
}

TEST_F(DialogDrawing, ComposingStaysInsideTheSpareBufferAndReportsNothing) {
    uint32_t* spare = canvas.buffer(ksCanvas::Buffer::Spare);
    for (int i = 0; i < kWidth * kHeight; ++i) {
        spare[i] = 0x5A5A5A5A;
    }
    canvas.setClipRect(ScreenRect::fromPositionSize(0, 0, 600, 400));
    canvas.selectBackground();
    const std::vector<uint32_t> frameBefore = frameCopy();
    DialogSpec layout = nameEntrySpec();
    layout.tabCount = 2;
    layout.tabFont = buttonFont.get();
    layout.tabPanel = {235, 80, 300, 40};
    ASSERT_TRUE(manager.addDialog(layout));
    int outside = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool inBlock = x < layout.width && y < layout.height;
            outside += !inBlock && spare[y * kWidth + x] != 0x5A5A5A5Au ? 1 : 0;
        }
    }
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(countDifferent(frameCopy(), frameBefore), 0);
    EXPECT_EQ(canvas.dirtyList().size(), 0u);
    EXPECT_EQ(canvas.selected(), ksCanvas::Buffer::Background) << "the canvas is left as it was found";
    EXPECT_EQ(canvas.clipRect(), ScreenRect::fromPositionSize(0, 0, 600, 400));
    EXPECT_TRUE(canvas.isTracking());
}

} // namespace
