// FrontEndScreens.h: makes the screens of the front end for the screen table.
#pragma once

#include "ui/GameScreen.h"

#include <memory>

struct GameContext;

// The title screen, the three options panels and the high-score screen; null for any other id.
std::unique_ptr<GameScreen> makeFrontEndScreen(int id, GameContext& context);
