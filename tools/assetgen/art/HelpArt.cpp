// HelpArt.cpp: the four help pages and the three quick-tip pictures that explain the modes.
#include "HelpArt.h"

#include "BalloonArt.h"
#include "Palette.h"
#include "PlayfieldArt.h"
#include "PrizeArt.h"
#include "Shapes.h"
#include "Sketch.h"
#include "StageKit.h"

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTextLeft = 28;
constexpr Colour kPaper = Colour::hex(0xFFF6E2);
constexpr Colour kPaperShade = Colour::hex(0xF8E2BE);
constexpr Colour kAccent = Colour::hex(0xB8283A);

// One bulleted point: the bullet is a small balloon of the given colour.
struct Point {
    int bulletColour;
    std::string text;
};

struct PageText {
    std::string heading;
    std::string corner; // "1 / 4" on help pages, "Quick tip" on intros
    std::vector<Point> points;
    double textWidth;
};

void paintPaper(Sketch& s) {
    cairo_t* cr = s.cr();
    roundedRectPath(cr, 0, 0, kHelpWidth, kHelpPanelHeight, 18);
    setColour(cr, Colour::hex(0x140A28));
    cairo_fill(cr);
    for (double i = 0; i < 5.0; i += 0.5) {
        roundedRectPath(cr, 1.5 + i, 1.5 + i, kHelpWidth - 3 - 2 * i, kHelpPanelHeight - 3 - 2 * i, 16.5 - i);
        setColour(cr, world::kGoldDeep.mix(world::kGold.lighter(0.4), std::sin(i / 5.0 * kPi)));
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
    }
    cairo_pattern_t* paper = cairo_pattern_create_linear(0, 0, 0, kHelpPanelHeight);
    addStop(paper, 0.0, kPaper);
    addStop(paper, 1.0, kPaperShade);
    roundedRectPath(cr, 7, 7, kHelpWidth - 14, kHelpPanelHeight - 14, 11);
    cairo_set_source(cr, paper);
    cairo_fill(cr);
    cairo_pattern_destroy(paper);
    // A striped awning along the top, as on a fairground booth.
    cairo_save(cr);
    roundedRectPath(cr, 7, 7, kHelpWidth - 14, kHelpPanelHeight - 14, 11);
    cairo_clip(cr);
    for (int i = 0; i < 14; ++i) {
        const double x = 7 + i * 40.0;
        cairo_rectangle(cr, x, 7, 20, 12);
        setColour(cr, world::kTentRed.lighter(0.1));
        cairo_fill(cr);
        cairo_arc(cr, x + 10, 19, 10, 0, kPi);
        cairo_fill(cr);
        cairo_rectangle(cr, x + 20, 7, 20, 12);
        setColour(cr, world::kTentCream.lighter(0.3));
        cairo_fill(cr);
        cairo_arc(cr, x + 30, 19, 10, 0, kPi);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void paintPageText(Sketch& s, const PageText& page) {
    cairo_t* cr = s.cr();
    TextStyle heading = headingStyle(33);
    drawText(cr, heading, page.heading, kTextLeft - 2, 66, Align::Left);
    // The page tag hangs from the awning at the top right.
    TextStyle corner = captionStyle(12.5);
    const TextMetrics m = measureText(cr, corner, page.corner);
    roundedRectPath(cr, kHelpWidth - 30 - m.width - 16, 9, m.width + 16, 22, 8);
    setColour(cr, kAccent.darker(0.2));
    cairo_fill(cr);
    drawText(cr, corner, page.corner, kHelpWidth - 38, 24.5, Align::Right);

    // The largest reading size at which every point fits above the bottom of the paper.
    constexpr double kTop = 100;
    constexpr double kBottom = kHelpPanelHeight - 16;
    TextStyle body = bodyStyle(15);
    std::vector<std::vector<std::string>> wrapped;
    double lineHeight = 0;
    for (double size = 15.0; size >= 11.5; size -= 0.5) {
        body.size = size;
        lineHeight = std::round(size * 1.32);
        wrapped.clear();
        double y = kTop;
        for (const Point& point : page.points) {
            wrapped.push_back(wrapText(cr, body, point.text, page.textWidth - 26));
            y += wrapped.back().size() * lineHeight + 6;
        }
        if (y - 6 - lineHeight + 6 <= kBottom) {
            break;
        }
    }
    double y = kTop;
    for (std::size_t i = 0; i < page.points.size(); ++i) {
        const Raster bullet = paintBalloon(BalloonLook{page.points[i].bulletColour, 14, 18});
        s.drawRaster(bullet, kTextLeft, y - 13);
        for (const std::string& line : wrapped[i]) {
            drawText(cr, body, line, kTextLeft + 22, y, Align::Left);
            y += lineHeight;
        }
        y += 6;
    }
}

// Pictures of board situations, drawn with the game's own balloon painter.
void drawBalloon(Sketch& s, int colour, double x, double y, double scale = 1.0, double opacity = 1.0) {
    const int w = static_cast<int>(std::lround(kPlaceWidth * scale));
    const int h = static_cast<int>(std::lround(kPlaceHeight * scale));
    s.drawRaster(paintBalloon(BalloonLook{colour, w, h}), x, y, opacity);
}

void illustrationFrame(cairo_t* cr, double x, double y, double w, double h) {
    roundedRectPath(cr, x, y, w, h, 12);
    setColour(cr, Colour::hex(0x140A28));
    cairo_fill(cr);
    roundedRectPath(cr, x + 3, y + 3, w - 6, h - 6, 9);
    setColour(cr, world::kVelvet);
    cairo_fill(cr);
}

void caption(cairo_t* cr, const std::string& text, double x, double y, double size = 12.5) {
    drawText(cr, captionStyle(size), text, x, y, Align::Centre);
}

void arrow(cairo_t* cr, double x0, double y0, double x1, double y1) {
    const double a = std::atan2(y1 - y0, x1 - x0);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1 - 6 * std::cos(a), y1 - 6 * std::sin(a));
    cairo_set_line_width(cr, 3.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColour(cr, world::kGold);
    cairo_stroke(cr);
    polygonPath(cr, {{x1, y1},
                     {x1 - 10 * std::cos(a - 0.45), y1 - 10 * std::sin(a - 0.45)},
                     {x1 - 10 * std::cos(a + 0.45), y1 - 10 * std::sin(a + 0.45)}});
    cairo_fill(cr);
}

// A small board with one highlighted group and the pointer on it.
void illustrateGroups(Sketch& s, double x, double y) {
    cairo_t* cr = s.cr();
    illustrationFrame(cr, x, y, 188, 178);
    constexpr int grid[4][6] = {
        {3, 0, 4, 2, 1, 4}, {3, 0, 5, 2, 2, 4}, {1, 0, 5, 3, 2, 0}, {1, 4, 4, 3, 5, 0}};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 6; ++c) {
            const bool group = grid[r][c] == 0 && c <= 1;
            drawBalloon(s, grid[r][c], x + 10 + c * 28, y + 8 + r * 37, 1.0, group ? 1.0 : 0.55);
        }
    }
    // Glow around the group of three red balloons.
    roundedRectPath(cr, x + 38, y + 6, 30, 114, 6);
    cairo_set_line_width(cr, 2.5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColour(cr, Colour::hex(0xFFF3A0), 0.9);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, x + 58, y + 72);
    cairo_scale(cr, 1.3, 1.3);
    polygonPath(cr, {{0, 0}, {0, 18}, {4.5, 14}, {7.5, 21}, {10.5, 19.5}, {7.5, 12.8}, {13.5, 12.5}});
    cairo_restore(cr);
    setColour(cr, Colour{1, 1, 1});
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.5);
    setColour(cr, world::kInk);
    cairo_stroke(cr);
    caption(cr, "Click a group of 2 or more", x + 94, y + 168);
}

void illustrateColours(Sketch& s, double x, double y) {
    cairo_t* cr = s.cr();
    illustrationFrame(cr, x, y, 188, 90);
    for (int c = 0; c < 7; ++c) {
        drawBalloon(s, c, x + 8 + c * 25.5, y + 10, 0.95);
    }
    caption(cr, "Six colours, six symbols,", x + 94, y + 66, 12);
    caption(cr, "and the gold star", x + 94, y + 81, 12);
}

void illustratePrize(Sketch& s, double x, double y) {
    cairo_t* cr = s.cr();
    illustrationFrame(cr, x, y, 188, 282);
    drawBalloon(s, 3, x + 24, y + 14, 1.3);
    const Raster marker = paintPrizeMarker();
    Sketch big(static_cast<int>(24 * 1.3 + 1), static_cast<int>(33 * 1.3 + 1));
    cairo_scale(big.cr(), 1.3, 1.3);
    big.drawRaster(marker, 0, 0);
    s.drawRaster(big.toRaster(), x + 24 + 4 * 1.3, y + 14 + 4 * 1.3, 0.85);
    caption(cr, "A bow hides a prize", x + 122, y + 40, 12);
    arrow(cr, x + 44, y + 70, x + 80, y + 106);
    s.drawRaster(paintParachute(), x + 66, y + 96);
    s.drawRaster(paintPresent(0, 3), x + 80, y + 136);
    caption(cr, "Freed prizes float", x + 94, y + 190, 12);
    caption(cr, "down to the shelf", x + 94, y + 205, 12);
    cairo_rectangle(cr, x + 16, y + 240, 156, 10);
    setColour(cr, Colour::hex(0xA85A34));
    cairo_fill(cr);
    for (int i = 0; i < 5; ++i) {
        s.drawRaster(paintPresent(i % 5, i), x + 20 + i * 30, y + 214);
    }
    caption(cr, "Free them all to win!", x + 94, y + 270, 12);
}

void illustrateAction(Sketch& s, double x, double y) {
    cairo_t* cr = s.cr();
    illustrationFrame(cr, x, y, 188, 282);
    for (int i = 0; i < 6; ++i) {
        const Raster r = paintBalloon(BalloonLook{(i * 5) % 6, 28, 37, inflateFraction(i + 2)});
        s.drawRaster(r, x + 10 + i * 28, y + 12, 0.8);
    }
    caption(cr, "The next row inflates...", x + 94, y + 66, 12);
    arrow(cr, x + 94, y + 72, x + 94, y + 94);
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 6; ++c) {
            drawBalloon(s, (r * 3 + c * 2) % 6, x + 10 + c * 28, y + 96 + r * 37, 1.0, 0.9);
        }
    }
    // The meter, part filled, and the gold star balloon it earns.
    const Raster meter = paintMeter().cropped(0, 0, 92, kMeterHeight);
    roundedRectPath(cr, x + 12, y + 186, 130, 28, 8);
    setColour(cr, Colour::hex(0x100A26));
    cairo_fill(cr);
    s.drawRaster(meter, x + 15, y + 189);
    drawBalloon(s, kGoldColour, x + 148, y + 176, 1.0);
    caption(cr, "Full meter: a gold star!", x + 94, y + 232, 12);
    caption(cr, "Pop gold stars together", x + 94, y + 252, 12);
    caption(cr, "to win the round", x + 94, y + 267, 12);
}

void illustrateGoals(Sketch& s, double x, double y) {
    cairo_t* cr = s.cr();
    illustrationFrame(cr, x, y, 188, 282);
    // Goal 1: pop everything.
    for (int c = 0; c < 3; ++c) {
        drawBalloon(s, c * 2, x + 14 + c * 22, y + 14, 0.8);
    }
    caption(cr, "Pop all the balloons", x + 120, y + 60, 11.5);
    // Goal 2: the gold stars.
    drawBalloon(s, kGoldColour, x + 60, y + 92, 1.0);
    drawBalloon(s, kGoldColour, x + 88, y + 92, 1.0);
    caption(cr, "Pop every gold star", x + 120, y + 142, 11.5);
    // Goal 3: a prize onto its own target.
    s.drawRaster(paintPuzzlePrize(2), x + 26, y + 168);
    arrow(cr, x + 39, y + 196, x + 39, y + 214);
    s.drawRaster(paintTarget(2), x + 25, y + 218);
    caption(cr, "Drop each prize on", x + 120, y + 222, 11.5);
    caption(cr, "its own pedestal", x + 120, y + 237, 11.5);
}

void illustrateTipBoard(Sketch& s, double x, double y, TipMode mode) {
    cairo_t* cr = s.cr();
    illustrationFrame(cr, x, y, 188, 232);
    constexpr int grid[5][6] = {
        {1, 1, 2, 2, 3, 4}, {0, 1, 2, 5, 3, 4}, {0, 0, 5, 5, 1, 4}, {3, 4, 4, 0, 1, 2}, {3, 3, 2, 0, 0, 2}};
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 6; ++c) {
            int colour = grid[r][c];
            if (mode != TipMode::Classic && r == 2 && (c == 2 || c == 3)) {
                colour = kGoldColour;
            }
            drawBalloon(s, colour, x + 10 + c * 28, y + 10 + r * 37);
            if (mode == TipMode::Classic && ((r == 1 && c == 3) || (r == 3 && c == 1))) {
                s.drawRaster(paintPrizeMarker(), x + 14 + c * 28, y + 14 + r * 37, 0.85);
            }
        }
    }
    if (mode == TipMode::Puzzle) {
        caption(cr, "Goal: pop every gold star", x + 94, y + 222, 12);
    } else if (mode == TipMode::Classic) {
        caption(cr, "Two prizes to free!", x + 94, y + 222, 12);
    } else {
        caption(cr, "Pop the gold stars to win", x + 94, y + 222, 12);
    }
}

Raster paintPage(const PageText& text, const std::function<void(Sketch&)>& illustrate) {
    Sketch s(kHelpWidth, kHelpHeight);
    paintPaper(s);
    paintPageText(s, text);
    illustrate(s);
    return s.toRaster();
}

constexpr double kWideText = 320;
constexpr double kPictureX = 352;

} // namespace

Raster paintHelpPage(int page) {
    switch (page) {
    case 1:
        return paintPage({"Classic",
                          "2 / 4",
                          {{0, "Some balloons hide a prize under a golden bow."},
                           {2, "When its place is left empty, the prize floats down on a parachute to the "
                               "prize shelf."},
                           {1, "Free every prize to win. The game ends when no group of two is left."},
                           {5, "Leave 10 balloons or fewer for a bonus, or pop them all! A huge group makes "
                               "a Super Pop."},
                           {4, "Undo takes back your last pop."}},
                          kWideText},
                         [](Sketch& s) { illustratePrize(s, kPictureX, 40); });
    case 2:
        return paintPage({"Action",
                          "3 / 4",
                          {{3, "New rows inflate above the board. A full row drops in and pushes every "
                               "column down."},
                           {1, "In a hurry? Click the top bar to bring the next row now."},
                           {6, "Popping fills the meter, and a full meter sends a gold star balloon. Pop "
                               "gold stars together to win the round!"},
                           {0, "Rounds get faster and more colourful. If a row comes while balloons reach "
                               "the red line, the game is over."}},
                          kWideText},
                         [](Sketch& s) { illustrateAction(s, kPictureX, 40); });
    case 3:
        return paintPage({"Puzzle",
                          "4 / 4",
                          {{6, "Each puzzle has one goal, shown on the curtain as it starts."},
                           {2, "Freed prizes drop straight down their column: land each one on the pedestal "
                               "with the same toy."},
                           {3, "Empty columns close in toward the middle. Plan ahead: every click counts, "
                               "and Undo takes one back."},
                           {4, "Solving puzzles unlocks more puzzles and new prize sets for the Options."}},
                          kWideText},
                         [](Sketch& s) { illustrateGoals(s, kPictureX, 40); });
    default:
        return paintPage({"How to Play",
                          "1 / 4",
                          {{0, "Click a group of two or more touching balloons of the same colour to pop "
                               "them. Balloons touch up, down and sideways, not corner to corner."},
                           {1, "Hold the button down to see the group, let go to pop it."},
                           {2, "Balloons float up to fill the gaps, and empty columns close up."},
                           {3, "Bigger groups score many more points!"},
                           {5, "Every colour has its own symbol, so shapes tell them apart too."}},
                          kWideText},
                         [](Sketch& s) {
                             illustrateGroups(s, kPictureX, 40);
                             illustrateColours(s, kPictureX, 226);
                         });
    }
}

Raster paintQuickTip(TipMode mode) {
    switch (mode) {
    case TipMode::Action:
        return paintPage({"Action",
                          "Quick tip",
                          {{3, "Rows of balloons keep coming: pop fast!"},
                           {6, "Fill the meter to earn a gold star balloon, then pop the gold stars "
                               "together to win the round."},
                           {1, "Click the top bar to bring the next row early."},
                           {0, "Keep the balloons away from the red line."}},
                          kWideText},
                         [mode](Sketch& s) { illustrateTipBoard(s, kPictureX, 54, mode); });
    case TipMode::Puzzle:
        return paintPage({"Puzzle",
                          "Quick tip",
                          {{6, "Every puzzle has one goal: pop all the balloons, pop every gold star, "
                               "or drop each prize on its own pedestal."},
                           {3, "Think before you click: the fewer clicks, the better."},
                           {4, "Undo is always there if a plan goes wrong."}},
                          kWideText},
                         [mode](Sketch& s) { illustrateTipBoard(s, kPictureX, 54, mode); });
    case TipMode::Classic:
    default:
        return paintPage({"Classic",
                          "Quick tip",
                          {{0, "Pop groups of two or more balloons of the same colour."},
                           {1, "Free every prize hidden behind a golden bow before the moves run "
                               "out."},
                           {5, "Leave 10 balloons or fewer at the end for a big bonus!"}},
                          kWideText},
                         [mode](Sketch& s) { illustrateTipBoard(s, kPictureX, 54, mode); });
    }
}
