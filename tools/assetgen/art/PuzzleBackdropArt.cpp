// PuzzleBackdropArt.cpp: the Puzzle screen's backdrops, one scene for each page of six puzzles.
#include "PuzzleBackdropArt.h"

#include "Palette.h"
#include "PlayfieldArt.h"
#include "Shapes.h"
#include "Sketch.h"
#include "StageKit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kWidth = 640;
constexpr double kHeight = 480;
constexpr double kHorizon = 400;

enum class Land {
    Tents,
    Meadow,
    Sea,
    Wheel,
    Orchard,
    Dunes,
    Harbour,
    Mountains,
    City,
    Pines,
    Lake,
    Snow,
    Aurora
};

struct Scene {
    Colour skyTop;
    Colour skyMiddle;
    Colour skyBottom;
    Land land;
    Colour landColour;
    bool stars = false;
    bool moon = false;
    bool sun = false;
    double sunX = 0, sunY = 0;
    bool clouds = false;
    bool lights = false;
    bool fireworks = false;
};

// A day and a night at the fair and the country around it.
Scene sceneOf(int act) {
    using world::kGlow;
    switch (act) {
    case 1:
        return {Colour::hex(0x3B3C8C),
                Colour::hex(0xC86A9A),
                Colour::hex(0xFFB47A),
                Land::Tents,
                Colour::hex(0x4A2E6A),
                true,
                false,
                true,
                90,
                395,
                false,
                true};
    case 2:
        return {Colour::hex(0x5FA8E8),
                Colour::hex(0x9CD2F2),
                Colour::hex(0xE8F4D8),
                Land::Meadow,
                Colour::hex(0x3E9A4E),
                false,
                false,
                true,
                80,
                90,
                true};
    case 3:
        return {Colour::hex(0x3C8FE0),
                Colour::hex(0x8CC8F4),
                Colour::hex(0xD8EEF8),
                Land::Sea,
                Colour::hex(0x1C6AA8),
                false,
                false,
                true,
                560,
                70,
                true};
    case 4:
        return {Colour::hex(0x2E86D8),
                Colour::hex(0x78BCEE),
                Colour::hex(0xCFE8F6),
                Land::Wheel,
                Colour::hex(0x5A4A8A),
                false,
                false,
                true,
                320,
                40,
                true};
    case 5:
        return {Colour::hex(0x4A9CE0),
                Colour::hex(0xA8D8F0),
                Colour::hex(0xF4F0C8),
                Land::Orchard,
                Colour::hex(0x2F7A3A),
                false,
                false,
                true,
                600,
                60,
                true};
    case 6:
        return {Colour::hex(0x5A8ED8),
                Colour::hex(0xF0C890),
                Colour::hex(0xF8E0A0),
                Land::Dunes,
                Colour::hex(0xD89A4A),
                false,
                false,
                true,
                90,
                80,
                false};
    case 7:
        return {Colour::hex(0x3878C8),
                Colour::hex(0x90B8E0),
                Colour::hex(0xF0D8B0),
                Land::Harbour,
                Colour::hex(0x21507E),
                false,
                false,
                true,
                110,
                110,
                true};
    case 8:
        return {Colour::hex(0x6A5AC0),
                Colour::hex(0xF09A6A),
                Colour::hex(0xFFD28A),
                Land::Tents,
                Colour::hex(0x6A2E5A),
                false,
                false,
                true,
                80,
                330,
                true,
                true};
    case 9:
        return {Colour::hex(0x4A3A9A),
                Colour::hex(0xE0707A),
                Colour::hex(0xFFB060),
                Land::Mountains,
                Colour::hex(0x3A2458),
                false,
                false,
                true,
                560,
                330,
                false};
    case 10:
        return {world::kNight,
                world::kDusk,
                world::kHorizon.mix(kGlow, 0.2),
                Land::Wheel,
                world::kPlum.darker(0.35),
                true,
                false,
                false,
                0,
                0,
                false,
                true};
    case 11:
        return {Colour::hex(0x141848),
                Colour::hex(0x2E3478),
                Colour::hex(0x8A5A8A),
                Land::City,
                Colour::hex(0x1A1838),
                true,
                true,
                false,
                0,
                0,
                false,
                true};
    case 12:
        return {Colour::hex(0x0E1A3A),
                Colour::hex(0x1C3060),
                Colour::hex(0x3A5878),
                Land::Pines,
                Colour::hex(0x0C2418),
                true,
                true,
                false,
                0,
                0,
                false};
    case 13:
        return {Colour::hex(0x0C1434),
                Colour::hex(0x1A2A5A),
                Colour::hex(0x2A4A7A),
                Land::Lake,
                Colour::hex(0x10203C),
                true,
                true,
                false,
                0,
                0,
                false};
    case 14:
        return {Colour::hex(0x1A2240),
                Colour::hex(0x3A4870),
                Colour::hex(0x8090B0),
                Land::Snow,
                Colour::hex(0xE8F0FF),
                true,
                true,
                false,
                0,
                0,
                false,
                true};
    case 15:
        return {Colour::hex(0x06102A),
                Colour::hex(0x0E2A4A),
                Colour::hex(0x1A4A5A),
                Land::Aurora,
                Colour::hex(0x0A1A20),
                true,
                false,
                false,
                0,
                0,
                false};
    case 16:
        return {Colour::hex(0x120A30),
                Colour::hex(0x2A1450),
                Colour::hex(0x5A2A6A),
                Land::Tents,
                Colour::hex(0x1A0E2E),
                true,
                true,
                false,
                0,
                0,
                false,
                true,
                true};
    default:
        return {Colour::hex(0x0A0620),
                Colour::hex(0x1E0E40),
                Colour::hex(0x4A1A5A),
                Land::Wheel,
                Colour::hex(0x160A2A),
                true,
                false,
                false,
                0,
                0,
                false,
                true,
                true};
    }
}

void paintSky(cairo_t* cr, const Scene& s, uint32_t seed) {
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, kHorizon);
    addStop(sky, 0.0, s.skyTop);
    addStop(sky, 0.6, s.skyMiddle);
    addStop(sky, 1.0, s.skyBottom);
    cairo_rectangle(cr, 0, 0, kWidth, kHeight);
    cairo_set_source(cr, sky);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
    Scatter scatter(seed);
    if (s.stars) {
        for (int i = 0; i < 140; ++i) {
            const double x = scatter.between(0, kWidth);
            const double y = scatter.between(0, kHorizon * 0.75);
            const double r = scatter.between(0.4, 1.4);
            cairo_arc(cr, x, y, r, 0, 2 * kPi);
            setColour(cr, Colour::hex(0xFFF6DA), scatter.between(0.3, 0.9) * (1.0 - y / kHorizon));
            cairo_fill(cr);
        }
    }
    if (s.sun) {
        cairo_pattern_t* glow = cairo_pattern_create_radial(s.sunX, s.sunY, 10, s.sunX, s.sunY, 90);
        addStop(glow, 0.0, Colour::hex(0xFFF4C0), 0.7);
        addStop(glow, 1.0, Colour::hex(0xFFF4C0), 0.0);
        cairo_arc(cr, s.sunX, s.sunY, 90, 0, 2 * kPi);
        cairo_set_source(cr, glow);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
        cairo_arc(cr, s.sunX, s.sunY, 26, 0, 2 * kPi);
        setColour(cr, Colour::hex(0xFFF0A8));
        cairo_fill(cr);
    }
    if (s.moon) {
        const double mx = 90;
        const double my = 70;
        cairo_arc(cr, mx, my, 40, 0, 2 * kPi);
        setColour(cr, Colour::hex(0xFFF8E0), 0.12);
        cairo_fill(cr);
        moonPath(cr, mx, my, 46);
        setColour(cr, Colour::hex(0xFFF3C8));
        cairo_fill(cr);
    }
    if (s.clouds) {
        for (int i = 0; i < 6; ++i) {
            const double cx = scatter.between(0, kWidth);
            const double cy = scatter.between(40, 220);
            const double w = scatter.between(50, 90);
            for (int puff = 0; puff < 4; ++puff) {
                cairo_arc(cr, cx + (puff - 1.5) * w * 0.35, cy - (puff % 2) * 10, w * 0.3, 0, 2 * kPi);
                setColour(cr, Colour{1, 1, 1}, 0.8);
                cairo_fill(cr);
            }
        }
    }
    if (s.land == Land::Aurora) {
        for (int band = 0; band < 4; ++band) {
            cairo_move_to(cr, 0, 120 + band * 30);
            for (double x = 0; x <= kWidth; x += 20) {
                cairo_line_to(cr, x, 120 + band * 30 + 30 * std::sin(x / 70.0 + band));
            }
            cairo_set_line_width(cr, 26 - band * 4);
            setColour(cr, band % 2 ? Colour::hex(0x60F0B0) : Colour::hex(0x70C0FF), 0.16);
            cairo_stroke(cr);
        }
    }
    if (s.fireworks) {
        const Colour colours[] = {Colour::hex(0xFF6A8A), Colour::hex(0xFFD84A), Colour::hex(0x6AE0FF),
                                  Colour::hex(0xB08AFF), Colour::hex(0x7AF07A)};
        for (int burst = 0; burst < 7; ++burst) {
            const double bx = scatter.between(20, 620);
            const double by = scatter.between(30, 260);
            const double r = scatter.between(25, 55);
            const Colour c = colours[burst % 5];
            for (int ray = 0; ray < 16; ++ray) {
                const double a = ray * kPi / 8;
                cairo_move_to(cr, bx + r * 0.3 * std::cos(a), by + r * 0.3 * std::sin(a));
                cairo_line_to(cr, bx + r * std::cos(a), by + r * std::sin(a));
                cairo_set_line_width(cr, 2.0);
                setColour(cr, c, 0.75);
                cairo_stroke(cr);
                paintBulb(cr, bx + r * std::cos(a), by + r * std::sin(a), 1.6, c);
            }
        }
    }
}

void hills(cairo_t* cr, double base, double amplitude, double wave, double phase, const Colour& colour) {
    cairo_move_to(cr, 0, kHeight);
    for (double x = 0; x <= kWidth; x += 8) {
        cairo_line_to(cr, x, base - amplitude * (0.5 + 0.5 * std::sin(x / wave + phase)));
    }
    cairo_line_to(cr, kWidth, kHeight);
    cairo_close_path(cr);
    setColour(cr, colour);
    cairo_fill(cr);
}

void pine(cairo_t* cr, double x, double base, double h, const Colour& colour) {
    polygonPath(cr, {{x, base - h}, {x + h * 0.28, base}, {x - h * 0.28, base}});
    setColour(cr, colour);
    cairo_fill(cr);
}

void paintLand(cairo_t* cr, const Scene& s, uint32_t seed) {
    Scatter scatter(seed * 7 + 3);
    const Colour c = s.landColour;
    switch (s.land) {
    case Land::Tents:
    case Land::Wheel:
        paintFairgroundSkyline(cr, kWidth, kHorizon, seed);
        break;
    case Land::Meadow:
        hills(cr, 360, 60, 90, 0.5, c.lighter(0.25));
        hills(cr, 400, 40, 60, 2.0, c);
        break;
    case Land::Orchard:
        hills(cr, 370, 50, 110, 1.0, c.lighter(0.2));
        for (int i = 0; i < 14; ++i) {
            const double x = scatter.between(0, kWidth);
            const double y = scatter.between(350, 395);
            cairo_rectangle(cr, x - 2, y - 4, 4, 16);
            setColour(cr, world::kWoodDark);
            cairo_fill(cr);
            cairo_arc(cr, x, y - 12, 14, 0, 2 * kPi);
            setColour(cr, c.darker(0.1));
            cairo_fill(cr);
            for (int a = 0; a < 3; ++a) {
                cairo_arc(cr, x + scatter.between(-8, 8), y - 12 + scatter.between(-7, 7), 2.2, 0, 2 * kPi);
                setColour(cr, Colour::hex(0xE8402C));
                cairo_fill(cr);
            }
        }
        hills(cr, 420, 20, 70, 3.0, c.darker(0.15));
        break;
    case Land::Sea:
    case Land::Harbour:
    case Land::Lake:
        cairo_rectangle(cr, 0, 300, kWidth, kHeight - 300);
        setColour(cr, c);
        cairo_fill(cr);
        for (int i = 0; i < 40; ++i) {
            const double x = scatter.between(0, kWidth);
            const double y = scatter.between(305, 470);
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x + scatter.between(10, 30), y);
            cairo_set_line_width(cr, 1.5);
            setColour(cr, Colour{1, 1, 1}, s.land == Land::Lake ? 0.25 : 0.45);
            cairo_stroke(cr);
        }
        if (s.land == Land::Lake) {
            hills(cr, 300, 50, 80, 0.3, Colour::hex(0x0A1428));
            for (double x = 0; x < kWidth; x += 22) {
                pine(cr, x + scatter.between(-5, 5), 302, scatter.between(30, 60), Colour::hex(0x081020));
            }
            cairo_rectangle(cr, 80, 310, 20, 120);
            setColour(cr, Colour::hex(0xFFF3C8), 0.18);
            cairo_fill(cr);
        } else if (s.land == Land::Sea) {
            // The pier on its posts.
            cairo_rectangle(cr, 0, 286, 250, 10);
            setColour(cr, world::kWood);
            cairo_fill(cr);
            for (double x = 10; x < 250; x += 30) {
                cairo_rectangle(cr, x, 296, 6, 40);
                setColour(cr, world::kWoodDark);
                cairo_fill(cr);
            }
            paintBunting(cr, 0, 250, 250, 250, 14, 9);
        } else {
            for (int boat = 0; boat < 4; ++boat) {
                const double bx = 60 + boat * 150 + scatter.between(-20, 20);
                polygonPath(cr, {{bx - 30, 330}, {bx + 30, 330}, {bx + 20, 345}, {bx - 20, 345}});
                setColour(cr, boat % 2 ? world::kTentRed : world::kTentCream);
                cairo_fill(cr);
                polygonPath(cr, {{bx, 270}, {bx + 24, 325}, {bx, 325}});
                setColour(cr, Colour{1, 1, 1}, 0.9);
                cairo_fill(cr);
            }
        }
        break;
    case Land::Dunes:
        hills(cr, 350, 70, 120, 0.0, c.lighter(0.2));
        hills(cr, 400, 50, 80, 1.7, c);
        for (int i = 0; i < 5; ++i) {
            const double x = scatter.between(0, kWidth);
            cairo_rectangle(cr, x - 4, 330, 8, 40);
            setColour(cr, Colour::hex(0x3A7A3A));
            cairo_fill(cr);
            cairo_rectangle(cr, x - 14, 342, 10, 5);
            cairo_rectangle(cr, x + 4, 336, 10, 5);
            cairo_fill(cr);
        }
        break;
    case Land::Mountains:
        polygonPath(cr, {{0, 400},
                         {90, 230},
                         {170, 320},
                         {280, 180},
                         {390, 300},
                         {480, 210},
                         {640, 360},
                         {640, 480},
                         {0, 480}});
        setColour(cr, c);
        cairo_fill(cr);
        polygonPath(cr, {{280, 180}, {300, 210}, {290, 215}, {270, 205}});
        setColour(cr, Colour{1, 1, 1}, 0.85);
        cairo_fill(cr);
        hills(cr, 420, 40, 70, 1.0, c.darker(0.3));
        break;
    case Land::City:
        for (double x = -10; x < kWidth;) {
            const double w = scatter.between(40, 80);
            const double h = scatter.between(80, 200);
            cairo_rectangle(cr, x, kHorizon - h, w - 4, h + 80);
            setColour(cr, c);
            cairo_fill(cr);
            for (double wy = kHorizon - h + 10; wy < kHorizon; wy += 16) {
                for (double wx = x + 6; wx < x + w - 12; wx += 12) {
                    if (scatter.next() < 0.45) {
                        cairo_rectangle(cr, wx, wy, 5, 7);
                        setColour(cr, Colour::hex(0xFFD870), 0.85);
                        cairo_fill(cr);
                    }
                }
            }
            x += w;
        }
        break;
    case Land::Pines:
    case Land::Snow:
        hills(cr, 340, 40, 100, 0.8, s.land == Land::Snow ? Colour::hex(0xC8D4F0) : c.lighter(0.1));
        for (double x = -10; x < kWidth + 20; x += 18) {
            pine(cr, x + scatter.between(-4, 4), 400, scatter.between(50, 110),
                 s.land == Land::Snow ? Colour::hex(0x1E3A4A) : c);
        }
        hills(cr, 430, 20, 60, 2.0, s.land == Land::Snow ? c : c.darker(0.2));
        if (s.land == Land::Snow) {
            for (int i = 0; i < 160; ++i) {
                cairo_arc(cr, scatter.between(0, kWidth), scatter.between(0, kHeight),
                          scatter.between(0.8, 2.0), 0, 2 * kPi);
                setColour(cr, Colour{1, 1, 1}, 0.8);
                cairo_fill(cr);
            }
        }
        break;
    case Land::Aurora:
        hills(cr, 380, 60, 140, 0.2, c);
        for (double x = -10; x < kWidth + 20; x += 26) {
            pine(cr, x, 410, scatter.between(40, 80), Colour::hex(0x04100C));
        }
        break;
    }
}

// The board frame: dark glass over the scene, so the balloons read on every act.
void paintBoardFrame(cairo_t* cr) {
    const double x = 164;
    const double y = 5;
    const double w = 440;
    const double h = 398;
    roundedRectPath(cr, x, y, w, h, 16);
    setColour(cr, Colour::hex(0x140A28));
    cairo_set_line_width(cr, 5.0);
    cairo_stroke(cr);
    for (double i = 0; i < 4.0; i += 0.5) {
        roundedRectPath(cr, x + 1.5 + i, y + 1.5 + i, w - 3 - 2 * i, h - 3 - 2 * i, 14.5 - i);
        setColour(cr, world::kGoldDeep.mix(world::kGold.lighter(0.35), std::sin(i / 4.0 * kPi)));
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
    }
    roundedRectPath(cr, x + 6, y + 6, w - 12, h - 12, 10);
    cairo_pattern_t* glass = cairo_pattern_create_linear(0, y, 0, y + h);
    addStop(glass, 0.0, world::kVelvetDeep, 0.66);
    addStop(glass, 1.0, world::kVelvet, 0.78);
    cairo_set_source(cr, glass);
    cairo_fill(cr);
    cairo_pattern_destroy(glass);
}

// The strip under the board where prizes land, with a place under each of the 15 columns.
void paintFloorStrip(cairo_t* cr) {
    roundedRectPath(cr, 166, 404, 436, 44, 8);
    setColour(cr, Colour::hex(0x140A28));
    cairo_fill(cr);
    roundedRectPath(cr, 168, 406, 432, 40, 7);
    cairo_pattern_t* wood = cairo_pattern_create_linear(0, 406, 0, 446);
    addStop(wood, 0.0, world::kWood.lighter(0.2));
    addStop(wood, 1.0, world::kWoodDark);
    cairo_set_source(cr, wood);
    cairo_fill(cr);
    cairo_pattern_destroy(wood);
    for (int slot = 0; slot < 15; ++slot) {
        const double cx = 174 + 28 * slot + 14;
        cairo_save(cr);
        cairo_translate(cr, cx, 432);
        cairo_scale(cr, 12, 4);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(cr);
        setColour(cr, world::kWoodDark.darker(0.3), 0.7);
        cairo_fill(cr);
    }
}

void paintSidePanel(cairo_t* cr) {
    paintMarqueePanel(cr, 6, 8, 152, 160, 14, world::kPlum.darker(0.2), world::kVelvetDeep, 18);
    TextStyle label = captionStyle(11);
    label.top = world::kGold.lighter(0.4);
    label.bottom = world::kGold;
    drawText(cr, label, "Par", 30, 140, Align::Right);
    drawText(cr, label, "Best", 104, 153, Align::Right);
}

void paintStand(cairo_t* cr) {
    polygonPath(cr, {{28, 362}, {131, 362}, {131, 480}, {24, 480}});
    cairo_pattern_t* body = cairo_pattern_create_linear(24, 0, 131, 0);
    addStop(body, 0.0, world::kTeal.darker(0.35));
    addStop(body, 0.35, world::kTeal.lighter(0.1));
    addStop(body, 1.0, world::kTeal.darker(0.45));
    cairo_set_source(cr, body);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(body);
    cairo_set_line_width(cr, 2.0);
    setColour(cr, Colour::hex(0x140A28));
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, 85, 360);
    cairo_scale(cr, 67, 10);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    setColour(cr, world::kGoldDeep);
    cairo_fill(cr);
}

void paintClicksPlaque(cairo_t* cr) {
    const double x = 512;
    const double top = 451;
    roundedRectPath(cr, x, top, 636 - x, 480 - top + 10, 8);
    setColour(cr, Colour::hex(0x140A28));
    cairo_fill(cr);
    roundedRectPath(cr, x + 2.5, top + 2.5, 631 - x, 480 - top + 5, 6);
    setColour(cr, Colour::hex(0x241650));
    cairo_fill(cr);
    TextStyle label = captionStyle(11.5);
    label.top = world::kGold.lighter(0.4);
    label.bottom = world::kGold;
    drawText(cr, label, "CLICKS", x - 6, top + 17, Align::Right);
}

// The podium buttons as Classic lays them out, in the Puzzle stand's colours, and Undo and Reset
// under the floor strip.
void paintMenuButtons(cairo_t* cr, bool lit) {
    const Colour face = world::kPlum.lighter(0.15);
    paintPlaqueButton(cr, 36, 365, 92, 26, "Puzzles", 13, face, lit);
    paintPlaqueButton(cr, 37, 394, 88, 26, "Options", 13, face, lit);
    paintPlaqueButton(cr, 38, 423, 85, 24, "Main Menu", 12.5, face, lit);
    paintPlaqueButton(cr, 37, 451, 56, 36, "", 13, face, lit);
    drawText(cr, captionStyle(12.5), "Pause", 65, 470, Align::Centre);
    paintPlaqueButton(cr, 97, 451, 24, 26, "?", 16, Colour::hex(0xD2603A), lit);
    paintPlaqueButton(cr, 182, 453, 68, 24, "Undo", 12.5, Colour::hex(0x6A3AB0), lit);
    paintPlaqueButton(cr, 254, 453, 68, 24, "Reset", 12.5, Colour::hex(0x6A3AB0), lit);
}

// The dark plaque Undo and Reset stand on, so their faces look the same over every act.
void paintButtonPlaque(cairo_t* cr) {
    roundedRectPath(cr, 172, 446, 160, 48, 8);
    setColour(cr, Colour::hex(0x140A28));
    cairo_fill(cr);
}

Raster paintBackdrop(int act) {
    act = std::clamp(act, 1, kPuzzleActs);
    const Scene scene = sceneOf(act);
    Sketch s(static_cast<int>(kWidth), static_cast<int>(kHeight));
    cairo_t* cr = s.cr();
    const uint32_t seed = 101u + static_cast<uint32_t>(act) * 17u;
    paintSky(cr, scene, seed);
    paintLand(cr, scene, seed);
    if (scene.lights) {
        paintLightString(cr, 0, 190, 166, 175, 18, 7);
        paintLightString(cr, 602, 30, 640, 60, 10, 2);
    }
    paintBoardFrame(cr);
    paintFloorStrip(cr);
    paintSidePanel(cr);
    paintStand(cr);
    paintClicksPlaque(cr);
    paintButtonPlaque(cr);
    paintMenuButtons(cr, false);
    return s.toRaster();
}

} // namespace

Raster paintPuzzleBackdrop(int act) {
    return paintBackdrop(act);
}

Raster paintPuzzlePodium() {
    return podiumPicture(paintBackdrop(1));
}

Raster paintPuzzlePodiumHover() {
    Sketch s(static_cast<int>(kWidth), static_cast<int>(kHeight));
    paintMenuButtons(s.cr(), true);
    return podiumHoverPicture(s.toRaster());
}
