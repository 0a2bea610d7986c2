// CurtainArt.cpp: the stage curtains that announce a puzzle's goal.
#include "CurtainArt.h"

#include "BalloonArt.h"
#include "Palette.h"
#include "PrizeArt.h"
#include "Shapes.h"
#include "Sketch.h"
#include "StageKit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr Colour kVelvetRed = Colour::hex(0xA8182E);

// One half of the drape: folds run down its width and gather toward the tie-back.
void paintDrape(cairo_t* cr, double x0, double width, bool leftHalf) {
    constexpr int kFolds = 9;
    const double foldWidth = width / kFolds;
    for (int i = 0; i < kFolds; ++i) {
        const double x = x0 + i * foldWidth;
        cairo_pattern_t* fold = cairo_pattern_create_linear(x, 0, x + foldWidth, 0);
        addStop(fold, 0.0, kVelvetRed.darker(0.45));
        addStop(fold, 0.45, kVelvetRed.lighter(0.12));
        addStop(fold, 0.7, kVelvetRed);
        addStop(fold, 1.0, kVelvetRed.darker(0.5));
        cairo_rectangle(cr, x, 0, foldWidth + 0.5, kCurtainHeight);
        cairo_set_source(cr, fold);
        cairo_fill(cr);
        cairo_pattern_destroy(fold);
    }
    // The valance along the top.
    cairo_rectangle(cr, x0, 0, width, 34);
    setColour(cr, kVelvetRed.darker(0.25));
    cairo_fill(cr);
    for (int i = 0; i < 8; ++i) {
        const double x = x0 + i * width / 8.0;
        cairo_arc(cr, x + width / 16.0, 34, width / 16.0, 0, kPi);
        setColour(cr, kVelvetRed.darker(0.25));
        cairo_fill(cr);
        cairo_arc(cr, x + width / 16.0, 34, width / 16.0, 0, kPi);
        cairo_set_line_width(cr, 3.0);
        setColour(cr, world::kGold);
        cairo_stroke(cr);
    }
    cairo_rectangle(cr, x0, 30, width, 3);
    setColour(cr, world::kGold);
    cairo_fill(cr);
    // Gold fringe along the bottom.
    for (double x = x0; x < x0 + width; x += 4) {
        cairo_move_to(cr, x + 2, 458);
        cairo_line_to(cr, x + 2, 472);
    }
    cairo_set_line_width(cr, 2.2);
    setColour(cr, world::kGold);
    cairo_stroke(cr);
    cairo_rectangle(cr, x0, 452, width, 7);
    setColour(cr, world::kGoldDeep);
    cairo_fill(cr);
    // The tie-back rope with its tassel on the outer side.
    const double ropeX = leftHalf ? x0 + 34 : x0 + width - 34;
    cairo_move_to(cr, ropeX - 30, 318);
    cairo_curve_to(cr, ropeX - 10, 332, ropeX + 10, 332, ropeX + 30, 318);
    cairo_set_line_width(cr, 7.0);
    setColour(cr, Colour::hex(0x140A28));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 5.0);
    setColour(cr, world::kGold);
    cairo_stroke(cr);
    polygonPath(cr, {{ropeX, 328}, {ropeX - 8, 362}, {ropeX + 8, 362}});
    setColour(cr, world::kGold);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.5);
    setColour(cr, Colour::hex(0x140A28));
    cairo_stroke(cr);
}

void paintGoalIcon(Sketch& s, int pair, double cx, double cy) {
    switch (pair) {
    case 1:
        for (int i = -1; i <= 1; ++i) {
            const Raster gold = paintBalloon(BalloonLook{kGoldColour, 48, 63});
            s.drawRaster(gold, cx - 24 + i * 44, cy - 36 + std::abs(i) * 6);
        }
        break;
    case 2: {
        Sketch toy(52, 52);
        cairo_scale(toy.cr(), 2.0, 2.0);
        toy.drawRaster(paintPuzzlePrize(2), 0, 0);
        s.drawRaster(toy.toRaster(), cx - 86, cy - 30);
        Sketch pedestal(56, 74);
        cairo_scale(pedestal.cr(), 2.0, 2.0);
        pedestal.drawRaster(paintTarget(2), 0, 0);
        s.drawRaster(pedestal.toRaster(), cx + 30, cy - 40);
        cairo_t* cr = s.cr();
        cairo_move_to(cr, cx - 30, cy);
        cairo_line_to(cr, cx + 18, cy);
        cairo_set_line_width(cr, 5);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        setColour(cr, world::kGold);
        cairo_stroke(cr);
        polygonPath(cr, {{cx + 28, cy}, {cx + 14, cy - 9}, {cx + 14, cy + 9}});
        cairo_fill(cr);
        break;
    }
    default:
        for (int i = 0; i < 6; ++i) {
            const Raster b = paintBalloon(BalloonLook{i, 36, 48});
            s.drawRaster(b, cx - 108 + i * 36, cy - 26 + (i % 2) * 8);
        }
        break;
    }
}

constexpr std::array<const char*, 3> kGoalLines = {"Pop all gold star balloons",
                                                   "Drop prizes on their targets", "Pop all the balloons"};
constexpr std::array<Colour, 3> kSignColours = {Colour::hex(0xA8520E), Colour::hex(0x1C8EA0),
                                                Colour::hex(0x6A3AB0)};

} // namespace

std::pair<Raster, Raster> paintCurtainPair(int pair) {
    const int index = std::clamp(pair, 1, 3) - 1;
    Sketch s(2 * kCurtainWidth, kCurtainHeight);
    cairo_t* cr = s.cr();
    paintDrape(cr, 0, kCurtainWidth, true);
    paintDrape(cr, kCurtainWidth, kCurtainWidth, false);
    // The seam where the halves meet.
    cairo_rectangle(cr, kCurtainWidth - 2, 34, 4, 420);
    setColour(cr, kVelvetRed.darker(0.6));
    cairo_fill(cr);
    // The goal sign hangs across the seam.
    const double w = 440;
    const double h = 190;
    const double x = kCurtainWidth - w / 2;
    const double y = 128;
    cairo_move_to(cr, x + 60, 36);
    cairo_line_to(cr, x + 60, y + 10);
    cairo_move_to(cr, x + w - 60, 36);
    cairo_line_to(cr, x + w - 60, y + 10);
    cairo_set_line_width(cr, 3.0);
    setColour(cr, world::kGold);
    cairo_stroke(cr);
    paintMarqueePanel(cr, x, y, w, h, 18, kSignColours[index].lighter(0.1), kSignColours[index].darker(0.35),
                      20);
    TextStyle small = captionStyle(16);
    small.top = Colour::hex(0xFFFFFF);
    drawText(cr, small, "This puzzle's goal:", kCurtainWidth, y + 34, Align::Centre);
    drawText(cr, headingStyle(34), kGoalLines[index], kCurtainWidth, y + 78, Align::Centre);
    paintGoalIcon(s, index + 1, kCurtainWidth, y + 138);
    const Raster both = s.toRaster();
    return {both.cropped(0, 0, kCurtainWidth, kCurtainHeight),
            both.cropped(kCurtainWidth, 0, kCurtainWidth, kCurtainHeight)};
}
