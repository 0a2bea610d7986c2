// The options panel: sliders, difficulty boxes, display boxes, prize themes, saving and closing.
#include "frontend/OptionsPanel.h"

#include "FrontEndWorld.h"
#include "frontend/OptionsRules.h"

#include <gtest/gtest.h>

namespace {

struct OptionsWorld : FrontEndWorld {
    std::unique_ptr<OptionsPanel> panel;

    // Opens the panel of `screenId` from the title (a stand-in here) and waits for it to fade in.
    void open(int screenId) {
        panel = std::make_unique<OptionsPanel>(*context, screenId);
        start(screenId, *panel, kTitleScreen);
        standIns[kTitleScreen].requestNext = screenId;
        frame();
        ASSERT_EQ(screens.current(), screenId);
        frames(10);
        ASSERT_TRUE(panel->dialogs().top() != nullptr && panel->dialogs().top()->isInteractive());
    }
    // A point of the dialog, on the screen.
    int x(int dialogX) const { return panel->left() + dialogX; }
    int y(int dialogY) const { return panel->top() + dialogY; }
    void clickBox(int index) {
        const DialogPoint& at = panel->dialogs().top()->layout().checkboxPositions[index];
        click(x(at.x), y(at.y));
    }
    int32_t box(int index) const { return panel->dialogs().getCheckboxState(index); }
    int displayBox(int which) const { return panel->firstDisplayBox() + which; }
    // Presses on the track of `slider` at `fraction` of its width, drags to `dragTo` and releases.
    void dragSlider(int slider, float fraction, float dragTo) {
        const CornerRect& track = panel->dialogs().top()->layout().sliderRects[slider];
        const int trackY = y(track.top + track.height / 2);
        moveTo(x(track.left) + static_cast<int>(fraction * static_cast<float>(track.width) + 0.5f), trackY);
        input.setButton(0, true);
        frame();
        moveTo(x(track.left) + static_cast<int>(dragTo * static_cast<float>(track.width) + 0.5f), trackY);
        frame();
        input.setButton(0, false);
        frame();
    }
};

TEST(OptionsRulesTest, TheColoursKnobSnapsToFourPlacesAndTheDifficultyBoxesActAsRadioButtons) {
    EXPECT_EQ(optionsrules::colourPlace(0.0f), 0);
    EXPECT_EQ(optionsrules::colourPlace(0.4f), 1);
    EXPECT_EQ(optionsrules::colourPlace(0.5f), 2) << "trunc(0.5 x 3 + 0.5) = 2: five colours";
    EXPECT_EQ(optionsrules::colourPlace(0.83f), 2);
    EXPECT_EQ(optionsrules::colourPlace(1.0f), 3);
    // The difficulty boxes act as radio buttons.
    EXPECT_EQ(optionsrules::chooseDifficulty(0, {1, 0, 1}), 2);
    EXPECT_EQ(optionsrules::chooseDifficulty(1, {1, 1, 1}), 2) << "the last other ticked box wins";
    EXPECT_EQ(optionsrules::chooseDifficulty(1, {0, 0, 0}), 1) << "unticking the current box keeps it";
}

TEST_F(OptionsWorld, TheColoursKnobSnapsWhileDraggedAndTheCountIsSaved) {
    profile.setColours(6);
    open(kOptionsScreen);
    EXPECT_FALSE(panel->hasThemeButtons()) << "only one theme is unlocked";
    EXPECT_EQ(panel->dialogs().top()->layout().buttonCount, 1);
    EXPECT_FLOAT_EQ(panel->dialogs().getSliderValue(OptionsPanel::kColoursSlider), 1.0f);
    dragSlider(OptionsPanel::kColoursSlider, 0.9f, 0.4f);
    EXPECT_EQ(profile.colours(), 4);
    EXPECT_NEAR(panel->dialogs().getSliderValue(OptionsPanel::kColoursSlider), 1.0f / 3.0f, 1e-6);
    EXPECT_EQ(storedProfile().colours(), 4);
}

TEST_F(OptionsWorld, TickingAnotherDifficultyLeavesOnlyThatBoxTicked) {
    profile.setDifficulty(0);
    open(kOptionsScreen);
    EXPECT_EQ(box(0), kCheckboxTicked);
    clickBox(2);
    EXPECT_EQ(box(0), kCheckboxEmpty);
    EXPECT_EQ(box(1), kCheckboxEmpty);
    EXPECT_EQ(box(2), kCheckboxTicked);
    EXPECT_EQ(profile.difficulty(), 2);
    EXPECT_EQ(storedProfile().difficulty(), 2);

    clickBox(2);
    EXPECT_EQ(box(2), kCheckboxTicked) << "the current difficulty's box ticks itself again at once";
    EXPECT_EQ(profile.difficulty(), 2);
}

TEST_F(OptionsWorld, FullScreenSwitchesTheDisplayThroughTheOsLayerAndIsSaved) {
    settings.setFullScreenDepth(32);
    open(kOptionsScreen);
    const int fullScreen = displayBox(OptionsPanel::kFullScreenBox);
    const int millions = displayBox(OptionsPanel::kMillionsOfColoursBox);
    EXPECT_EQ(box(fullScreen), kCheckboxEmpty);
    EXPECT_EQ(box(millions), kCheckboxFixed);
    const std::size_t modesBefore = os.modes.size();

    clickBox(fullScreen);
    ASSERT_EQ(os.modes.size(), modesBefore + 1);
    EXPECT_FALSE(os.modes.back().windowed);
    EXPECT_EQ(os.modes.back().depth, 32);
    EXPECT_EQ(box(millions), kCheckboxTicked);
    EXPECT_FALSE(storedSettings().isWindowed());

    clickBox(millions);
    EXPECT_EQ(os.modes.back().depth, 16) << "Millions of Colors off shows the 16-bit picture";
    EXPECT_EQ(storedSettings().fullScreenDepth(), 16u);
    clickBox(millions);
    EXPECT_EQ(os.modes.back().depth, 32);

    clickBox(fullScreen);
    EXPECT_TRUE(os.modes.back().windowed);
    EXPECT_EQ(box(millions), kCheckboxFixed);
    EXPECT_TRUE(storedSettings().isWindowed());
    clickBox(millions);
    EXPECT_EQ(box(millions), kCheckboxFixed) << "a window cannot change its colour depth";
}

TEST_F(OptionsWorld, ASwitchByKeyWhileThePanelShowsMovesItsBoxesAndIsNotUndoneByTheNextClick) {
    open(kOptionsScreen);
    const int fullScreen = displayBox(OptionsPanel::kFullScreenBox);
    const int millions = displayBox(OptionsPanel::kMillionsOfColoursBox);
    ASSERT_EQ(box(fullScreen), kCheckboxEmpty);
    os.toggleFullScreen(); // as F11 does
    frame();
    EXPECT_EQ(box(fullScreen), kCheckboxTicked);
    EXPECT_EQ(box(millions), kCheckboxTicked);
    const std::size_t modes = os.modes.size();
    clickBox(displayBox(OptionsPanel::kEnhancedCursorBox));
    EXPECT_FALSE(settings.isWindowed());
    EXPECT_EQ(os.modes.size(), modes) << "the click on another box switched nothing back";
}

TEST_F(OptionsWorld, EnhancedCursorSetsTheFlagAndTheOsLayerHidesThePointer) {
    open(kPuzzleOptionsScreen);
    ASSERT_TRUE(os.systemCursorVisible);
    clickBox(displayBox(OptionsPanel::kEnhancedCursorBox));
    EXPECT_TRUE(settings.isEnhancedCursor());
    EXPECT_FALSE(os.systemCursorVisible);
    EXPECT_TRUE(storedSettings().isEnhancedCursor());
}

TEST_F(OptionsWorld, TheVolumesFollowTheKnobWhileItIsDragged) {
    open(kActionOptionsScreen);
    const CornerRect& music = panel->dialogs().top()->layout().sliderRects[OptionsPanel::kMusicSlider];
    moveTo(x(music.left + 10), y(music.top + 3));
    input.setButton(0, true);
    frame();
    moveTo(x(music.left + 85), y(music.top + 3));
    frame();
    EXPECT_NEAR(profile.musicVolume(), 85.0f / 170.0f, 1e-6);
    EXPECT_EQ(mixer.moduleVolume, 127) << "applied before the knob is let go";
    input.setButton(0, false);
    frame();

    dragSlider(OptionsPanel::kEffectsSlider, 0.5f, 0.0f);
    EXPECT_EQ(profile.effectsVolume(), 0.0f);
    EXPECT_EQ(mixer.effectsVolume, 0);
    EXPECT_EQ(storedProfile().effectsVolume(), 0.0f);
}

class PanelCloseKeys : public OptionsWorld, public ::testing::WithParamInterface<char> {};

TEST_P(PanelCloseKeys, CloseThePanelLikeOkAndGoBackToTheScreenBelow) {
    open(kOptionsScreen);
    const int redraws = standIns[kTitleScreen].redraws;
    input.typeChar(GetParam());
    frame();
    ASSERT_TRUE(runUntil([&] { return screens.current() == kTitleScreen; }, 30));
    EXPECT_EQ(standIns[kTitleScreen].redraws, redraws + 1) << "the screen below repaints itself";
    EXPECT_EQ(panel->dialogs().dialogCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(EnterAndSpace, PanelCloseKeys, ::testing::Values('\r', ' '));

TEST_F(OptionsWorld, OkClosesThePanelAfterItsFadeOut) {
    open(kPuzzleOptionsScreen);
    const DialogSpec& layout = panel->dialogs().top()->layout();
    click(x(layout.buttonRects[0].centreX), y(layout.buttonRects[0].centreY));
    EXPECT_EQ(screens.current(), kPuzzleOptionsScreen);
    ASSERT_TRUE(runUntil([&] { return screens.current() == kTitleScreen; }, 30));
}

struct Variant {
    int screen, height, checkboxes, firstDisplayBox;
};

class PanelVariants : public OptionsWorld, public ::testing::WithParamInterface<Variant> {};

TEST_P(PanelVariants, HaveTheVolumesTheDisplayBoxesAndTheDifficultyWhereItApplies) {
    profile.setDifficulty(1);
    open(GetParam().screen);
    const DialogSpec& layout = panel->dialogs().top()->layout();
    EXPECT_EQ(layout.height, GetParam().height);
    EXPECT_EQ(layout.sliderCount, 2);
    EXPECT_EQ(layout.checkboxCount, GetParam().checkboxes);
    EXPECT_EQ(layout.buttonCount, 1);
    EXPECT_EQ(panel->firstDisplayBox(), GetParam().firstDisplayBox);
    if (GetParam().firstDisplayBox > 0) {
        EXPECT_EQ(box(1), kCheckboxTicked);
    }
    const ksFont* labels = resources->getFont("font_dlg_med");
    EXPECT_EQ(labels->tracking(), -2.0f) << "the label font keeps the panel's spacing";
    EXPECT_EQ(labels->spaceWidth(), 4);
}

INSTANTIATE_TEST_SUITE_P(PuzzleAndAction, PanelVariants,
                         ::testing::Values(Variant{kPuzzleOptionsScreen, 300, 3, 0},
                                           Variant{kActionOptionsScreen, 380, 6, 3}));

TEST_F(OptionsWorld, TheThemeArrowsStepThroughTheUnlockedThemesAndWrap) {
    profile.unlockNextTheme();
    profile.unlockNextTheme(); // themes 0, 1 and 2
    open(kOptionsScreen);
    ASSERT_TRUE(panel->hasThemeButtons());
    const DialogSpec& layout = panel->dialogs().top()->layout();
    const CentredRect previous = layout.buttonRects[1], next = layout.buttonRects[2];
    click(x(next.centreX), y(next.centreY));
    EXPECT_EQ(profile.theme(), 1);
    click(x(previous.centreX), y(previous.centreY));
    click(x(previous.centreX), y(previous.centreY));
    EXPECT_EQ(profile.theme(), 2);
    EXPECT_EQ(storedProfile().theme(), 2);
    EXPECT_EQ(screens.current(), kOptionsScreen) << "the arrows do not close the panel";
}

} // namespace
