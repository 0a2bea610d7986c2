// PlayScreen.h: the common base of the three game-mode screens.
#pragma once

#include "SoundCues.h"
#include "engine/core/ScreenRect.h"
#include "engine/input/TypedKeys.h"
#include "engine/input/ksInputState.h"
#include "engine/scene/ksScene.h"
#include "game/board/BalloonImageTable.h"
#include "game/rules/GameConstants.h"
#include "game/rules/RulesEvents.h"
#include "stage/BannerMessage.h"
#include "stage/EffectPool.h"
#include "stage/FloatingScore.h"
#include "stage/PopEffect.h"
#include "ui/AutoplayTarget.h"
#include "ui/DialogBox.h"
#include "ui/DialogManager.h"
#include "ui/Fader.h"
#include "ui/FocusCycle.h"
#include "ui/GameScreen.h"
#include "ui/MenuButton.h"

#include <array>
#include <optional>
#include <string_view>

class BalloonBoard;
class ksFont;
class ksImage;
struct GameContext;

// One menu button of a mode: its place on the screen, and the pictures its normal and hover
// faces are cut from at the source point.
struct MenuButtonDesign {
    ScreenRect rect;
    const char* upPicture = "";
    const char* overPicture = "";
    int sourceX = 0;
    int sourceY = 0;
};

// What a mode's screen looks like to the base: its backdrop, its intro picture, the options
// screen it opens and its nine menu buttons.
struct PlayScreenDesign {
    static constexpr int kMenuButtons = 9;

    const char* backdrop = "";
    const char* introPicture = "";
    // A mode whose help is one picture names it and the help box's title; with no picture the
    // help box shows the four shared pages.
    const char* helpTitle = "Help";
    const char* helpPicture = "";
    int optionsScreen = kOptionsScreen;
    int buttonDepth = 0;
    // Where the game music starts when the screen is entered.
    int musicOrder = 0;
    std::array<MenuButtonDesign, kMenuButtons> buttons{};
    // The plaque the score is written on: floating scores end just short of it. None when empty.
    ScreenRect scorePlaque = ScreenRect::fromPositionSize(0, 0, 0, 0);
    // Inside the board's frame: banners show only here, and never over the frame's border.
    ScreenRect bannerArea = ScreenRect::fromPositionSize(0, 0, 640, 480);
};

// The base owns what every mode needs in the same way: the input snapshots, the scene of
// moving objects with the effect pools, the sound cues, the six common dialogs and the help
// pages, the fade of the backdrop, the state machine, the pause on focus loss and the order of a
// frame's work. Each mode overrides the operations that carry its rules.
//
// A frame (update): keep the last snapshot and poll a new one, take the frame time, the mode's
// frameStarted (its clocks), frameTick (the open dialog runs and eats the input it used), then,
// unless paused, modeStep with the state; in the finished state update answers true.
// modeStep is the one place a state turns into work: the base runs fadeInStep, playStep and
// fadeOutStep, and a mode adds its own states (Classic's game over, Action's filling).
//
// Pausing: losing the focus pauses the music and the effects, shows "PAUSED" when no other
// dialog is up, and stops the state steps; regaining the focus does not end it by itself while
// the pause box shows: the player has to click.
class PlayScreen : public GameScreen, public AutoplayTarget {
public:
    // The states; 1 and 3 belong to the modes (Classic: 3 game over).
    static constexpr int kFadingIn = 0;
    static constexpr int kPlaying = 2;
    static constexpr int kFadingOut = 4;
    static constexpr int kFinished = 5;
    static constexpr int kSceneCapacity = 300;
    static constexpr int kHelpPages = 4;
    static constexpr float kFadeSeconds = 0.5f;
    // Dialog button ids.
    static constexpr int kOkId = 0;
    static constexpr int kYesId = 3;
    static constexpr int kNoId = 4;
    static constexpr int kNextPageId = 7;
    static constexpr int kPrevPageId = 8;
    // The menu button that asks whether to leave for the main menu.
    static constexpr int kMainMenuButton = 3;

    PlayScreen(GameContext& context, const PlayScreenDesign& design);
    ~PlayScreen() override;
    PlayScreen(const PlayScreen&) = delete;
    PlayScreen& operator=(const PlayScreen&) = delete;

    // Slots 0 to 4, the screen interface.
    // Clears leave, activates, and when finished resets the presentation.
    void enter() override;
    bool update() override;
    void setFocusLost(bool lost) override;
    // Nothing when finished or under a dialog; the fades while fading in or out; otherwise the
    // mode's picture (drawPlay).
    void draw() override;
    // Paints the backdrop when it is fully shown, lets the dialogs repaint, then draws.
    void redraw() override;

    // Slots 5 to 19.
    virtual BalloonBoard& getBoard() = 0;
    // The fader back to its start value and running; the input snapshots start afresh; the
    // backdrop is to be painted again.
    virtual void resetPresentation();
    // An empty scene with the nine menu buttons in it.
    virtual void activate();
    // The mode hook on menu button 0; Classic undoes a move with it.
    virtual void undoMove() {}
    virtual void startFadeIn();
    virtual void startPlay();
    // The screen's last picture fades into the picture of the screen to come, which paints
    // itself now (and once more when the fade ends).
    virtual void startFadeOut();
    virtual void fadeInStep();
    // The mode's rules; empty here.
    virtual void playStep() {}
    virtual void fadeOutStep();
    virtual void askNewGame();
    virtual void askMainMenu();
    // Leaves for the options screen, which paints over this one's picture.
    virtual void openOptions();
    virtual bool isDialogOpen() const;
    // The common dialogs' frame: each open one runs, its keys and results are handled, and the
    // input it used is cleared for everyone.
    virtual void frameTick();
    // The work of one state in one frame (never called while paused or finished): 0 fadeInStep,
    // 2 playStep, 4 fadeOutStep; the modes add theirs.
    virtual void modeStep(int state);
    // The mode's first look at a new frame, after the input and the frame time and before the
    // dialogs: its clocks.
    virtual void frameStarted() {}

    // The built-in player: a dialog waiting for an answer, or where to click now.
    AutoplayView autoplayView() override;

    int state() const { return m_state; }
    bool isPaused() const { return m_paused; }
    bool isLeaving() const { return m_leave; }
    bool isBackdropReady() const { return m_backdropReady; }
    bool wasIntroShown() const { return m_introShown; }
    int helpPage() const { return m_helpPage; }
    const Fader& fader() const { return m_fader; }
    float frameSeconds() const { return m_frameSeconds; }
    float elapsed() const { return m_elapsed; }
    ksScene& scene() { return m_scene; }
    DialogManager& dialogs() { return m_dialogs; }
    const DialogManager& dialogs() const { return m_dialogs; }
    DialogBox& newGameDialog() { return m_newGameDialog; }
    DialogBox& mainMenuDialog() { return m_mainMenuDialog; }
    DialogBox& nameEntryDialog() { return m_nameEntryDialog; }
    DialogBox& pauseDialog() { return m_pauseDialog; }
    DialogBox& introDialog() { return m_introDialog; }
    DialogBox& helpDialog() { return m_helpDialog; }
    DialogBox& saveFailedDialog() { return m_saveFailedDialog; }
    MenuButton& menuButton(int id) { return m_buttons[static_cast<std::size_t>(id)]; }
    SoundCues& cues() { return m_cues; }
    const ksInput& input() const { return m_input; }
    const ksInput& previousInput() const { return m_previousInput; }

protected:
    // The backdrop while it fades in, the last picture while it fades out, the backdrop
    // painted once the fade is over.
    void drawTransition();
    // The picture between the fades; the base has only its backdrop.
    virtual void drawPlay() { drawTransition(); }
    // Opens `box` unless a dialog is already open (the request is then lost). The menu buttons
    // leave the scene while it shows, so they neither react nor draw.
    void openDialog(DialogBox& box);
    // Closes `box` and puts the menu buttons back.
    void closeDialog(DialogBox& box);
    void openHelp();
    // Stops every sound and starts the game music at the mode's order.
    void startMusic();

    // Effects from the pools, added to the scene; null (and nothing shown) when the pool is busy.
    BannerMessage* spawnBanner(std::string_view line1, const ksFont* font1, std::string_view line2 = {},
                               const ksFont* font2 = nullptr);
    FloatingScore* spawnFloatingScore(ksFont* font, float startX, float startY, float endX, float endY,
                                      int32_t value, float delay, float flightTime);
    PopEffect* spawnPopEffect(const BurstPictures::Frames* frames, float centreX, float centreY);
    // The burst of `colour` at the place (row, column) of `board`.
    void spawnBalloonPop(const BalloonBoard& board, int row, int column, int colour);
    // A banner the rules asked for, its fonts looked up by name.
    void showRulesBanner(const GameBanner& banner);

    // Runs the menu buttons: a left-button release over one runs menuButtonClicked.
    void runMenuButtons();
    // The keyboard focus on the menu buttons (Tab): its ring, whether it shows, hiding it when
    // the board takes the keys.
    void drawMenuFocus();
    bool isMenuFocusShown() const { return m_menuFocus.isShown(); }
    void hideMenuFocus();
    // 0 the mode hook, 1 new game, 2 options, 3 main menu, 4 pause, 5 help; others nothing.
    virtual void menuButtonClicked(int id);
    // Where the built-in player clicks in the mode's game now; nothing to wait.
    virtual std::optional<AutoplayPoint> autoplayClick() { return std::nullopt; }

    void setState(int state) { m_state = state; }
    // The fader back to its start, running; and one step of it by this frame's time (the Action
    // meter fades in with it at every round).
    void restartFader() { m_fader.reset(); }
    void stepFader() { m_fader.step(m_frameSeconds); }
    void setLeave(bool leave) { m_leave = leave; }
    // Paints the backdrop into the background buffer and the frame (the frame stays selected).
    void paintBackdrop();
    // A mode whose backdrop changes during play (Puzzle: each puzzle its own); a missing picture
    // keeps the one shown. The next draw paints it.
    void setBackdrop(ksImage* picture);

    GameContext& context() { return m_context; }
    const GameContext& context() const { return m_context; }
    const BalloonImageTable& balloonImages() const { return m_balloonImages; }
    // The picture of a prize kind (0 to 5) in a theme (0 to 4); null outside those.
    const ksImage* presentPicture(int theme, int kind) const;
    ksFont* font(const char* name);

private:
    // The first steps of every frame: the input snapshots and the frame time.
    void beginFrame();
    // Unless paused, the step of the current state (first telling the player, once, that a save
    // failed); answers what update answers.
    bool stepState();
    template <typename Effect, std::size_t Count>
    Effect* takeFromPool(EffectPool<Effect, Count>& pool);
    void buildDialogs();
    DialogSpec dialogSpec(const char* title, const char* message, int width, int height) const;
    void drawDialogPicture(const ksImage* picture, float opacity) const;

    GameContext& m_context;
    PlayScreenDesign m_design;
    ksInput m_input;
    ksInput m_previousInput;
    ksScene m_scene{kSceneCapacity};
    ksImage* m_backdrop;
    ksImage* m_introPicture;
    // What the screen showed when its fade-out began.
    ksImage m_lastPicture;
    ksFont* m_titleFont;
    ksFont* m_messageFont;
    SoundCues m_cues;
    BalloonImageTable m_balloonImages;
    BurstPictures m_bursts;
    std::array<std::array<const ksImage*, kPrizeKinds>, kThemes> m_presents{};
    EffectPool<BannerMessage, 5> m_banners;
    EffectPool<PopEffect, 32> m_popEffects;
    EffectPool<FloatingScore, 32> m_floatingScores;
    std::array<MenuButton, PlayScreenDesign::kMenuButtons> m_buttons;
    MenuFocus m_menuFocus;

    DialogManager m_dialogs;
    DialogBox m_newGameDialog;
    DialogBox m_mainMenuDialog;
    DialogBox m_nameEntryDialog;
    DialogBox m_pauseDialog;
    DialogBox m_introDialog;
    DialogBox m_helpDialog;
    // Tells the player once per run that a save failed (a full disk, a read-only home).
    DialogBox m_saveFailedDialog;
    std::array<const ksImage*, kHelpPages> m_helpPages{};
    int m_helpPage = 0;
    int m_helpPageCount = kHelpPages;
    int m_helpX = 0;
    int m_helpY = 0;

    Fader m_fader;
    int m_state = kFinished;
    bool m_paused = false;
    bool m_leave = false;
    bool m_backdropReady = false;
    bool m_introShown = false;
    float m_frameSeconds = 0.0f;
    float m_elapsed = 0.0f;
};
