// Dialog boxes over time: the fade-in, interactivity, closing, the one-frame result, stacking,
// repainting and the screen put back when the last dialog has gone.
#include "WidgetWorld.h"
#include "support/TestSupport.h"

#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAre;

struct DialogLifecycle : WidgetWorld {
    DialogBox exitBox{manager, screen, timer};
    DialogLifecycle() { exitBox.layout() = yesNoSpec(); }

    DialogPoint yes() const { return buttonCentre(exitBox.layout(), 0); }
    DialogPoint no() const { return buttonCentre(exitBox.layout(), 1); }
};

TEST_F(DialogLifecycle, ClicksDuringTheFadeInAreIgnoredAndItAnswersAfterAQuarterSecond) {
    exitBox.open();
    click(exitBox, no()); // lands at opacity 0.5
    EXPECT_FLOAT_EQ(manager.getOpacity(), 0.5f);
    EXPECT_EQ(manager.getPressedId(), -1);
    input.setButton(0, true);
    frame(exitBox);
    EXPECT_FALSE(manager.top()->isInteractive()) << "0.1875 s";
    input.setButton(0, false);
    frame(exitBox);
    EXPECT_EQ(manager.getPressedId(), 4) << "interactive in the frame that reaches full opacity, at 0.25 s";
    EXPECT_EQ(runToResult(exitBox), 4) << "with closeId -1 any button closes";
}

TEST_F(DialogLifecycle, TheResultIsTheClosingIdInExactlyOneFrame) {
    exitBox.open();
    showFully(exitBox);
    input.setPointer(static_cast<float>(yes().x), static_cast<float>(yes().y));
    input.setButton(0, true);
    frame(exitBox);
    input.setButton(0, false);
    std::vector<int32_t> results;
    for (int i = 0; i < 8; ++i) {
        frame(exitBox);
        results.push_back(exitBox.getResult());
    }
    EXPECT_THAT(results, ElementsAre(-1, -1, -1, -1, 3, -1, -1, -1))
        << "the press frame starts the fade-out; it takes a quarter second";
    EXPECT_TRUE(exitBox.isOpen()) << "until the screen closes it";
    exitBox.close();
    EXPECT_FALSE(exitBox.isOpen());
    EXPECT_EQ(screen.draws, 1);
    EXPECT_EQ(screen.redraws, 1);
}

TEST_F(DialogLifecycle, AButtonThatIsNotTheCloseIdIsOnlyReportedForOneFrame) {
    exitBox.layout().closeId = 3;
    exitBox.open();
    showFully(exitBox);
    click(exitBox, no());
    EXPECT_EQ(manager.getPressedId(), 4);
    frame(exitBox);
    EXPECT_EQ(manager.getPressedId(), -1);
    for (int i = 0; i < 10; ++i) {
        frame(exitBox);
        ASSERT_EQ(exitBox.getResult(), -1);
    }
    EXPECT_TRUE(manager.top()->isInteractive());
    click(exitBox, yes());
    EXPECT_EQ(manager.getPressedId(), 3);
    EXPECT_EQ(runToResult(exitBox), 3);
}

TEST_F(DialogLifecycle, PressButtonActsInTheNextFrameOnlyWhileInteractive) {
    exitBox.open();
    manager.pressButton(3);
    frame(exitBox);
    EXPECT_EQ(manager.getPressedId(), -1) << "dropped during the fade-in";
    showFully(exitBox);
    manager.pressButton(3);
    EXPECT_EQ(manager.getPressedId(), -1);
    frame(exitBox);
    EXPECT_EQ(manager.getPressedId(), 3);
    EXPECT_EQ(runToResult(exitBox), 3);
}

TEST_F(DialogLifecycle, TheScreenIsExactlyAsBeforeOnceTheDialogHasClosed) {
    const std::vector<uint32_t> frameBefore = frameCopy(), backgroundBefore = backgroundCopy();
    for (int round = 0; round < 2; ++round) { // the second time on the first one's screen copies
        exitBox.open();
        showFully(exitBox);
        input.setPointer(static_cast<float>(no().x), static_cast<float>(no().y));
        frame(exitBox); // a hover frame
        click(exitBox, yes());
        ASSERT_EQ(runToResult(exitBox), 3);
        exitBox.close();
        EXPECT_EQ(countDifferent(frameCopy(), frameBefore), 0);
        EXPECT_EQ(countDifferent(backgroundCopy(), backgroundBefore), 0);
        EXPECT_EQ(video.shownPixel(yes().x, yes().y), frameBefore[yes().y * kWidth + yes().x] & 0xFFFFFF)
            << "and the display was given the whole screen";
    }
}

TEST_F(DialogLifecycle, ASecondDialogShowsTheFirstOnesImageBehindItAndBothLeaveNoTrace) {
    const std::vector<uint32_t> screenBefore = frameCopy();
    exitBox.layout().dimLevel = 1.0f;
    DialogBox smallBox(manager, screen, timer);
    DialogSpec& layout = smallBox.layout();
    layout = yesNoSpec();
    layout.dimLevel = 1.0f;
    layout.width = 200;
    layout.height = 100;
    layout.buttonCount = 1;
    layout.buttonRects[0] = {100, 70, 60, 20};

    exitBox.open();
    const ksImage& exitImage = manager.top()->image();
    const ScreenRect exitRect = manager.top()->screenRect();
    smallBox.open();
    ASSERT_EQ(manager.dialogCount(), 2);
    showFully(smallBox);
    EXPECT_EQ(frameAt(exitRect.left + 25, exitRect.top + 19), exitImage.pixelAt(25, 19))
        << "the first dialog's image, at full veil strength, where a black veil would be";
    EXPECT_EQ(frameAt(10, 10), screenBefore[10 * kWidth + 10])
        << "only the first dialog's rectangle is covered";

    click(smallBox, buttonCentre(layout, 0));
    ASSERT_EQ(runToResult(smallBox), 3);
    smallBox.close();
    ASSERT_EQ(manager.dialogCount(), 1);
    showFully(exitBox);
    EXPECT_EQ(frameAt(10, 10), 0xFF000000u) << "the bottom dialog's veil is black";
    click(exitBox, no());
    ASSERT_EQ(runToResult(exitBox), 4);
    exitBox.close();
    EXPECT_EQ(countDifferent(frameCopy(), screenBefore), 0);
    EXPECT_EQ(countDifferent(backgroundCopy(), screenBefore), 0);
}

TEST_F(DialogLifecycle, AStartOpacityAboveOneIsFullyShownInTheFirstFrame) {
    exitBox.layout().startOpacity = 1.1f;
    exitBox.open();
    frame(exitBox);
    ASSERT_TRUE(manager.top()->isInteractive());
    const ScreenRect r = manager.top()->screenRect();
    EXPECT_EQ(backgroundAt(r.left + 5, r.top + 5), look::kDialog) << "veil and dialog live in the background";
}

TEST_F(DialogLifecycle, RepaintPutsTheDialogBackWithoutActingOnInput) {
    exitBox.open();
    showFully(exitBox);
    const std::vector<uint32_t> shown = backgroundCopy();
    canvas.setTracking(false);
    canvas.clear(255, 255, 255);
    canvas.copyFrameToBackground();
    canvas.setTracking(true);

    input.setPointer(static_cast<float>(yes().x), static_cast<float>(yes().y));
    input.setButton(0, true);
    frame(exitBox);
    input.setButton(0, false);
    input.commit(); // the release is there to be read
    manager.repaint();
    EXPECT_EQ(countDifferent(backgroundCopy(), shown), 0);
    EXPECT_TRUE(manager.top()->isInteractive()) << "the click belongs to the next update, not to the repaint";
    EXPECT_EQ(manager.getPressedId(), -1);
    EXPECT_EQ(frameAt(yes().x - 40, yes().y - 15), look::kButtonOver) << "the hover shows";
    EXPECT_TRUE(exitBox.isButtonHovered(0));
}

TEST_F(DialogLifecycle, RemoveTopTakesTheDialogAwayAtOnceAndPutsTheScreenBack) {
    const std::vector<uint32_t> screenBefore = frameCopy();
    exitBox.open();
    showFully(exitBox);
    manager.removeTop();
    exitBox.close();
    EXPECT_EQ(manager.dialogCount(), 0);
    EXPECT_EQ(countDifferent(frameCopy(), screenBefore), 0);
    EXPECT_EQ(countDifferent(backgroundCopy(), screenBefore), 0);
    EXPECT_EQ(manager.getOpacity(), 0.0f);
    EXPECT_EQ(manager.getPressedId(), -1);
}

TEST_F(DialogLifecycle, ADialogLargerThanTheScreenIsRefusedAndTheBoxStaysClosed) {
    LogCapture log;
    exitBox.layout().width = 641;
    exitBox.open();
    EXPECT_FALSE(exitBox.isOpen());
    EXPECT_EQ(manager.dialogCount(), 0);
    EXPECT_EQ(log.count("DialogManager::addDialog - Refused a dialog of 641 x 198"), 1);
    exitBox.layout().width = 640;
    exitBox.layout().height = 480;
    exitBox.open();
    EXPECT_TRUE(exitBox.isOpen());
}

TEST_F(DialogLifecycle, CountsAboveTenAreCutToTen) {
    LogCapture log;
    DialogSpec layout = yesNoSpec();
    layout.buttonCount = 25;
    layout.checkboxCount = 11;
    layout.sliderCount = -3;
    ASSERT_TRUE(manager.addDialog(layout));
    EXPECT_EQ(manager.top()->layout().buttonCount, 10);
    EXPECT_EQ(manager.top()->layout().checkboxCount, 10);
    EXPECT_EQ(manager.top()->layout().sliderCount, 0);
    EXPECT_EQ(log.count("Counts outside 0 to 10 were cut to fit"), 1);
}

} // namespace
