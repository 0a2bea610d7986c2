// Dialog controls: the entry field and Enter, sliders, checkboxes and tabs.
#include "WidgetWorld.h"
#include "engine/input/TypedKeys.h"

namespace {

struct DialogControls : WidgetWorld {
    DialogBox box{manager, screen, timer};

    void typeInOneFrame(std::initializer_list<int> codes) {
        for (int code : codes) {
            input.typeChar(code);
        }
        frame(box);
    }
    void typeOnePerFrame(const std::string& text) {
        for (char c : text) {
            typeInOneFrame({static_cast<unsigned char>(c)});
        }
    }
    // Dialog-relative point to screen point.
    DialogPoint onScreen(int x, int y) const {
        const DialogSpec& s = box.layout();
        return {s.centreX - s.width / 2 + x, s.centreY - s.height / 2 + y};
    }
    void pointAt(DialogPoint p) { input.setPointer(static_cast<float>(p.x), static_cast<float>(p.y)); }
};

TEST_F(DialogControls, TheEntryTakesTwelveCharactersItsFontCanDrawAppliedInAscendingOrder) {
    box.layout() = nameEntrySpec();
    box.open();
    showFully(box);
    typeOnePerFrame("ABCDEFGHIJKLMNOP");
    EXPECT_EQ(manager.getEntryText(), "ABCDEFGHIJKL");
    manager.setEntryText("ABCDEFGHIJKLMNOP");
    EXPECT_EQ(manager.getEntryText(), "ABCDEFGHIJKL") << "set text is cut the same way";
    manager.setEntryText("");
    typeInOneFrame({'#', 200, 27, 'z'});
    EXPECT_EQ(manager.getEntryText(), "z") << "no glyph for #, Escape or codes above 127";

    manager.setEntryText("");
    typeInOneFrame({kBackspaceKey});
    EXPECT_EQ(manager.getEntryText(), "") << "Backspace on nothing does nothing";
    typeInOneFrame({'B', 'A'});
    EXPECT_EQ(manager.getEntryText(), "AB");
    typeInOneFrame({'C', kBackspaceKey});
    EXPECT_EQ(manager.getEntryText(), "AC") << "Backspace (8) comes before C (67)";
}

TEST_F(DialogControls, EnterClosesWithTheDefaultIdOnlyInADialogWithAnEntryField) {
    box.layout() = yesNoSpec();
    box.open();
    showFully(box);
    for (int i = 0; i < 6; ++i) {
        typeInOneFrame({kEnterKey});
        ASSERT_TRUE(manager.top()->isInteractive()) << "the screen maps Enter itself here";
    }
    manager.pressButton(3);
    ASSERT_EQ(runToResult(box), 3);
    box.close();

    box.layout() = nameEntrySpec();
    box.layout().defaultId = DialogSpec::kNoId;
    box.open();
    showFully(box);
    typeInOneFrame({kEnterKey});
    EXPECT_TRUE(manager.top()->isInteractive()) << "no default: nothing for Enter to close with";
    manager.removeTop();
    box.close();

    box.layout().defaultId = 0;
    box.open();
    showFully(box);
    typeOnePerFrame("Zoe");
    typeInOneFrame({kEnterKey});
    EXPECT_FALSE(manager.top()->isInteractive());
    EXPECT_EQ(manager.getEntryText(), "Zoe");
    EXPECT_EQ(runToResult(box), 0);
}

TEST_F(DialogControls, SlidersClampTheirValueAndFollowADrag) {
    DialogSpec& layout = box.layout();
    layout = yesNoSpec();
    layout.sliderCount = 2;
    layout.sliderRects[0] = {50, 60, 170, 6};
    layout.sliderRects[1] = {50, 100, 170, 6};
    layout.knobFrames = 0; // taken as one picture
    box.open();
    showFully(box);

    manager.setSliderValue(0, 1.5f);
    EXPECT_FLOAT_EQ(manager.getSliderValue(0), 1.0f);
    manager.setSliderValue(0, -2.0f);
    EXPECT_FLOAT_EQ(manager.getSliderValue(0), 0.0f);
    manager.setSliderValue(1, 0.5f);
    EXPECT_FLOAT_EQ(manager.getSliderValue(1), 0.5f);
    EXPECT_FLOAT_EQ(manager.getSliderValue(7), 0.0f);
    EXPECT_EQ(liveFrameAt(box, onScreen(50 + 85, 103)), look::kKnob);

    pointAt(onScreen(75, 62));
    input.setButton(0, true);
    frame(box);
    EXPECT_FLOAT_EQ(manager.getSliderValue(0), 25.0f / 170.0f);
    pointAt(onScreen(300, 63));
    frame(box);
    EXPECT_FLOAT_EQ(manager.getSliderValue(0), 1.0f) << "dragged past the end";
    pointAt(onScreen(60, 102)); // over the other slider
    frame(box);
    EXPECT_FLOAT_EQ(manager.getSliderValue(0), 10.0f / 170.0f);
    EXPECT_FLOAT_EQ(manager.getSliderValue(1), 0.5f) << "the dragged slider keeps the pointer";
    input.setButton(0, false);
    frame(box);
    pointAt(onScreen(120, 62));
    frame(box);
    EXPECT_FLOAT_EQ(manager.getSliderValue(0), 10.0f / 170.0f) << "releasing ends the drag";

    pointAt(onScreen(48, 57)); // left of the track and above it, but on the knob
    input.setButton(0, true);
    frame(box);
    EXPECT_FLOAT_EQ(manager.getSliderValue(0), 0.0f);
    pointAt(onScreen(110, 57));
    frame(box);
    EXPECT_FLOAT_EQ(manager.getSliderValue(0), 60.0f / 170.0f);
}

TEST_F(DialogControls, CheckboxesToggleUnlessFixed) {
    DialogSpec& layout = box.layout();
    layout = yesNoSpec();
    layout.checkboxCount = 3;
    layout.checkboxPositions[0] = {40, 60};
    layout.checkboxPositions[1] = {80, 60};
    layout.checkboxPositions[2] = {120, 60};
    layout.checkboxStates = {kCheckboxEmpty, kCheckboxTicked, kCheckboxFixed};
    box.open();
    showFully(box);
    EXPECT_EQ(liveFrameAt(box, onScreen(80, 60)), look::kBoxTicked);
    EXPECT_EQ(liveFrameAt(box, onScreen(120, 60)), look::kBoxFixed);
    EXPECT_EQ(backgroundAt(onScreen(80, 60).x, onScreen(80, 60).y), look::kBoxEmpty) << "ticks are live";

    for (int i = 0; i < 3; ++i) {
        click(box, onScreen(36 + 40 * i, 64)); // near a corner: edges count
    }
    EXPECT_EQ(manager.getCheckboxState(0), kCheckboxTicked);
    EXPECT_EQ(manager.getCheckboxState(1), kCheckboxEmpty);
    EXPECT_EQ(manager.getCheckboxState(2), kCheckboxFixed);
    click(box, onScreen(40, 60));
    EXPECT_EQ(manager.getCheckboxState(0), kCheckboxEmpty);
    manager.setCheckboxState(1, kCheckboxFixed);
    EXPECT_EQ(manager.getCheckboxState(1), kCheckboxFixed);
    EXPECT_EQ(manager.getCheckboxState(3), -1);
    EXPECT_TRUE(manager.top()->isInteractive()) << "boxes never close the dialog";
}

TEST_F(DialogControls, ClickingATabSelectsItAndReportsItForOneFrame) {
    DialogSpec& layout = box.layout();
    layout = yesNoSpec();
    layout.tabCount = 2;
    layout.tabCaptions[0] = "ONE";
    layout.tabCaptions[1] = "TWO";
    layout.tabFont = buttonFont.get();
    layout.tabPanel = {195, 80, 300, 60}; // panel from (45, 50)
    box.open();
    showFully(box);
    // Tabs are 12 + 4 + 4 wide and 10 + 10 high, standing on the panel from its left end.
    const DialogPoint secondTab = onScreen(45 + 20 + 2, 30 + 2);
    const DialogPoint firstTab = onScreen(45 + 2, 30 + 2);
    EXPECT_EQ(backgroundAt(secondTab.x, secondTab.y), 0xFF383838u) << "unselected tabs are shaded to 0.7";
    EXPECT_EQ(backgroundAt(firstTab.x, firstTab.y), look::kTab);

    click(box, secondTab);
    EXPECT_EQ(manager.getPressedId(), Dialog::kTabIdBase + 1);
    EXPECT_EQ(manager.top()->selectedTab(), 1);
    EXPECT_EQ(backgroundAt(secondTab.x, secondTab.y), look::kTab);
    EXPECT_EQ(backgroundAt(firstTab.x, firstTab.y), 0xFF383838u);
    frame(box);
    EXPECT_EQ(manager.getPressedId(), -1);
    EXPECT_TRUE(manager.top()->isInteractive());
}

// Presses an arrow key for one frame and lets it go in the next, as a player's tap does.
void tapKey(DialogControls& world, int code) {
    world.input.setKey(code, true);
    world.frame(world.box);
    world.input.setKey(code, false);
    world.frame(world.box);
}

TEST_F(DialogControls, ArrowsShowThenMoveAKeyboardFocusAndEnterPressesWhatItIsOn) {
    box.layout() = yesNoSpec();
    box.layout().defaultId = 3;
    box.open();
    showFully(box);
    tapKey(*this, 39);        // Right: shows the focus on the default button, YES
    tapKey(*this, 39);        // Right: NO
    tapKey(*this, 39);        // Right: wraps round to YES
    tapKey(*this, 37);        // Left: NO again
    manager.pressFromKeys(3); // what the screens do on Enter
    EXPECT_EQ(runToResult(box), 4);
    box.close();

    // A press a screen makes itself (not Enter) is not turned aside by the focus.
    box.open();
    showFully(box);
    tapKey(*this, 39);
    tapKey(*this, 39);
    manager.pressButton(3);
    EXPECT_EQ(runToResult(box), 3);
    box.close();

    // A pointer move hides the focus: Enter presses the confirming button again.
    box.open();
    showFully(box);
    tapKey(*this, 39);
    tapKey(*this, 39);
    input.setPointer(5.0f, 5.0f);
    frame(box);
    manager.pressFromKeys(3);
    EXPECT_EQ(runToResult(box), 3);
    box.close();
}

} // namespace

TEST(DialogDescription, ButtonsAreAppendedInOrderUntilTheListIsFull) {
    DialogSpec layout;
    for (int i = 0; i < DialogSpec::kMaxItems + 2; ++i) {
        addButton(layout, 100 + i, std::to_string(i), {10 * i, 20, 30, 40});
    }
    EXPECT_EQ(layout.buttonCount, DialogSpec::kMaxItems);
    EXPECT_EQ(layout.buttonIds[DialogSpec::kMaxItems - 1], 100 + DialogSpec::kMaxItems - 1);
    EXPECT_EQ(layout.buttonCaptions[3], "3");
    EXPECT_EQ(layout.buttonRects[3].centreX, 30);
}
