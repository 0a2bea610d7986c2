// HelpArt.h: the four help pages and the three quick-tip pictures that explain the modes.
#pragma once

#include "Raster.h"

// All seven pictures share one size: drawn centred at (320, 228) over the 600 x 440 help and
// intro dialogs, they cover the dialog's own title and message, while their transparent bottom
// strip (from row 341) leaves the dialog's buttons at screen rows 388..432 visible.
inline constexpr int kHelpWidth = 560;
inline constexpr int kHelpHeight = 376;
inline constexpr int kHelpPanelHeight = 341;

// Help pages 1 to 4: how to play, Classic, Action, Puzzle.
Raster paintHelpPage(int page);

enum class TipMode { Classic, Action, Puzzle };
Raster paintQuickTip(TipMode mode);
