// TitleArt.cpp: the title picture, its highlighted button strip and the little mascot strip.
#include "TitleArt.h"

#include "BalloonArt.h"
#include "MascotArt.h"
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

struct Card {
    const char* label;
    const char* subtitle;
    Colour colour;
};

constexpr std::array<Card, 3> kCards = {{{"Classic", "Free all the prizes", Colour::hex(0xD0342B)},
                                         {"Puzzle", "102 brain teasers", Colour::hex(0x2E53E6)},
                                         {"Action", "Beat the clock", Colour::hex(0xE07A10)}}};

void drawBalloonAt(Sketch& s, int colour, double x, double y, double scale) {
    const int w = static_cast<int>(std::lround(kPlaceWidth * scale));
    const int h = static_cast<int>(std::lround(kPlaceHeight * scale));
    s.drawRaster(paintBalloon(BalloonLook{colour, w, h}), x - w / 2.0, y - h / 2.0);
}

void paintLogo(Sketch& s) {
    cairo_t* cr = s.cr();
    // A fan of balloons behind the name.
    const std::array<std::array<double, 4>, 7> balloons = {{{40, 62, 0, 1.9},
                                                            {88, 38, 2, 1.6},
                                                            {400, 44, 3, 1.7},
                                                            {446, 80, 1, 1.9},
                                                            {362, 92, 4, 1.4},
                                                            {24, 140, 5, 1.5},
                                                            {424, 150, 6, 1.6}}};
    for (const auto& b : balloons) {
        drawBalloonAt(s, static_cast<int>(b[2]), b[0], b[1], b[3]);
    }
    TextStyle logo = headingStyle(112);
    logo.outlineWidth = 7.0;
    logo.shadowX = 4;
    logo.shadowY = 7;
    logo.shadowAlpha = 0.55;
    logo.top = Colour::hex(0xFFF8C0);
    logo.bottom = Colour::hex(0xFFA81C);
    drawText(cr, logo, "Zibbet", 236, 158, Align::Centre);
    TextStyle tag = captionStyle(17);
    drawText(cr, tag, "Pop the balloons, free the prizes!", 236, 198, Align::Centre);
}

void paintCardPicture(Sketch& s, int card, double x, double y) {
    cairo_t* cr = s.cr();
    switch (card) {
    case 0: { // Classic: balloons carrying a present
        const double cx = x + 65;
        cairo_move_to(cr, cx - 26, y + 58);
        cairo_line_to(cr, cx, y + 84);
        cairo_move_to(cr, cx, y + 48);
        cairo_line_to(cr, cx, y + 84);
        cairo_move_to(cr, cx + 26, y + 58);
        cairo_line_to(cr, cx, y + 84);
        cairo_set_line_width(cr, 1.3);
        setColour(cr, Colour::hex(0xF4F0FF));
        cairo_stroke(cr);
        drawBalloonAt(s, 1, cx - 26, y + 40, 1.25);
        drawBalloonAt(s, 3, cx + 26, y + 40, 1.25);
        drawBalloonAt(s, 0, cx, y + 28, 1.4);
        s.drawRaster(paintPresent(0, 0), cx - 14, y + 76);
        break;
    }
    case 1: { // Puzzle: a small board with a prize and its target
        for (int row = 0; row < 2; ++row) {
            for (int col = 0; col < 4; ++col) {
                const int colours[2][4] = {{2, 4, 4, 0}, {2, 6, 5, 5}};
                drawBalloonAt(s, colours[row][col], x + 24 + col * 28, y + 28 + row * 34, 0.95);
            }
        }
        s.drawRaster(paintTarget(2), x + 51, y + 68);
        TextStyle q = headingStyle(26);
        drawText(cr, q, "?", x + 112, y + 100, Align::Centre);
        break;
    }
    default: { // Action: the gold star balloon and a row coming in
        for (int i = 0; i < 4; ++i) {
            const Raster small = paintBalloon(BalloonLook{(i * 2 + 1) % 6, 22, 29, inflateFraction(2 + i)});
            s.drawRaster(small, x + 10 + i * 28, y + 66, 0.8);
        }
        drawBalloonAt(s, 6, x + 65, y + 38, 1.7);
        // Speed lines.
        for (int i = 0; i < 3; ++i) {
            cairo_move_to(cr, x + 14, y + 22 + i * 12);
            cairo_line_to(cr, x + 34, y + 22 + i * 12);
            cairo_move_to(cr, x + 96, y + 22 + i * 12);
            cairo_line_to(cr, x + 116, y + 22 + i * 12);
        }
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cr, 2.4);
        setColour(cr, Colour{1, 1, 1}, 0.75);
        cairo_stroke(cr);
        break;
    }
    }
}

void paintCard(Sketch& s, int index, bool lit) {
    cairo_t* cr = s.cr();
    const TitleButton& b = kTitleButtons[index];
    const Card& card = kCards[index];
    const double x = b.left;
    const double y = b.top;
    const Colour top = lit ? card.colour.lighter(0.35) : card.colour.lighter(0.1);
    const Colour bottom = lit ? card.colour : card.colour.darker(0.35);
    paintMarqueePanel(cr, x + 2, y + 2, b.width - 4, b.height - 4, 14, top, bottom, lit ? 13 : 0);
    // The picture well.
    roundedRectPath(cr, x + 10, y + 10, b.width - 20, 92, 9);
    setColour(cr, world::kVelvetDeep, lit ? 0.5 : 0.65);
    cairo_fill(cr);
    paintCardPicture(s, index, x, y);
    TextStyle label = headingStyle(28);
    if (lit) {
        label.top = Colour::hex(0xFFFFFF);
        label.bottom = Colour::hex(0xFFE060);
    }
    drawText(cr, label, card.label, x + b.width / 2.0, y + 127, Align::Centre);
    TextStyle sub = captionStyle(11);
    drawText(cr, sub, card.subtitle, x + b.width / 2.0, y + 141, Align::Centre);
    if (lit) {
        for (const auto& [dx, dy, size] :
             std::array<std::array<double, 3>, 3>{{{14, 14, 12}, {118, 20, 9}, {110, 96, 11}}}) {
            sparklePath(cr, x + dx, y + dy, size);
            setColour(cr, Colour::hex(0xFFFBE0));
            cairo_fill(cr);
        }
    }
}

void paintWebBadge(Sketch& s, bool lit) {
    cairo_t* cr = s.cr();
    const TitleButton& b = kTitleButtons[6];
    const double cx = b.left + b.width / 2.0;
    const double cy = b.top + b.height / 2.0 + 1;
    if (lit) {
        // The glow dies out before the edges of the face the title cuts for the badge.
        const double reach = std::min(b.width, b.height) / 2.0 - 2.0;
        cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, 20, cx, cy, reach);
        addStop(glow, 0.0, Colour::hex(0xFFE890), 0.55);
        addStop(glow, 1.0, Colour::hex(0xFFE890), 0.0);
        cairo_rectangle(cr, b.left, b.top, b.width, b.height);
        cairo_set_source(cr, glow);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
    }
    starPath(cr, cx, cy, 41, 36, 16);
    setColour(cr, Colour::hex(0x140A28));
    cairo_fill(cr);
    starPath(cr, cx, cy, 39, 34.5, 16);
    setColour(cr, lit ? world::kGold.lighter(0.3) : world::kGold);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, 32, 0, 2 * kPi);
    setColour(cr, lit ? world::kTeal.lighter(0.25) : world::kTeal.darker(0.1));
    cairo_fill(cr);
    // A little globe.
    cairo_set_line_width(cr, 1.6);
    setColour(cr, Colour{1, 1, 1}, 0.9);
    cairo_arc(cr, cx, cy - 9, 11, 0, 2 * kPi);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy - 9);
    cairo_scale(cr, 0.45, 1.0);
    cairo_arc(cr, 0, 0, 11, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_stroke(cr);
    cairo_move_to(cr, cx - 11, cy - 9);
    cairo_line_to(cr, cx + 11, cy - 9);
    cairo_stroke(cr);
    TextStyle label = captionStyle(12);
    if (lit) {
        label.bottom = Colour::hex(0xFFF0A0);
    }
    drawText(cr, label, "Visit our", cx, cy + 13, Align::Centre);
    drawText(cr, label, "website", cx, cy + 25, Align::Centre);
}

void paintTent(cairo_t* cr) {
    // A striped big top on the right; the little mascot's drum stands on its peak.
    const double left = 420;
    const double right = 650;
    const double peakX = kTitleMascotX + kTitleMascotWidth / 2.0;
    const double top = kTitleMascotY + kTitleMascotHeight + 6;
    const double eave = 336;
    cairo_save(cr);
    cairo_move_to(cr, left, eave);
    cairo_curve_to(cr, 470, 312, peakX - 20, top + 14, peakX, top);
    cairo_curve_to(cr, peakX + 20, top + 14, 590, 312, right, eave);
    cairo_line_to(cr, right, 480);
    cairo_line_to(cr, left, 480);
    cairo_close_path(cr);
    cairo_clip_preserve(cr);
    for (int i = 0; i < 14; ++i) {
        const double x = left - 60 + i * 24;
        polygonPath(cr, {{peakX, top}, {x, 480}, {x + 12, 480}});
        setColour(cr, i % 2 ? world::kTentCream : world::kTentRed);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    cairo_set_line_width(cr, 2.0);
    setColour(cr, Colour::hex(0x140A28));
    cairo_stroke(cr);
    // Scalloped valance and the entrance.
    for (int i = 0; i < 10; ++i) {
        const double x = left + i * 23;
        cairo_arc(cr, x + 11.5, eave + 2, 11.5, 0, kPi);
        setColour(cr, i % 2 ? world::kTentRed : Colour::hex(0xFFC83A));
        cairo_fill_preserve(cr);
        setColour(cr, Colour::hex(0x140A28));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, peakX - 28, 480);
    cairo_curve_to(cr, peakX - 24, 420, peakX - 12, 376, peakX, 360);
    cairo_curve_to(cr, peakX + 12, 376, peakX + 24, 420, peakX + 28, 480);
    cairo_close_path(cr);
    setColour(cr, Colour::hex(0x2A0F20));
    cairo_fill(cr);
}

void paintMascotStage(cairo_t* cr) {
    const double cx = kTitleMascotX + kTitleMascotWidth / 2.0;
    const double y = kTitleMascotY + kTitleMascotHeight - 4;
    cairo_save(cr);
    cairo_translate(cr, cx, y + 9);
    cairo_scale(cr, 40, 9);
    cairo_arc(cr, 0, 0, 1, 0, kPi);
    cairo_restore(cr);
    cairo_line_to(cr, cx - 40, y);
    cairo_line_to(cr, cx + 40, y);
    cairo_close_path(cr);
    setColour(cr, world::kTentRed.darker(0.1));
    cairo_fill(cr);
    cairo_rectangle(cr, cx - 40, y, 80, 9);
    setColour(cr, world::kTentRed.darker(0.1));
    cairo_fill(cr);
    cairo_rectangle(cr, cx - 40, y + 3, 80, 2.5);
    setColour(cr, world::kGold);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, y);
    cairo_scale(cr, 40, 7);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    setColour(cr, world::kPlum.lighter(0.2));
    cairo_fill_preserve(cr);
    setColour(cr, world::kGold);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

// The seven menu buttons.
void paintTitleButtons(Sketch& s, bool lit) {
    cairo_t* cr = s.cr();
    for (int i = 0; i < 3; ++i) {
        paintCard(s, i, lit);
    }
    paintPlaqueButton(cr, 123, 396, 126, 46, "High Scores", 16, Colour::hex(0x7A3CC0), lit);
    paintPlaqueButton(cr, 252, 396, 126, 46, "Options", 16, Colour::hex(0x1C8EA0), lit);
    paintPlaqueButton(cr, 382, 396, 126, 46, "Exit", 16, Colour::hex(0xB8283A), lit);
    paintWebBadge(s, lit);
}

// Everything but the little mascot, with the buttons in their normal look.
Raster paintTitleBase() {
    Sketch s(640, 480);
    cairo_t* cr = s.cr();
    paintDuskSky(cr, 640, 480, 3u);
    paintFairgroundSkyline(cr, 640, 360, 17u);
    paintBunting(cr, -10, 8, 300, 14, 26, 11);
    paintBunting(cr, 290, 14, 650, 4, 30, 12);
    paintLightString(cr, 440, 96, 650, 120, 30, 8);
    paintTent(cr);
    paintMascotStage(cr);
    paintLogo(s);
    paintTitleButtons(s, false);
    return s.toRaster();
}

// The lit buttons alone on a clear picture, so each hover face carries its button's own outline
// as its alpha and the title shows through around it.
Raster paintLitTitleButtons() {
    Sketch s(640, 480);
    paintTitleButtons(s, true);
    return s.toRaster();
}

Raster withMascot(const Raster& base, int frame) {
    Sketch s(base.width(), base.height());
    s.drawRaster(base, 0, 0);
    cairo_t* cr = s.cr();
    cairo_translate(cr, kTitleMascotX + kTitleMascotWidth / 2.0, kTitleMascotY + kTitleMascotHeight - 4);
    cairo_scale(cr, 0.4, 0.4);
    drawMascot(cr, titleMascotPose(frame));
    return s.toRaster();
}

} // namespace

TitlePictures paintTitlePictures() {
    const Raster base = paintTitleBase();
    TitlePictures pictures;
    pictures.title = withMascot(base, 0);
    pictures.buttons = paintLitTitleButtons().cropped(0, kButtonStripTop, 640, 480 - kButtonStripTop);
    pictures.mascotStrip = Raster(4 * kTitleMascotWidth, kTitleMascotHeight);
    for (int frame = 0; frame < 4; ++frame) {
        const Raster posed = frame == 0 ? pictures.title : withMascot(base, frame);
        pictures.mascotStrip.composite(
            posed.cropped(kTitleMascotX, kTitleMascotY, kTitleMascotWidth, kTitleMascotHeight),
            frame * kTitleMascotWidth, 0);
    }
    return pictures;
}
