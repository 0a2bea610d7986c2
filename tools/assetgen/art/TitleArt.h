// TitleArt.h: the title picture, its highlighted button strip and the little mascot strip.
#pragma once

#include "Raster.h"

#include <array>

struct TitleButton {
    int left, top, width, height;
};

// The seven menu buttons painted on the title: Classic, Puzzle, Action, High Scores, Options,
// Exit and the web link.
inline constexpr std::array<TitleButton, 7> kTitleButtons = {{{13, 223, 131, 148},
                                                              {152, 223, 131, 148},
                                                              {291, 223, 131, 148},
                                                              {123, 396, 126, 46},
                                                              {252, 396, 126, 46},
                                                              {382, 396, 126, 46},
                                                              {6, 390, 111, 83}}};

// The highlighted strip holds the title from this row down.
inline constexpr int kButtonStripTop = 222;
// The little mascot stands in a 70 x 83 frame at (486, 159) on the title.
inline constexpr int kTitleMascotX = 486;
inline constexpr int kTitleMascotY = 159;
inline constexpr int kTitleMascotWidth = 70;
inline constexpr int kTitleMascotHeight = 83;

struct TitlePictures {
    Raster title;       // 640 x 480, opaque
    Raster buttons;     // 640 x 258: rows 222..479, every button lit and clear around them
    Raster mascotStrip; // 280 x 83: four frames (idle, Classic, Puzzle, Action) cut from the title
};

TitlePictures paintTitlePictures();
