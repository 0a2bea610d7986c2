// TitleScreen.cpp: the title screen with the main menu, the exit question and the continue question.
#include "TitleScreen.h"

#include "FullScreenTip.h"
#include "WebLink.h"
#include "engine/core/WakeRequests.h"
#include "engine/core/ksTimer.h"
#include "engine/input/TypedKeys.h"
#include "engine/os/KestrinOS.h"
#include "engine/resources/ksResources.h"
#include "engine/sound/ksSoundHandle.h"
#include "engine/store/PlayerProfile.h"
#include "engine/store/ProfileStorage.h"
#include "engine/store/ksRegistry.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksFont.h"
#include "engine/video/ksImage.h"
#include "ui/GameContext.h"

#include <utility>

namespace {

// Where each menu button lies on the title picture, by id.
constexpr std::array<ScreenRect, TitleScreen::kMenuButtonCount> kMenuRects = {
    ScreenRect::fromPositionSize(13, 223, 131, 148),  ScreenRect::fromPositionSize(152, 223, 131, 148),
    ScreenRect::fromPositionSize(291, 223, 131, 148), ScreenRect::fromPositionSize(123, 396, 126, 46),
    ScreenRect::fromPositionSize(252, 396, 126, 46),  ScreenRect::fromPositionSize(382, 396, 126, 46),
    ScreenRect::fromPositionSize(6, 390, 111, 83),
};
// The highlighted picture holds the title from this row down.
constexpr int kHighlightTop = 222;

// The mascot strip: poses of kMascotWidth x kMascotHeight side by side; pose id + 1 belongs to
// mode button id.
constexpr int kMascotX = 486;
constexpr int kMascotY = 159;
constexpr int kMascotWidth = 70;
constexpr int kMascotHeight = 83;

// The title fades in over a third of a second, once per run.
constexpr float kFadeInRate = 3.0f;
constexpr int kTitleMusicOrder = 10;
constexpr int kMusicSound = 0;

constexpr int32_t kOkId = 0;
constexpr int32_t kYesId = 3;
constexpr int32_t kNoId = 4;
constexpr int kMoveRecordOff = 0;
constexpr int kMoveRecordPlayback = 1;
constexpr int kMoveRecordRecording = 2;

template <std::size_t... I>
std::array<MenuButton, sizeof...(I)> makeButtons(const ksTimer& timer, std::index_sequence<I...>) {
    return {MenuButton(static_cast<int32_t>(I), kMenuRects[I], timer)...};
}

} // namespace

TitleScreen::MenuButtons TitleScreen::makeMenuButtons(const ksTimer& timer) {
    return makeButtons(timer, std::make_index_sequence<kMenuButtonCount>{});
}

TitleScreen::TitleScreen(GameContext& context)
    : m_context(context)
    , m_title(context.resources.getImage("title"))
    , m_highlight(context.resources.getImage("buttons"))
    , m_mascot(context.resources.getImage("spike_title"))
    , m_headFont(context.resources.getFont("font_dlg_head"))
    , m_messageFont(context.resources.getFont("font_dlg_med"))
    , m_codeFont(context.resources.getFont("font_dlg_small"))
    , m_click(context.resources.getSound("button_click"))
    , m_dialogs(context.resources)
    , m_exitBox(m_dialogs, *this, context.timer)
    , m_continueBox(m_dialogs, *this, context.timer)
    , m_noticeBox(m_dialogs, *this, context.timer)
    , m_buttons(makeMenuButtons(context.timer)) {
    buildQuestions();
    // The title picture already shows the buttons; the highlighted picture serves for hover
    // and press alike.
    for (MenuButton& button : m_buttons) {
        const ScreenRect& rect = button.rect();
        button.setHover(m_highlight, rect.left, rect.top - kHighlightTop);
        button.setPressed(m_highlight, rect.left, rect.top - kHighlightTop);
    }
    context.resources.getSound("music")->play();
    context.sound.setOrder(kTitleMusicOrder);
    context.sound.setVolumes(context.profile.effectsVolume(), context.profile.musicVolume());
    m_code.clear();
}

void TitleScreen::buildQuestions() {
    DialogSpec& exit = m_exitBox.layout();
    exit = centredDialog(m_context.canvas, m_context.dialogVeil, 390, 198);
    exit.titleFont = m_headFont;
    exit.messageFont = m_messageFont;
    exit.buttonFont = m_messageFont;
    exit.title = "EXIT GAME";
    exit.message = "ARE YOU SURE?";
    addButton(exit, kYesId, "YES", {130, 148, 100, 40});
    addButton(exit, kNoId, "NO", {260, 148, 100, 40});
    exit.defaultId = kYesId;

    DialogSpec& resume = m_continueBox.layout();
    resume = exit;
    resume.width = 500;
    resume.height = 270;
    resume.title = "CONTINUE?";
    resume.message = "You have a saved game.\n"
                     "If you don't continue, your saved game will be deleted.\n"
                     "\n"
                     "Do you want to continue from where you left off\n"
                     "using your previous game options?";
    resume.buttonCaptions[0] = "Continue";
    resume.buttonRects[0] = {156, 220, 130, 40};
    resume.buttonCaptions[1] = "New Game";
    resume.buttonRects[1] = {343, 220, 130, 40};

    DialogSpec& notice = m_noticeBox.layout();
    notice = centredDialog(m_context.canvas, m_context.dialogVeil, 430, 198);
    notice.titleFont = m_headFont;
    notice.messageFont = m_messageFont;
    notice.buttonFont = m_messageFont;
    addButton(notice, kOkId, "OK", {215, 148, 100, 40});
    notice.defaultId = kOkId;
}

void TitleScreen::showNotice(const char* title, std::string message) {
    DialogSpec& notice = m_noticeBox.layout();
    notice.title = title;
    notice.message = std::move(message);
    m_noticeBox.open();
}

void TitleScreen::enter() {
    if (m_leavingForGame) {
        ksSoundSystem& sound = m_context.sound;
        sound.stopAll();
        sound.play(kMusicSound);
        sound.setOrder(kTitleMusicOrder);
    }
}

bool TitleScreen::update() {
    const float seconds = static_cast<float>(m_context.timer.frameSeconds());
    m_input.poll();
    readDeveloperKeys();
    m_leavingForGame = false;
    m_fadeClock += seconds * kFadeInRate;
    if (m_fadeClock < 1.0f) {
        WakeRequests::nextFrame();
    }
    if (m_exitBox.isOpen()) {
        return updateExitBox();
    }
    if (m_continueBox.isOpen()) {
        return updateContinueBox();
    }
    if (m_noticeBox.isOpen()) {
        updateNotice();
        return false;
    }
    maybeShowFullScreenTip();
    if (m_noticeBox.isOpen()) {
        return false;
    }
    return updateMenu();
}

void TitleScreen::readDeveloperKeys() {
    m_code.append(m_input);
    // Shown as typed, with the font's centre on the top edge: only its lower half is visible.
    m_codeFont->drawText(m_code.typed(), 0, 0, ALIGN_LEFT);
    if (m_code.takeCompleted()) {
        m_context.developerMode = !m_context.developerMode;
        // The code holds an "R", so typing it again to leave developer mode has just switched
        // recording on; recording must not go on unseen once the indicator is hidden.
        if (!m_context.developerMode) {
            m_context.moveRecordState = kMoveRecordOff;
        }
    }
    if (!m_context.developerMode) {
        return;
    }
    if (m_input.wasTyped('r') || m_input.wasTyped('R')) {
        m_context.moveRecordState = kMoveRecordRecording;
    }
    if (m_input.wasTyped('p') || m_input.wasTyped('P')) {
        m_context.moveRecordState = kMoveRecordPlayback;
    }
}

bool TitleScreen::updateExitBox() {
    if (m_dialogs.getPressedId() >= 0) {
        m_click->play();
    }
    if (m_input.wasTyped(kEscapeKey)) {
        m_dialogs.pressButton(kNoId);
    }
    switch (m_exitBox.runFrame(m_input, kYesId)) {
    case kYesId:
        // The game ends once this screen is left without a next one; keep what the player
        // changed since the last save (the current puzzle and its attempts).
        savePlayerProfile(m_context.settings, m_context.profile);
        return true;
    case kNoId:
        m_exitBox.close();
        redraw();
        return false;
    default:
        return false;
    }
}

bool TitleScreen::updateContinueBox() {
    if (m_dialogs.getPressedId() >= 0) {
        m_click->play();
    }
    const int32_t result = m_continueBox.runFrame(m_input, kYesId);
    if (result != kYesId && result != kNoId) {
        return false;
    }
    if (result == kNoId) {
        startFreshActionGame();
        savePlayerProfile(m_context.settings, m_context.profile);
    }
    m_continueBox.close();
    redraw();
    return startGame(kActionScreen);
}

void TitleScreen::updateNotice() {
    if (m_dialogs.getPressedId() >= 0) {
        m_click->play();
    }
    if (m_input.wasTyped(kEscapeKey)) {
        m_dialogs.pressButton(kOkId);
    }
    if (m_noticeBox.runFrame(m_input, kOkId) == kOkId) {
        m_noticeBox.close();
        redraw();
    }
}

void TitleScreen::maybeShowFullScreenTip() {
    // Over the settled title, never while it fades in.
    if (!m_fullScreenTipDue || m_fadeClock < 1.0f) {
        return;
    }
    m_fullScreenTipDue = false;
    if (m_context.settings.isWindowed() || fullscreentip::wasShown(m_context.paths.configDir)) {
        return;
    }
    fullscreentip::markShown(m_context.paths.configDir);
    showNotice("FULL SCREEN", "To leave full screen,\npress F11 or Alt+Enter.");
}

bool TitleScreen::updateMenu() {
    if (m_input.wasTyped(kEscapeKey)) {
        return act(kExitButton);
    }
    const bool clicked = m_input.isReleased();
    const int32_t keyed = m_menuFocus.step(m_input, m_buttons);
    bool done = false;
    for (MenuButton& button : m_buttons) {
        button.update();
        const int id = button.getId();
        if (!button.isHovered()) {
            continue;
        }
        if (id <= kActionButton) {
            m_mascot->drawPart(kMascotX, kMascotY, kMascotWidth * (id + 1), 0, kMascotWidth, kMascotHeight);
        }
        if (clicked && !done) {
            m_click->play();
            done = act(id);
        }
    }
    if (keyed >= 0 && !done) {
        m_click->play();
        done = act(keyed);
    }
    return done;
}

bool TitleScreen::act(int id) {
    switch (id) {
    case kClassicButton:
        return startGame(kClassicScreen);
    case kPuzzleButton:
        return startGame(kPuzzleScreen);
    case kActionButton:
        if (m_context.profile.savedRound() < 1) {
            startFreshActionGame();
            savePlayerProfile(m_context.settings, m_context.profile);
            return startGame(kActionScreen);
        }
        m_continueBox.open();
        return false;
    case kHighScoresButton:
    case kOptionsButton:
        // The next screen opens its dialog over this picture.
        draw();
        m_context.canvas.copyFrameToBackground();
        m_context.screens.requestSwitch(id == kHighScoresButton ? kHighScoreScreen : kOptionsScreen);
        return true;
    case kExitButton:
        m_exitBox.open();
        return false;
    case kWebButton:
        openWebLink();
        return false;
    default:
        return false;
    }
}

void TitleScreen::openWebLink() {
    const std::string address = m_context.settings.getString("zundoURL");
    if (openWebAddress(m_context.os, address) == WebLinkResult::NoBrowser) {
        // Nothing would happen on the screen otherwise: the player can still type it.
        showNotice("VISIT OUR WEBSITE", "No web browser could be opened.\nThe address is\n" + address);
    }
}

bool TitleScreen::startGame(int screenId) {
    m_context.screens.requestSwitch(screenId);
    m_leavingForGame = true;
    return true;
}

void TitleScreen::startFreshActionGame() {
    PlayerProfile& profile = m_context.profile;
    profile.setSavedGame(0, profile.difficulty(), 0.0f, profile.colours());
}

void TitleScreen::setFocusLost(bool lost) {
    if (lost) {
        m_context.sound.pauseMusic();
        draw();
        m_context.canvas.copyFrameToBackground();
    } else {
        m_context.sound.resumeMusic();
        redraw();
    }
}

void TitleScreen::draw() {
    if (m_exitBox.isOpen() || m_continueBox.isOpen() || m_noticeBox.isOpen()) {
        return;
    }
    if (m_fadeClock < 1.0f) {
        m_title->drawFaded(0, 0, m_fadeClock);
    } else if (!m_titleSettled) {
        paintTitle();
        m_titleSettled = true;
    }
    for (MenuButton& button : m_buttons) {
        button.update();
        button.draw();
    }
    m_menuFocus.draw(m_context.canvas, m_buttons);
}

void TitleScreen::paintTitle() {
    ksCanvas& canvas = m_context.canvas;
    canvas.selectBackground();
    m_title->draw(0, 0);
    canvas.selectFrame();
    m_title->draw(0, 0);
}

void TitleScreen::redraw() {
    if (m_titleSettled && !m_exitBox.isOpen() && !m_noticeBox.isOpen()) {
        paintTitle();
    }
    m_dialogs.repaint();
    draw();
}
