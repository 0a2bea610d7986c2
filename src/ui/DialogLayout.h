// DialogLayout.h: where a dialog's parts go, as plain arithmetic over its description.
#pragma once

#include "DialogDescription.h"
#include "engine/core/ScreenRect.h"

#include <string_view>

class ksCanvas;

namespace dialoglayout {

// Caption buttons are drawn this much taller than their given height.
inline constexpr int kCaptionButtonExtraHeight = 5;
// Captions sit this much below the button's centre.
inline constexpr int kCaptionDrop = 3;
// The default button's outline reaches this far past the button on every side.
inline constexpr int kDefaultOutlineMargin = 3;
inline constexpr int kTitleY = 36;

ScreenRect fromCentre(const CentredRect& r);
ScreenRect captionButtonRect(const CentredRect& r);
// The picture's size centred on the rectangle's centre; empty without a picture.
ScreenRect pictureButtonRect(const CentredRect& r, int pictureWidth, int pictureHeight);
ScreenRect fromCorner(const CornerRect& r);

// The y of the title's rule line: under the title, by the title font's line height.
int titleRuleY(int titleHeight);

// The centre y of the first of `lineCount` message lines of height `messageHeight`, so that the
// block sits between the title (line height `titleHeight`) and the highest control
// (`lowestControlTop`, the top of the controls' row). Further lines follow one line height lower.
int firstMessageLineY(int titleHeight, int messageHeight, int lowestControlTop, int lineCount);

int countLines(std::string_view text);
// Line `index` of the text, cut at "\n"; empty past the last line.
std::string_view lineAt(std::string_view text, int index);

// Cuts every count to 0 ... kMaxItems and a knob count below 1 to 1; true when something was cut.
bool clampCounts(DialogSpec& layout);
// The dialog is composed in the canvas's spare buffer, so it can be no larger than the canvas;
// false without a canvas.
bool sizeFits(const DialogSpec& layout);

} // namespace dialoglayout
