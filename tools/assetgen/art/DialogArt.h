// DialogArt.h: dialog templates, widgets, arrows, the pointer and the small indicators.
#pragma once

#include "Raster.h"

// The nine templates the dialog manager slices (each documented where it is painted).
Raster paintDialogBoxTemplate();
Raster paintButtonTemplate(bool hovered);
Raster paintEntryTemplate();
Raster paintTabTemplate();
Raster paintCheckbox();
Raster paintSliderTemplate();
Raster paintSliderKnob();
Raster paintDefaultButtonTemplate();

// Round page and theme arrows, 32 x 32.
Raster paintArrowButton(bool next, bool hovered);

// The enhanced pointer; its hotspot is the top-left pixel.
Raster paintCursor();

// Developer indicators shown at (0, 0) while moves are recorded or played back.
Raster paintRecordIndicator();
Raster paintPlayIndicator();

// Puzzle selector: the dialog background, the lock over locked puzzles, the solved badge.
Raster paintPuzzleSelector();
Raster paintPuzzleLocked();
Raster paintPuzzlePassed();
