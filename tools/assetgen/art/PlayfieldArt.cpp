// PlayfieldArt.cpp: the Classic and Action backdrops, their menu-button pictures and extras.
#include "PlayfieldArt.h"

#include "Palette.h"
#include "Shapes.h"
#include "Sketch.h"
#include "StageKit.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr Colour kPodiumRed = Colour::hex(0xB8283A);
constexpr Colour kButtonTeal = Colour::hex(0x1C8EA0);
constexpr Colour kCounterWood = Colour::hex(0x8A4A2A);

// Where the balloons play: the board is 15 x 28 pixels wide from x 174 and ten rows of 37.
struct BoardFrame {
    double x, y, w, h;
};

BoardFrame boardFrame(PlayMode mode) {
    // The Action panel runs off the bottom of the screen: its lowest row ends at y 460.
    return mode == PlayMode::Classic ? BoardFrame{164, 5, 440, 402} : BoardFrame{164, 50, 440, 450};
}

void paintBoardPanel(cairo_t* cr, PlayMode mode) {
    const BoardFrame f = boardFrame(mode);
    paintMarqueePanel(cr, f.x, f.y, f.w, f.h, 16, world::kVelvet.lighter(0.06), world::kVelvetDeep, 22);
    // Soft diagonal velvet sheen so the panel is not a flat block.
    cairo_save(cr);
    roundedRectPath(cr, f.x + 7, f.y + 7, f.w - 14, f.h - 14, 9);
    cairo_clip(cr);
    for (int i = -6; i < 16; ++i) {
        const double x = f.x + i * 40.0;
        polygonPath(cr,
                    {{x, f.y}, {x + 18, f.y}, {x + 18 + f.h * 0.5, f.y + f.h}, {x + f.h * 0.5, f.y + f.h}});
        setColour(cr, Colour{1, 1, 1}, 0.018);
        cairo_fill(cr);
    }
    if (mode == PlayMode::Action) {
        // The danger zone: a round is lost when a row arrives while the ninth row is taken.
        const double dangerY = 90 + 8 * 37;
        cairo_pattern_t* red = cairo_pattern_create_linear(0, dangerY, 0, f.y + f.h);
        addStop(red, 0.0, Colour::hex(0xFF3050), 0.05);
        addStop(red, 1.0, Colour::hex(0xFF3050), 0.2);
        cairo_rectangle(cr, f.x, dangerY, f.w, f.y + f.h - dangerY);
        cairo_set_source(cr, red);
        cairo_fill(cr);
        cairo_pattern_destroy(red);
        const double dashes[] = {7.0, 5.0};
        cairo_set_dash(cr, dashes, 2, 0);
        cairo_move_to(cr, f.x + 8, dangerY + 0.5);
        cairo_line_to(cr, f.x + f.w - 8, dangerY + 0.5);
        cairo_set_line_width(cr, 1.2);
        setColour(cr, Colour::hex(0xFF6070), 0.55);
        cairo_stroke(cr);
        cairo_set_dash(cr, nullptr, 0, 0);
        // The preview strip where the next row inflates.
        cairo_rectangle(cr, f.x + 7, 52, f.w - 14, 38);
        setColour(cr, Colour{1, 1, 1}, 0.05);
        cairo_fill(cr);
        cairo_move_to(cr, f.x + 8, 90.5);
        cairo_line_to(cr, f.x + f.w - 8, 90.5);
        setColour(cr, world::kGold, 0.35);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

// The stand the mascot performs on.
void paintPodium(cairo_t* cr) {
    // Body of the stand.
    // Its right side stays left of x 133, where Classic's undo button begins.
    polygonPath(cr, {{28, 362}, {131, 362}, {131, 480}, {24, 480}});
    cairo_pattern_t* body = cairo_pattern_create_linear(24, 0, 131, 0);
    addStop(body, 0.0, kPodiumRed.darker(0.35));
    addStop(body, 0.35, kPodiumRed.lighter(0.1));
    addStop(body, 1.0, kPodiumRed.darker(0.45));
    cairo_set_source(cr, body);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(body);
    cairo_set_line_width(cr, 2.0);
    setColour(cr, Colour::hex(0x140A28));
    cairo_stroke(cr);
    for (double x : {32.0, 128.0}) {
        cairo_move_to(cr, x, 366);
        cairo_line_to(cr, x + (x < 80 ? -3 : 0), 480);
        cairo_set_line_width(cr, 3.0);
        setColour(cr, world::kGold, 0.8);
        cairo_stroke(cr);
    }
    // The round top the mascot stands on.
    cairo_save(cr);
    cairo_translate(cr, 85, 361);
    cairo_scale(cr, 68, 11);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    setColour(cr, world::kGoldDeep);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, 85, 358);
    cairo_scale(cr, 66, 9);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_pattern_t* top = cairo_pattern_create_linear(0, 349, 0, 367);
    addStop(top, 0.0, world::kPlum.lighter(0.25));
    addStop(top, 1.0, world::kPlum.darker(0.2));
    cairo_set_source(cr, top);
    cairo_fill(cr);
    cairo_pattern_destroy(top);
}

// The five menu buttons on the front of the stand.
void paintPodiumButtons(cairo_t* cr, bool lit) {
    paintPlaqueButton(cr, 36, 365, 92, 26, "New Game", 13, kButtonTeal, lit);
    paintPlaqueButton(cr, 37, 394, 88, 26, "Options", 13, kButtonTeal, lit);
    paintPlaqueButton(cr, 38, 423, 85, 24, "Main Menu", 12.5, kButtonTeal, lit);
    paintPlaqueButton(cr, 37, 451, 56, 36, "", 13, kButtonTeal, lit);
    // The pause button shows its caption in the part above the screen's bottom edge.
    {
        TextStyle style = captionStyle(12.5);
        drawText(cr, style, "Pause", 65, 470, Align::Centre);
    }
    paintPlaqueButton(cr, 97, 451, 24, 26, "?", 16, Colour::hex(0xD2603A), lit);
}

// Classic's undo button between the podium and the prize shelf.
void paintUndoButton(cairo_t* cr, bool lit) {
    paintPlaqueButton(cr, 133, 445, 58, 31, "", 13, Colour::hex(0x6A3AB0), lit);
    // A curved arrow pointing back, then the caption.
    cairo_new_path(cr);
    cairo_arc_negative(cr, 147, 462, 5.5, 0.2 * kPi, -0.95 * kPi);
    cairo_set_line_width(cr, 5.0);
    setColour(cr, Colour::hex(0x140A28));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 2.6);
    setColour(cr, Colour{1, 1, 1});
    cairo_stroke(cr);
    polygonPath(cr, {{137.0, 457.5}, {144.0, 454.0}, {143.5, 461.5}});
    cairo_set_line_width(cr, 1.5);
    setColour(cr, Colour::hex(0x140A28));
    cairo_stroke_preserve(cr);
    setColour(cr, Colour{1, 1, 1});
    cairo_fill(cr);
    TextStyle style = captionStyle(12);
    if (lit) {
        style.bottom = Colour::hex(0xFFF0A0);
    }
    drawText(cr, style, "Undo", 171, 465, Align::Centre);
}

// The prize counter along the bottom: prizes land on its top, the score sits in its front.
// Prize places are centred 30 pixels apart from x 179 with their feet at y 436, so the
// counter starts far enough left for the first prize to stand wholly on it.
void paintPrizeCounter(cairo_t* cr) {
    constexpr double kLeft = 162;
    cairo_rectangle(cr, kLeft, 432, 640 - kLeft, 14);
    cairo_pattern_t* top = cairo_pattern_create_linear(0, 432, 0, 446);
    addStop(top, 0.0, kCounterWood.lighter(0.35));
    addStop(top, 1.0, kCounterWood.lighter(0.1));
    cairo_set_source(cr, top);
    cairo_fill(cr);
    cairo_pattern_destroy(top);
    cairo_rectangle(cr, kLeft, 446, 640 - kLeft, 34);
    cairo_pattern_t* front = cairo_pattern_create_linear(0, 446, 0, 480);
    addStop(front, 0.0, kCounterWood.darker(0.1));
    addStop(front, 1.0, kCounterWood.darker(0.45));
    cairo_set_source(cr, front);
    cairo_fill(cr);
    cairo_pattern_destroy(front);
    cairo_move_to(cr, kLeft, 446.5);
    cairo_line_to(cr, 640, 446.5);
    setColour(cr, world::kGold, 0.9);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_move_to(cr, kLeft, 432);
    cairo_line_to(cr, kLeft, 480);
    setColour(cr, Colour::hex(0x140A28));
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
    // A little round mat under each of the 15 prize places.
    for (int i = 0; i < 15; ++i) {
        const double x = 179 + 30 * i;
        cairo_save(cr);
        cairo_translate(cr, x, 437);
        cairo_scale(cr, 12, 3.2);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(cr);
        setColour(cr, kCounterWood.darker(0.35), 0.7);
        cairo_fill(cr);
    }
}

// The score plaque: the game writes the score left-aligned from `textX`.
void paintScorePlaque(cairo_t* cr, double textX, double top) {
    const double x = textX - 10;
    roundedRectPath(cr, x, top, 636 - x, 480 - top + 10, 8);
    setColour(cr, Colour::hex(0x140A28));
    cairo_fill(cr);
    roundedRectPath(cr, x + 2.5, top + 2.5, 631 - x, 480 - top + 5, 6);
    setColour(cr, Colour::hex(0x241650));
    cairo_fill(cr);
    TextStyle label = captionStyle(11.5);
    label.top = world::kGold.lighter(0.4);
    label.bottom = world::kGold;
    drawText(cr, label, "SCORE", x - 6, top + 17, Align::Right);
}

void paintClassicSign(cairo_t* cr) {
    paintMarqueePanel(cr, 12, 12, 146, 70, 14, world::kTentRed.lighter(0.05), world::kTentRed.darker(0.3),
                      16);
    drawText(cr, headingStyle(30), "Classic", 85, 58, Align::Centre);
    TextStyle tip = captionStyle(12);
    drawText(cr, tip, "Free every prize!", 85, 102, Align::Centre);
    drawText(cr, tip, "Pop groups of 2 or more", 85, 118, Align::Centre);
}

void paintActionTopBar(cairo_t* cr) {
    // The meter groove: the meter itself is drawn over it at (149, 8).
    roundedRectPath(cr, 143, 2, kMeterWidth + 12, kMeterHeight + 12, 9);
    setColour(cr, Colour::hex(0x140A28));
    cairo_fill(cr);
    roundedRectPath(cr, 145, 4, kMeterWidth + 8, kMeterHeight + 8, 8);
    setColour(cr, world::kGoldDeep);
    cairo_fill(cr);
    roundedRectPath(cr, 148, 7, kMeterWidth + 2, kMeterHeight + 2, 6);
    setColour(cr, Colour::hex(0x100A26));
    cairo_fill(cr);
    // A gold star at the end of the groove: the meter's reward.
    starPath(cr, 614, 19, 15, 7, 5);
    setColour(cr, Colour::hex(0x140A28));
    cairo_set_line_width(cr, 4.0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* gold = cairo_pattern_create_linear(0, 4, 0, 34);
    addStop(gold, 0.0, Colour::hex(0xFFF6B0));
    addStop(gold, 1.0, Colour::hex(0xF0A818));
    cairo_set_source(cr, gold);
    cairo_fill(cr);
    cairo_pattern_destroy(gold);
    TextStyle hint = captionStyle(11.5);
    drawText(cr, hint, "Fill the meter to win a gold star balloon", 150, 45.5, Align::Left);
    TextStyle click = captionStyle(11.5);
    click.top = world::kGold.lighter(0.5);
    click.bottom = world::kGold;
    drawText(cr, click, "Click up here for the next row!", 636, 45.5, Align::Right);
}

void paintRoundSign(cairo_t* cr) {
    paintMarqueePanel(cr, 56, 30, 92, 72, 12, world::kTeal.lighter(0.05), world::kTeal.darker(0.45), 14);
    TextStyle label = captionStyle(12);
    label.top = world::kGold.lighter(0.5);
    label.bottom = world::kGold;
    drawText(cr, label, "ROUND", 102, 52, Align::Centre);
    roundedRectPath(cr, 72, 59, 60, 28, 7);
    setColour(cr, Colour::hex(0x140A28));
    cairo_fill(cr);
    roundedRectPath(cr, 74, 61, 56, 24, 6);
    setColour(cr, Colour::hex(0x241650));
    cairo_fill(cr);
}

void paintPulley(cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, 44, 6);
    setColour(cr, Colour::hex(0x5E3018));
    cairo_fill(cr);
    cairo_arc(cr, 22, 6, 9, 0, 2 * kPi);
    setColour(cr, Colour::hex(0x140A28));
    cairo_fill(cr);
    cairo_arc(cr, 22, 6, 7, 0, 2 * kPi);
    setColour(cr, world::kGold);
    cairo_fill(cr);
    cairo_arc(cr, 22, 6, 2.5, 0, 2 * kPi);
    setColour(cr, Colour::hex(0x140A28));
    cairo_fill(cr);
}

void paintActionHints(cairo_t* cr) {
    TextStyle tip = captionStyle(12);
    drawText(cr, tip, "Don't let the", 100, 116, Align::Centre);
    drawText(cr, tip, "balloons reach", 100, 131, Align::Centre);
    drawText(cr, tip, "the red line!", 100, 146, Align::Centre);
}

} // namespace

Raster paintPlayfield(const PlayfieldLook& look) {
    Sketch s(kScreenWidth, kScreenHeight);
    cairo_t* cr = s.cr();
    const bool classic = look.mode == PlayMode::Classic;
    paintDuskSky(cr, kScreenWidth, kScreenHeight, classic ? 11u : 23u);
    paintFairgroundSkyline(cr, kScreenWidth, 430, classic ? 5u : 9u);
    // Floor of the stage.
    cairo_pattern_t* floor = cairo_pattern_create_linear(0, 400, 0, 480);
    addStop(floor, 0.0, world::kPlum.darker(0.3));
    addStop(floor, 1.0, world::kNight);
    cairo_rectangle(cr, 0, 420, kScreenWidth, 60);
    cairo_set_source(cr, floor);
    cairo_fill(cr);
    cairo_pattern_destroy(floor);

    paintLightString(cr, 0, classic ? 138 : 170, 160, classic ? 130 : 160, 20, 7);
    paintLightString(cr, 604, 40, 640, 60, 10, 2);
    paintBoardPanel(cr, look.mode);
    if (classic) {
        paintClassicSign(cr);
        paintPrizeCounter(cr);
        paintScorePlaque(cr, 521, 449);
    } else {
        paintPulley(cr);
        paintActionTopBar(cr);
        paintRoundSign(cr);
        paintActionHints(cr);
        paintScorePlaque(cr, 509, 449);
    }
    paintPodium(cr);
    paintPodiumButtons(cr, false);
    if (classic) {
        paintUndoButton(cr, false);
    }
    return s.toRaster();
}

Raster paintLitMenuButtons(PlayMode mode) {
    Sketch s(kScreenWidth, kScreenHeight);
    cairo_t* cr = s.cr();
    paintPodiumButtons(cr, true);
    if (mode == PlayMode::Classic) {
        paintUndoButton(cr, true);
    }
    return s.toRaster();
}

Raster podiumHoverPicture(const Raster& litButtons) {
    // Rows below the screen stay clear.
    return litButtons.cropped(0, kPodiumOffsetY, kPodiumWidth, kPodiumHeight);
}

Raster podiumPicture(const Raster& playfield) {
    Raster out = playfield.cropped(0, kPodiumOffsetY, kPodiumWidth, kPodiumHeight);
    // Below the screen only the unused off-screen buttons are cut: plain night colour.
    const uint32_t night = 0xFF000000 | world::kNight.toRgb24();
    for (int y = kScreenHeight - kPodiumOffsetY; y < kPodiumHeight; ++y) {
        for (int x = 0; x < kPodiumWidth; ++x) {
            out.set(x, y, night);
        }
    }
    return out;
}

Raster paintMeter() {
    Sketch s(kMeterWidth, kMeterHeight);
    cairo_t* cr = s.cr();
    roundedRectPath(cr, 0, 0, kMeterWidth, kMeterHeight, 6);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, kMeterWidth, 0);
    addStop(fill, 0.0, Colour::hex(0xFF8A1E));
    addStop(fill, 0.6, Colour::hex(0xFFC83A));
    addStop(fill, 1.0, Colour::hex(0xFFF2A0));
    cairo_set_source(cr, fill);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);
    // Gloss and evenly spaced stars so the fill reads as progress.
    roundedRectPath(cr, 3, 2, kMeterWidth - 6, kMeterHeight * 0.4, 4);
    setColour(cr, Colour{1, 1, 1}, 0.35);
    cairo_fill(cr);
    for (int i = 1; i < 11; ++i) {
        starPath(cr, i * kMeterWidth / 11.0, kMeterHeight / 2.0 + 1, 5.5, 2.4, 5);
        setColour(cr, Colour{1, 1, 1}, 0.55);
        cairo_fill(cr);
    }
    return s.toRaster();
}

Raster paintMeterHighlight() {
    Sketch s(kMeterWidth, kMeterHeight);
    cairo_t* cr = s.cr();
    roundedRectPath(cr, 0.5, 0.5, kMeterWidth - 1, kMeterHeight - 1, 6);
    cairo_set_line_width(cr, 2.0);
    setColour(cr, Colour::hex(0xFFF6C0), 0.9);
    cairo_stroke(cr);
    cairo_pattern_t* shine = cairo_pattern_create_linear(0, 0, 0, kMeterHeight);
    cairo_pattern_add_color_stop_rgba(shine, 0.0, 1, 1, 1, 0.45);
    cairo_pattern_add_color_stop_rgba(shine, 0.5, 1, 1, 1, 0.05);
    cairo_pattern_add_color_stop_rgba(shine, 1.0, 1, 1, 1, 0.0);
    roundedRectPath(cr, 2, 2, kMeterWidth - 4, kMeterHeight - 4, 5);
    cairo_set_source(cr, shine);
    cairo_fill(cr);
    cairo_pattern_destroy(shine);
    return s.toRaster();
}

Raster paintCord() {
    Sketch s(24, kCordHeight);
    cairo_t* cr = s.cr();
    // A twisted rope down to a wooden handle at the bottom.
    const double handleTop = kCordHeight - 34;
    cairo_rectangle(cr, 9, 0, 6, handleTop + 4);
    setColour(cr, Colour::hex(0x140A28));
    cairo_fill(cr);
    cairo_rectangle(cr, 10, 0, 4, handleTop + 4);
    setColour(cr, Colour::hex(0xF0DDB0));
    cairo_fill(cr);
    for (double y = -4; y < handleTop; y += 6) {
        cairo_move_to(cr, 10, y + 5);
        cairo_line_to(cr, 14, y);
        setColour(cr, Colour::hex(0xB89A68));
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
    }
    roundedRectPath(cr, 2, handleTop, 20, 32, 9);
    setColour(cr, Colour::hex(0x140A28));
    cairo_fill(cr);
    roundedRectPath(cr, 4, handleTop + 2, 16, 28, 7.5);
    cairo_pattern_t* wood = cairo_pattern_create_linear(4, 0, 20, 0);
    addStop(wood, 0.0, world::kTentRed.lighter(0.2));
    addStop(wood, 1.0, world::kTentRed.darker(0.3));
    cairo_set_source(cr, wood);
    cairo_fill(cr);
    cairo_pattern_destroy(wood);
    cairo_rectangle(cr, 4, handleTop + 12, 16, 3);
    setColour(cr, world::kGold);
    cairo_fill(cr);
    return s.toRaster();
}
