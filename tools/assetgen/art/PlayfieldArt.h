// PlayfieldArt.h: the Classic and Action backdrops, their menu-button pictures and extras.
#pragma once

#include "Raster.h"

enum class PlayMode { Classic, Action };

struct PlayfieldLook {
    PlayMode mode = PlayMode::Classic;
};

inline constexpr int kScreenWidth = 640;
inline constexpr int kScreenHeight = 480;

// The full 640 x 480 backdrop with the board panel, the podium and its buttons, the prize
// shelf (Classic) or the meter bar and round sign (Action), and the score plaque.
Raster paintPlayfield(const PlayfieldLook& look);

// The podium pictures the menu buttons are cut from: the screen's rows from y 328 down, as a
// 448 x 477 picture, so that source (36, 37) shows screen (36, 365). Rows below the screen
// (where the unused off-screen buttons are cut) are plain. The width is a whole
// number of 8-pixel JPEG blocks, so every block on screen matches the backdrop's exactly.
inline constexpr int kPodiumOffsetY = 328;
inline constexpr int kPodiumWidth = 448;
inline constexpr int kPodiumHeight = 477;
Raster podiumPicture(const Raster& playfield);

// The hover faces: the menu buttons of the screen (the podium's, and Classic's undo) lit, alone
// on a clear 640 x 480 picture, so every face carries its button's rounded outline as alpha.
Raster paintLitMenuButtons(PlayMode mode);
// The podium rows of those faces, placed as in podiumPicture; rows below the screen are clear.
Raster podiumHoverPicture(const Raster& litButtons);

// Action extras: the gold-star meter (drawn at (149, 8), cut from the left as it fills), its
// highlight, and the pull cord whose handle the mascot grabs.
inline constexpr int kMeterWidth = 440;
inline constexpr int kMeterHeight = 22;
Raster paintMeter();
Raster paintMeterHighlight();
inline constexpr int kCordHeight = 300;
Raster paintCord();
