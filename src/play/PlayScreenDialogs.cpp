// PlayScreenDialogs.cpp: the six dialogs every play screen shares, and their frame.
#include "PlayScreen.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksImage.h"
#include "ui/GameContext.h"

namespace {

constexpr const char* kEndGameQuestion = "This will end your current game.\nAre you sure?";

} // namespace

DialogSpec PlayScreen::dialogSpec(const char* title, const char* message, int width, int height) const {
    DialogSpec layout = centredDialog(m_context.canvas, m_context.dialogVeil, width, height);
    layout.titleFont = m_titleFont;
    layout.messageFont = m_messageFont;
    layout.buttonFont = m_messageFont;
    layout.entryFont = m_messageFont;
    layout.title = title;
    layout.message = message;
    return layout;
}

void PlayScreen::buildDialogs() {
    DialogSpec newGame = dialogSpec("NEW GAME", kEndGameQuestion, 470, 220);
    addButton(newGame, kYesId, "YES", {156, 170, 100, 40});
    addButton(newGame, kNoId, "NO", {313, 170, 100, 40});
    newGame.defaultId = kYesId;
    m_newGameDialog.layout() = newGame;

    DialogSpec mainMenu = dialogSpec("Go To Main Menu", kEndGameQuestion, 478, 220);
    addButton(mainMenu, kYesId, "YES", {159, 170, 100, 40});
    addButton(mainMenu, kNoId, "NO", {318, 170, 100, 40});
    mainMenu.defaultId = kYesId;
    m_mainMenuDialog.layout() = mainMenu;

    DialogSpec nameEntry = dialogSpec("You Got a High Score!", "Please enter your name.", 470, 260);
    nameEntry.centreY = 290;
    addButton(nameEntry, kOkId, "OK", {235, 210, 132, 40});
    nameEntry.entryCount = 1;
    nameEntry.entryRects[0] = CentredRect{235, 145, 180, 34};
    nameEntry.defaultId = kOkId;
    m_nameEntryDialog.layout() = nameEntry;

    // Fully shown from its first frame.
    DialogSpec pause = dialogSpec("PAUSED", "Click Anywhere to Resume", 470, 220);
    pause.startOpacity = 1.1f;
    m_pauseDialog.layout() = pause;

    // Its title and message lie under the mode's intro picture and are never drawn.
    DialogSpec intro = dialogSpec("Error", "You shouldn't see this", 600, 440);
    intro.hideTexts = true;
    addButton(intro, kOkId, "OK", {300, 390, 132, 40});
    intro.defaultId = kOkId;
    m_introDialog.layout() = intro;

    // Under the help pages, as the intro's.
    DialogSpec help = dialogSpec("Help", "", 600, 440);
    help.hideTexts = true;
    addButton(help, kPrevPageId, "Prev Page", {110, 390, 140, 40});
    addButton(help, kOkId, "OK", {300, 390, 132, 40});
    addButton(help, kNextPageId, "Next Page", {490, 390, 140, 40});
    help.closeId = kOkId;
    help.defaultId = kOkId;
    m_helpDialog.layout() = help;

    DialogSpec saveFailed = dialogSpec(
        "Scores Not Saved", "Your scores and statistics\ncannot be saved.\nThe disk may be full.", 470, 220);
    addButton(saveFailed, kOkId, "OK", {235, 170, 132, 40});
    saveFailed.defaultId = kOkId;
    m_saveFailedDialog.layout() = saveFailed;
}

void PlayScreen::drawDialogPicture(const ksImage* picture, float opacity) const {
    m_context.canvas.selectFrame();
    picture->drawFaded(m_helpX, m_helpY, opacity);
}

void PlayScreen::frameTick() {
    if (m_helpDialog.isOpen()) {
        const int32_t result = m_helpDialog.runFrame(m_input, kOkId);
        const int32_t pressed = m_dialogs.getPressedId();
        if (pressed == kNextPageId) {
            m_helpPage = (m_helpPage + 1) % kHelpPages;
        } else if (pressed == kPrevPageId) {
            m_helpPage = (m_helpPage + kHelpPages - 1) % kHelpPages;
        }
        drawDialogPicture(m_helpPages[static_cast<std::size_t>(m_helpPage)], m_helpDialog.getOpacity());
        if (result == kOkId) {
            closeDialog(m_helpDialog);
        }
        ksInput::clearAll();
    }

    if (m_introDialog.isOpen()) {
        const int32_t result = m_introDialog.runFrame(m_input, kOkId);
        drawDialogPicture(m_introPicture, m_introDialog.getOpacity());
        if (result == kOkId) {
            closeDialog(m_introDialog);
        }
        ksInput::clearAll();
    }

    if (m_saveFailedDialog.isOpen()) {
        if (m_saveFailedDialog.runFrame(m_input, kOkId) == kOkId) {
            closeDialog(m_saveFailedDialog);
        }
        ksInput::clearAll();
    }

    if (m_mainMenuDialog.isOpen()) {
        if (m_input.wasTyped(kEscapeKey)) {
            m_dialogs.pressButton(kNoId); // Escape again: back to the game
        }
        const int32_t result = m_mainMenuDialog.runFrame(m_input, kYesId);
        if (result == kYesId) {
            // The fade-out ends the screen without a switch request: back to the screen before.
            closeDialog(m_mainMenuDialog);
            startFadeOut();
        } else if (result == kNoId) {
            closeDialog(m_mainMenuDialog);
        }
        ksInput::clearAll();
    }

    if (m_pauseDialog.isOpen()) {
        m_pauseDialog.runFrame(m_input, DialogSpec::kNoId);
        // A key does not end the pause; setFocusLost lets only a click through.
        if (m_input.isReleased() || m_input.anyTyped()) {
            setFocusLost(false);
        }
        ksInput::clearAll();
    }
}
