// MascotFigure.cpp: draws the podium mascot in any pose.
#include "Lettering.h"
#include "MascotArt.h"
#include "Palette.h"
#include "Shapes.h"
#include "Sketch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

// A round, fluffy fairground creature in a little ringmaster's hat.
constexpr Colour kFur = Colour::hex(0xFF8C42);
constexpr Colour kFurLight = Colour::hex(0xFFC07A);
constexpr Colour kFurDark = Colour::hex(0xC9561C);
constexpr Colour kBelly = Colour::hex(0xFFF0D2);
constexpr Colour kEarInner = Colour::hex(0xFF9EB4);
constexpr Colour kCheek = Colour::hex(0xFF5F7A);
constexpr Colour kIris = Colour::hex(0x3B1850);
constexpr Colour kOutline = Colour::hex(0x3A1636);
constexpr Colour kHat = Colour::hex(0x6A2FA0);
constexpr Colour kHatBand = Colour::hex(0xFFC83A);
constexpr Colour kTie = Colour::hex(0x1FA3A8);
constexpr Colour kMouth = Colour::hex(0x8A1E3A);
constexpr Colour kTongue = Colour::hex(0xFF7F95);
constexpr double kLine = 2.3;

// Figure geometry (before squash and lean).
constexpr double kBodyY = -64.0;
constexpr double kBodyRx = 46.0;
constexpr double kBodyRy = 52.0;
constexpr double kShoulderX = 36.0;
constexpr double kShoulderY = -56.0;
constexpr double kArmLength = 40.0;
constexpr double kEyeY = -80.0;
constexpr double kEyeX = 16.0;

void ellipsePath(cairo_t* cr, double x, double y, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

void fillAndOutline(cairo_t* cr, const Colour& c, double width = kLine) {
    setColour(cr, c);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, width);
    setColour(cr, kOutline);
    cairo_stroke(cr);
}

void radialFill(cairo_t* cr, double x, double y, double r, const Colour& light, const Colour& mid,
                const Colour& dark) {
    cairo_pattern_t* p = cairo_pattern_create_radial(x - 0.45 * r, y - 0.5 * r, 0.1 * r, x, y, 1.15 * r);
    addStop(p, 0.0, light);
    addStop(p, 0.55, mid);
    addStop(p, 1.0, dark);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, kLine);
    setColour(cr, kOutline);
    cairo_stroke(cr);
}

struct Point {
    double x, y;
};

Point shoulder(int side) {
    return {side * kShoulderX, kShoulderY};
}

Point handOf(const Arm& arm, int side) {
    if (arm.hand) {
        return {arm.hand->first, arm.hand->second};
    }
    const Point s = shoulder(side);
    const double length = kArmLength * arm.reach;
    return {s.x + side * length * std::sin(arm.angle), s.y + length * std::cos(arm.angle)};
}

void drawArm(cairo_t* cr, const Arm& arm, int side) {
    const Point s = shoulder(side);
    const Point h = handOf(arm, side);
    // The elbow bows away from the straight line between shoulder and hand.
    const double mx = (s.x + h.x) / 2.0;
    const double my = (s.y + h.y) / 2.0;
    const double dx = h.x - s.x;
    const double dy = h.y - s.y;
    const double len = std::max(1.0, std::hypot(dx, dy));
    const double bow = (6.0 + 10.0 * arm.bend) * side;
    const Point c{mx + bow * dy / len, my - bow * dx / len};
    for (int pass = 0; pass < 2; ++pass) {
        cairo_move_to(cr, s.x, s.y);
        cairo_curve_to(cr, c.x, c.y, c.x, c.y, h.x, h.y);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cr, pass == 0 ? 14.0 + 2 * kLine : 14.0);
        setColour(cr, pass == 0 ? kOutline : kFur);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
    cairo_arc(cr, h.x, h.y, 8.5, 0, 2 * kPi);
    radialFill(cr, h.x, h.y, 8.5, kFurLight, kFur, kFurDark);
    ellipsePath(cr, h.x - side * 1.5, h.y + 1.5, 4.2, 3.4);
    setColour(cr, kBelly, 0.9);
    cairo_fill(cr);
}

void drawFoot(cairo_t* cr, int side, double apart, double lift) {
    const double x = side * (18.0 + apart);
    const double y = -8.0 - lift;
    ellipsePath(cr, x, y, 16.0, 8.5);
    radialFill(cr, x, y, 16.0, kFurLight, kFur, kFurDark);
    for (int toe = -1; toe <= 1; ++toe) {
        cairo_new_path(cr);
        cairo_arc(cr, x + toe * 5.5 + side * 3.0, y + 3.2, 2.1, 0, 2 * kPi);
        setColour(cr, kBelly, 0.85);
        cairo_fill(cr);
    }
}

void drawEar(cairo_t* cr, int side) {
    const double x = side * 30.0;
    const double y = -108.0;
    cairo_new_path(cr);
    cairo_arc(cr, x, y, 15.0, 0, 2 * kPi);
    radialFill(cr, x, y, 15.0, kFurLight, kFur, kFurDark);
    cairo_new_path(cr);
    cairo_arc(cr, x + side * 1.0, y + 1.0, 8.5, 0, 2 * kPi);
    setColour(cr, kEarInner);
    cairo_fill(cr);
}

void drawTail(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 38, -30);
    cairo_curve_to(cr, 62, -34, 66, -60, 52, -66);
    cairo_curve_to(cr, 58, -52, 50, -40, 36, -40);
    cairo_close_path(cr);
    fillAndOutline(cr, kFurDark.mix(kFur, 0.5));
}

void drawBody(cairo_t* cr) {
    ellipsePath(cr, 0, kBodyY, kBodyRx, kBodyRy);
    radialFill(cr, 0, kBodyY, kBodyRx, kFurLight, kFur, kFurDark);
    // Fluffy tuft on top.
    for (int i = -1; i <= 1; ++i) {
        cairo_new_path(cr);
        cairo_move_to(cr, i * 7.0 - 5.0, -113.0);
        cairo_curve_to(cr, i * 7.0 - 4.0, -126.0 - (i == 0 ? 5 : 0), i * 7.0 + 6.0, -124.0, i * 7.0 + 3.0,
                       -114.0);
        fillAndOutline(cr, kFur, 2.0);
    }
    // Belly patch.
    ellipsePath(cr, 0, -30.0, 27.0, 19.0);
    setColour(cr, kBelly);
    cairo_fill(cr);
}

void drawBowTie(cairo_t* cr) {
    const double y = -42.0;
    cairo_new_path(cr);
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, -12, y - 7);
    cairo_curve_to(cr, -15, y - 2, -15, y + 2, -12, y + 7);
    cairo_close_path(cr);
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, 12, y - 7);
    cairo_curve_to(cr, 15, y - 2, 15, y + 2, 12, y + 7);
    cairo_close_path(cr);
    fillAndOutline(cr, kTie, 2.0);
    for (int side : {-1, 1}) {
        cairo_new_path(cr);
        cairo_arc(cr, side * 8.5, y, 1.6, 0, 2 * kPi);
        setColour(cr, kHatBand);
        cairo_fill(cr);
    }
    cairo_new_path(cr);
    cairo_arc(cr, 0, y, 3.6, 0, 2 * kPi);
    fillAndOutline(cr, kTie.darker(0.15), 1.8);
}

void drawEye(cairo_t* cr, int side, const MascotPose& pose) {
    const double x = side * kEyeX;
    const double y = kEyeY;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    auto line = [cr](double width) {
        cairo_set_line_width(cr, width);
        setColour(cr, kOutline);
        cairo_stroke(cr);
    };
    switch (pose.eyes) {
    case Eyes::Closed:
        cairo_move_to(cr, x - 8, y + 1);
        cairo_curve_to(cr, x - 3, y + 6, x + 3, y + 6, x + 8, y + 1);
        line(3.0);
        return;
    case Eyes::Asleep:
        cairo_move_to(cr, x - 8, y + 2);
        cairo_curve_to(cr, x - 3, y + 7, x + 3, y + 7, x + 8, y + 2);
        line(3.0);
        cairo_move_to(cr, x + side * 8, y + 2);
        cairo_line_to(cr, x + side * 11, y - 0.5);
        line(2.0);
        return;
    case Eyes::Happy:
        cairo_move_to(cr, x - 8, y + 3);
        cairo_curve_to(cr, x - 4, y - 6, x + 4, y - 6, x + 8, y + 3);
        line(3.4);
        return;
    case Eyes::Squeezed:
        cairo_move_to(cr, x - side * 7, y - 6);
        cairo_line_to(cr, x + side * 6, y);
        cairo_line_to(cr, x - side * 7, y + 6);
        line(3.2);
        return;
    default:
        break;
    }
    const bool wide = pose.eyes == Eyes::Wide;
    const double rx = wide ? 10.5 : 9.5;
    const double ry = wide ? 12.5 : 11.5;
    ellipsePath(cr, x, y, rx, ry);
    setColour(cr, Colour{1, 1, 1});
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    const double px = x + pose.lookX * 3.5;
    const double py = y + 1.5 + pose.lookY * 3.5;
    const double iris = wide ? 5.0 : 6.8;
    cairo_new_path(cr);
    cairo_arc(cr, px, py, iris, 0, 2 * kPi);
    setColour(cr, kIris);
    cairo_fill(cr);
    cairo_arc(cr, px + 2.2, py - 2.6, iris * 0.4, 0, 2 * kPi);
    setColour(cr, Colour{1, 1, 1});
    cairo_fill(cr);
    cairo_arc(cr, px - 2.0, py + 2.4, iris * 0.18, 0, 2 * kPi);
    cairo_fill(cr);
    // Eyelids.
    if (pose.eyes == Eyes::Half) {
        cairo_rectangle(cr, x - rx - 1, y - ry - 1, 2 * rx + 2, ry + 1.5);
        setColour(cr, kFur);
        cairo_fill(cr);
        cairo_move_to(cr, x - rx, y + 0.5);
        cairo_line_to(cr, x + rx, y + 0.5);
        cairo_set_line_width(cr, 2.6);
        setColour(cr, kOutline);
        cairo_stroke(cr);
    } else if (pose.eyes == Eyes::Sad) {
        polygonPath(cr, {{x - rx - 1, y - ry - 1},
                         {x + rx + 1, y - ry - 1},
                         {x + rx + 1, y - ry + (side > 0 ? 11 : 4)},
                         {x - rx - 1, y - ry + (side > 0 ? 4 : 11)}});
        setColour(cr, kFur);
        cairo_fill_preserve(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, x + rx + 1, y - ry + (side > 0 ? 11 : 4));
        cairo_line_to(cr, x - rx - 1, y - ry + (side > 0 ? 4 : 11));
        cairo_set_line_width(cr, 2.4);
        setColour(cr, kOutline);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    cairo_new_path(cr);
    ellipsePath(cr, x, y, rx, ry);
    cairo_set_line_width(cr, 2.2);
    setColour(cr, kOutline);
    cairo_stroke(cr);
}

void drawBrows(cairo_t* cr, const MascotPose& pose) {
    if (!pose.worriedBrows && !pose.sadBrows) {
        return;
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int side : {-1, 1}) {
        const double x = side * kEyeX;
        const double inner = pose.worriedBrows ? -99.0 : -97.0;
        const double outer = pose.worriedBrows ? -94.0 : -92.0;
        cairo_move_to(cr, x - side * 7.0, inner);
        cairo_line_to(cr, x + side * 6.0, outer);
        cairo_set_line_width(cr, 3.0);
        setColour(cr, kOutline);
        cairo_stroke(cr);
    }
}

void drawMouth(cairo_t* cr, Mouth mouth) {
    const double y = -56.0;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    auto stroke = [cr](double width) {
        cairo_set_line_width(cr, width);
        setColour(cr, kOutline);
        cairo_stroke(cr);
    };
    auto openMouth = [cr](double tongueY) {
        cairo_save(cr);
        cairo_clip_preserve(cr);
        setColour(cr, kMouth);
        cairo_fill_preserve(cr);
        cairo_new_path(cr);
        ellipsePath(cr, 0, tongueY, 8, 5);
        setColour(cr, kTongue);
        cairo_fill(cr);
        cairo_restore(cr);
    };
    switch (mouth) {
    case Mouth::Smile:
        cairo_move_to(cr, -10, y - 1);
        cairo_curve_to(cr, -5, y + 7, 5, y + 7, 10, y - 1);
        stroke(2.8);
        break;
    case Mouth::Small:
        cairo_move_to(cr, -5, y);
        cairo_curve_to(cr, -2, y + 3.5, 2, y + 3.5, 5, y);
        stroke(2.6);
        break;
    case Mouth::Grin:
        cairo_move_to(cr, -12, y - 3);
        cairo_curve_to(cr, -6, y - 1, 6, y - 1, 12, y - 3);
        cairo_curve_to(cr, 10, y + 14, -10, y + 14, -12, y - 3);
        cairo_close_path(cr);
        openMouth(y + 8);
        cairo_move_to(cr, -12, y - 3);
        cairo_curve_to(cr, -6, y - 1, 6, y - 1, 12, y - 3);
        cairo_curve_to(cr, 10, y + 14, -10, y + 14, -12, y - 3);
        cairo_close_path(cr);
        stroke(2.4);
        break;
    case Mouth::Oh:
        ellipsePath(cr, 0, y + 3, 5.5, 7.0);
        openMouth(y + 8);
        ellipsePath(cr, 0, y + 3, 5.5, 7.0);
        stroke(2.4);
        break;
    case Mouth::Yawn:
        ellipsePath(cr, 0, y + 4, 7.5, 10.0);
        openMouth(y + 11);
        ellipsePath(cr, 0, y + 4, 7.5, 10.0);
        stroke(2.4);
        break;
    case Mouth::Frown:
        cairo_move_to(cr, -9, y + 5);
        cairo_curve_to(cr, -4, y - 2, 4, y - 2, 9, y + 5);
        stroke(2.8);
        break;
    case Mouth::Wobbly:
        cairo_move_to(cr, -10, y + 3);
        cairo_line_to(cr, -6, y);
        cairo_line_to(cr, -2, y + 3);
        cairo_line_to(cr, 2, y);
        cairo_line_to(cr, 6, y + 3);
        cairo_line_to(cr, 10, y);
        stroke(2.6);
        break;
    case Mouth::Flat:
        cairo_move_to(cr, -7, y + 2);
        cairo_line_to(cr, 7, y + 2);
        stroke(2.8);
        break;
    }
}

void drawFace(cairo_t* cr, const MascotPose& pose) {
    for (int side : {-1, 1}) {
        ellipsePath(cr, side * 31.0, -61.0, 7.5, 4.8);
        setColour(cr, kCheek, 0.5);
        cairo_fill(cr);
    }
    drawEye(cr, -1, pose);
    drawEye(cr, 1, pose);
    drawBrows(cr, pose);
    ellipsePath(cr, 0, -66.0, 4.0, 2.8);
    setColour(cr, kOutline);
    cairo_fill(cr);
    drawMouth(cr, pose.mouth);
}

void drawHat(cairo_t* cr, const MascotPose& pose) {
    cairo_save(cr);
    cairo_translate(cr, 4.0, -112.0 - pose.hatLift);
    cairo_rotate(cr, 0.12 + pose.hatTilt);
    cairo_new_path(cr);
    cairo_move_to(cr, -12, 0);
    cairo_line_to(cr, -13.5, -27);
    cairo_curve_to(cr, -8, -30, 8, -30, 13.5, -27);
    cairo_line_to(cr, 12, 0);
    cairo_close_path(cr);
    radialFill(cr, 0, -14, 16, kHat.lighter(0.35), kHat, kHat.darker(0.35));
    cairo_new_path(cr);
    polygonPath(cr, {{-12.3, -5}, {-12.8, -11}, {12.8, -11}, {12.3, -5}});
    fillAndOutline(cr, kHatBand, 1.6);
    ellipsePath(cr, 0, 0, 20, 4.6);
    fillAndOutline(cr, kHat.darker(0.1));
    starPath(cr, 6.5, -8.0, 3.0, 1.3, 5);
    setColour(cr, Colour{1, 1, 1});
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawZ(cairo_t* cr, double x, double y, double size) {
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + size, y);
    cairo_line_to(cr, x, y + size);
    cairo_line_to(cr, x + size, y + size);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, size * 0.28 + 2.4);
    setColour(cr, kOutline);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, size * 0.28);
    setColour(cr, Colour::hex(0xCFE8FF));
    cairo_stroke(cr);
}

void drawWatch(cairo_t* cr, Point hand) {
    const double x = hand.x;
    const double y = hand.y - 9.0;
    cairo_new_path(cr);
    cairo_move_to(cr, x, y + 9);
    cairo_curve_to(cr, x - 10, y + 24, -14, -24, -4, -36);
    cairo_set_line_width(cr, 1.4);
    setColour(cr, kHatBand.darker(0.2));
    cairo_stroke(cr);
    cairo_arc(cr, x, y, 11, 0, 2 * kPi);
    fillAndOutline(cr, kHatBand);
    cairo_arc(cr, x, y, 8, 0, 2 * kPi);
    setColour(cr, Colour::hex(0xFFFDF2));
    cairo_fill(cr);
    for (int i = 0; i < 12; ++i) {
        const double a = i * kPi / 6;
        cairo_arc(cr, x + 6.2 * std::cos(a), y + 6.2 * std::sin(a), i % 3 == 0 ? 0.9 : 0.5, 0, 2 * kPi);
        setColour(cr, kOutline);
        cairo_fill(cr);
    }
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x, y - 5.5);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + 3.8, y + 1.5);
    cairo_set_line_width(cr, 1.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColour(cr, kOutline);
    cairo_stroke(cr);
    cairo_rectangle(cr, x - 2.5, y - 15, 5, 4);
    fillAndOutline(cr, kHatBand, 1.4);
}

void drawDrop(cairo_t* cr, double x, double y, double size, const Colour& c) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, y - size);
    cairo_curve_to(cr, x + size * 0.9, y, x + size * 0.7, y + size * 0.8, x, y + size * 0.8);
    cairo_curve_to(cr, x - size * 0.7, y + size * 0.8, x - size * 0.9, y, x, y - size);
    cairo_close_path(cr);
    fillAndOutline(cr, c, 1.6);
}

// Confetti pieces at fixed, hand-picked places so every run draws the same frame.
void drawConfetti(cairo_t* cr) {
    constexpr std::array<std::array<double, 3>, 14> pieces = {{{-70, -150, 0.3},
                                                               {-52, -178, 1.2},
                                                               {-30, -160, 2.1},
                                                               {-8, -190, 0.7},
                                                               {20, -172, 1.9},
                                                               {44, -186, 2.8},
                                                               {66, -156, 0.1},
                                                               {74, -124, 1.4},
                                                               {-76, -112, 2.4},
                                                               {58, -200, 0.9},
                                                               {-42, -200, 1.6},
                                                               {6, -150, 2.2},
                                                               {-64, -134, 0.5},
                                                               {34, -142, 1.1}}};
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Colour& c = kBalloonColours[i % kBalloonColours.size()].body;
        cairo_save(cr);
        cairo_translate(cr, pieces[i][0], pieces[i][1]);
        cairo_rotate(cr, pieces[i][2]);
        if (i % 3 == 0) {
            starPath(cr, 0, 0, 5, 2.2, 5);
        } else {
            cairo_rectangle(cr, -3.5, -1.8, 7, 3.6);
        }
        fillAndOutline(cr, c, 1.2);
        cairo_restore(cr);
    }
}

void drawSparkles(cairo_t* cr) {
    constexpr std::array<std::array<double, 3>, 5> spots = {
        {{-62, -140, 16}, {60, -150, 18}, {-40, -176, 12}, {48, -118, 12}, {6, -190, 14}}};
    for (const auto& s : spots) {
        sparklePath(cr, s[0], s[1], s[2]);
        fillAndOutline(cr, Colour::hex(0xFFF3A0), 1.2);
    }
}

void drawLetterAbove(cairo_t* cr, const char* text, double x, double y, double size) {
    TextStyle style;
    style.face = Typeface::Display;
    style.size = size;
    style.top = Colour::hex(0xFFF6B0);
    style.bottom = Colour::hex(0xFFB72A);
    style.outline = kOutline;
    style.outlineWidth = 2.6;
    drawText(cr, style, text, x, y, Align::Centre);
}

void drawBulb(cairo_t* cr, double x, double y) {
    for (int i = 0; i < 7; ++i) {
        const double a = -kPi + i * kPi / 6;
        cairo_move_to(cr, x + 15 * std::cos(a), y + 15 * std::sin(a));
        cairo_line_to(cr, x + 22 * std::cos(a), y + 22 * std::sin(a));
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 2.6);
    setColour(cr, Colour::hex(0xFFE060));
    cairo_stroke(cr);
    cairo_arc(cr, x, y, 10, 0, 2 * kPi);
    fillAndOutline(cr, Colour::hex(0xFFF3A0));
    cairo_rectangle(cr, x - 5, y + 9, 10, 7);
    fillAndOutline(cr, Colour::hex(0xB8BCCC), 1.8);
}

void drawStrings(cairo_t* cr, Point left, Point right, double topY) {
    for (const Point& h : {left, right}) {
        cairo_move_to(cr, h.x, h.y - 6);
        cairo_curve_to(cr, h.x * 0.7, (h.y + topY) / 2, 0, topY + 20, 0, topY);
    }
    cairo_set_line_width(cr, 1.3);
    setColour(cr, Colour::hex(0xF4F0FF));
    cairo_stroke(cr);
}

void drawHeldPresent(cairo_t* cr, Point left, Point right) {
    const double cx = (left.x + right.x) / 2.0;
    const double top = std::min(left.y, right.y) - 26.0;
    cairo_rectangle(cr, cx - 17, top, 34, 26);
    fillAndOutline(cr, Colour::hex(0xE8403A));
    cairo_rectangle(cr, cx - 3, top, 6, 26);
    fillAndOutline(cr, Colour::hex(0xFFD23A), 1.6);
    cairo_new_path(cr);
    cairo_move_to(cr, cx, top);
    cairo_curve_to(cr, cx - 8, top - 12, cx - 16, top - 4, cx - 10, top + 1);
    cairo_close_path(cr);
    cairo_move_to(cr, cx, top);
    cairo_curve_to(cr, cx + 8, top - 12, cx + 16, top - 4, cx + 10, top + 1);
    cairo_close_path(cr);
    fillAndOutline(cr, Colour::hex(0xFFD23A), 1.6);
}

void drawHeldStar(cairo_t* cr, Point left, Point right) {
    const double cx = (left.x + right.x) / 2.0;
    const double cy = std::min(left.y, right.y) - 18.0;
    cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, 8, cx, cy, 32);
    cairo_pattern_add_color_stop_rgba(glow, 0.0, 1.0, 0.9, 0.4, 0.7);
    cairo_pattern_add_color_stop_rgba(glow, 1.0, 1.0, 0.9, 0.4, 0.0);
    cairo_arc(cr, cx, cy, 32, 0, 2 * kPi);
    cairo_set_source(cr, glow);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    starPath(cr, cx, cy, 21, 9.5, 5);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, cy - 20, 0, cy + 18);
    addStop(fill, 0.0, Colour::hex(0xFFF6B0));
    addStop(fill, 1.0, Colour::hex(0xF0A818));
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    cairo_set_line_width(cr, kLine);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColour(cr, kOutline);
    cairo_stroke(cr);
}

void drawNotes(cairo_t* cr) {
    for (const auto& [x, y] : std::array<std::pair<double, double>, 2>{{{-62, -138}, {58, -160}}}) {
        cairo_arc(cr, x, y, 4.5, 0, 2 * kPi);
        fillAndOutline(cr, Colour::hex(0xCFE8FF), 1.6);
        cairo_move_to(cr, x + 4, y);
        cairo_line_to(cr, x + 4, y - 16);
        cairo_line_to(cr, x + 11, y - 12);
        cairo_set_line_width(cr, 2.2);
        setColour(cr, kOutline);
        cairo_stroke(cr);
    }
}

bool has(const MascotPose& pose, Prop prop) {
    return std::find(pose.props.begin(), pose.props.end(), prop) != pose.props.end();
}

} // namespace

void drawMascot(cairo_t* cr, const MascotPose& pose) {
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_translate(cr, 0, -pose.lift);
    cairo_rotate(cr, pose.lean);

    // A soft shadow on the ground under the figure (it stays down during hops).
    cairo_save(cr);
    cairo_rotate(cr, -pose.lean);
    cairo_translate(cr, 0, pose.lift);
    ellipsePath(cr, 0, -2.0, 40.0 - std::min(pose.lift, 20.0), 5.0);
    setColour(cr, Colour{0, 0, 0}, 0.28);
    cairo_fill(cr);
    cairo_restore(cr);

    drawFoot(cr, -1, pose.feetApart, pose.leftFootLift);
    drawFoot(cr, 1, pose.feetApart, pose.rightFootLift);

    // Arms raised over the head come from behind it rather than across the face.
    const Point leftHand = handOf(pose.left, -1);
    const Point rightHand = handOf(pose.right, 1);
    const auto behind = [](const Point& hand) { return hand.y < -100.0 && std::abs(hand.x) < 34.0; };
    if (behind(leftHand)) {
        drawArm(cr, pose.left, -1);
    }
    if (behind(rightHand)) {
        drawArm(cr, pose.right, 1);
    }

    cairo_save(cr);
    cairo_scale(cr, 1.0 + pose.squash, 1.0 - pose.squash);
    drawTail(cr);
    // The head features turn with the head tilt around the middle of the body.
    cairo_save(cr);
    cairo_translate(cr, 0, kBodyY);
    cairo_rotate(cr, pose.headTilt);
    cairo_translate(cr, 0, -kBodyY);
    drawEar(cr, -1);
    drawEar(cr, 1);
    cairo_restore(cr);
    drawBody(cr);
    drawBowTie(cr);
    cairo_save(cr);
    cairo_translate(cr, 0, kBodyY);
    cairo_rotate(cr, pose.headTilt);
    cairo_translate(cr, 0, -kBodyY);
    drawFace(cr, pose);
    drawHat(cr, pose);
    if (has(pose, Prop::Tears)) {
        drawDrop(cr, -kEyeX - 4, kEyeY + 16, 5, Colour::hex(0x8FD8FF));
        drawDrop(cr, kEyeX + 5, kEyeY + 20, 4, Colour::hex(0x8FD8FF));
    }
    cairo_restore(cr);
    cairo_restore(cr);

    if (has(pose, Prop::Strings)) {
        drawStrings(cr, leftHand, rightHand, -202.0 + pose.lift);
    }
    if (!behind(leftHand)) {
        drawArm(cr, pose.left, -1);
    }
    if (!behind(rightHand)) {
        drawArm(cr, pose.right, 1);
    }
    if (has(pose, Prop::Watch)) {
        drawWatch(cr, rightHand);
    }
    if (has(pose, Prop::Present)) {
        drawHeldPresent(cr, leftHand, rightHand);
    }
    if (has(pose, Prop::GoldStar)) {
        drawHeldStar(cr, leftHand, rightHand);
    }
    if (has(pose, Prop::SweatDrop)) {
        drawDrop(cr, 44, -108, 7, Colour::hex(0x9FE0FF));
    }
    if (has(pose, Prop::SmallZ)) {
        drawZ(cr, 42, -140, 9);
    }
    if (has(pose, Prop::BigZ)) {
        drawZ(cr, 38, -132, 10);
        drawZ(cr, 56, -160, 15);
    }
    if (has(pose, Prop::Confetti)) {
        drawConfetti(cr);
    }
    if (has(pose, Prop::Sparkles)) {
        drawSparkles(cr);
    }
    if (has(pose, Prop::Question)) {
        drawLetterAbove(cr, "?", 48, -140, 40);
    }
    if (has(pose, Prop::Idea)) {
        drawBulb(cr, 46, -152);
    }
    if (has(pose, Prop::Music)) {
        drawNotes(cr);
    }
    cairo_restore(cr);
}
