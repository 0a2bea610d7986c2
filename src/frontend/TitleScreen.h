// TitleScreen.h: the title screen with the main menu, the exit question and the continue question.
#pragma once

#include "DeveloperCode.h"
#include "engine/input/ksInputState.h"
#include "ui/DialogBox.h"
#include "ui/DialogManager.h"
#include "ui/FocusCycle.h"
#include "ui/GameScreen.h"
#include "ui/MenuButton.h"

#include <array>
#include <string_view>

struct GameContext;
class ksFont;
class ksImage;
class ksSoundHandle;

// The first screen. Seven buttons painted on the title picture light up under the pointer (the
// mode buttons also show the mascot's pose for that mode); the typed developer code and its
// record keys are read in every frame, whatever is open. Leaving through the exit question goes
// back past the first screen, which ends the game.
class TitleScreen final : public GameScreen {
public:
    enum MenuId : int {
        kClassicButton,
        kPuzzleButton,
        kActionButton,
        kHighScoresButton,
        kOptionsButton,
        kExitButton,
        kWebButton,
        kMenuButtonCount
    };

    // Builds the menu and both questions, starts the title music and applies the profile's volumes.
    explicit TitleScreen(GameContext& context);

    // Coming back from a game started here restarts the title music.
    void enter() override;
    bool update() override;
    void setFocusLost(bool lost) override;
    void draw() override;
    void redraw() override;

    bool isExitBoxOpen() const { return m_exitBox.isOpen(); }
    bool isContinueBoxOpen() const { return m_continueBox.isOpen(); }
    // The one-button message: how to leave full screen (once, at the first start), or the web
    // address when no browser could be opened for it.
    bool isNoticeOpen() const { return m_noticeBox.isOpen(); }
    const DialogSpec& notice() const { return m_noticeBox.layout(); }
    // The developer code typed so far.
    std::string_view typedCode() const { return m_code.typed(); }

private:
    using MenuButtons = std::array<MenuButton, kMenuButtonCount>;
    static MenuButtons makeMenuButtons(const ksTimer& timer);

    void buildQuestions();
    void readDeveloperKeys();
    bool updateExitBox();
    bool updateContinueBox();
    void updateNotice();
    void showNotice(const char* title, std::string message);
    // At the first start in full screen, says once how to leave it.
    void maybeShowFullScreenTip();
    void openWebLink();
    bool updateMenu();
    // Carries out a click on the button; true when the screen is done.
    bool act(int id);
    bool startGame(int screenId);
    // Forgets the saved Action game: the next Action game starts at round 0 with the current
    // difficulty and number of colours.
    void startFreshActionGame();
    void paintTitle();

    GameContext& m_context;
    ksImage* m_title;
    ksImage* m_highlight;
    ksImage* m_mascot;
    ksFont* m_headFont;
    ksFont* m_messageFont;
    ksFont* m_codeFont;
    ksSoundHandle* m_click;
    DialogManager m_dialogs;
    DialogBox m_exitBox;
    DialogBox m_continueBox;
    DialogBox m_noticeBox;
    MenuButtons m_buttons;
    MenuFocus m_menuFocus;
    ksInput m_input;
    DeveloperCode m_code;
    float m_fadeClock = 0.0f;
    bool m_titleSettled = false;
    bool m_leavingForGame = false;
    bool m_fullScreenTipDue = true;
};
