// FrontEndScreens.cpp: makes the screens of the front end for the screen table.
#include "FrontEndScreens.h"

#include "HighScoreScreen.h"
#include "OptionsPanel.h"
#include "TitleScreen.h"

std::unique_ptr<GameScreen> makeFrontEndScreen(int id, GameContext& context) {
    switch (id) {
    case kTitleScreen:
        return std::make_unique<TitleScreen>(context);
    case kOptionsScreen:
    case kPuzzleOptionsScreen:
    case kActionOptionsScreen:
        return std::make_unique<OptionsPanel>(context, id);
    case kHighScoreScreen:
        return std::make_unique<HighScoreScreen>(context);
    default:
        return nullptr;
    }
}
