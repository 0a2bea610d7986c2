// MascotArt.h: the podium mascot, one parametric figure posed for every animation frame.
#pragma once

#include "Raster.h"

#include <optional>
#include <string_view>
#include <vector>

#include <cairo.h>

enum class Eyes { Open, Closed, Happy, Half, Sad, Wide, Asleep, Squeezed };
enum class Mouth { Smile, Grin, Oh, Frown, Wobbly, Yawn, Flat, Small };

struct Arm {
    double angle = 0.35; // radians from hanging straight down; positive swings outward, pi is straight up
    double reach = 1.0;  // fraction of the full arm length
    double bend = 0.0;   // elbow bend, positive curls the forearm upward
    std::optional<std::pair<double, double>> hand; // an explicit hand position (figure units)
};

enum class Prop {
    Watch,
    SweatDrop,
    Tears,
    SmallZ,
    BigZ,
    Confetti,
    Question,
    Idea,
    Present,
    GoldStar,
    Strings,
    Sparkles,
    Music
};

// Figure units are pixels at scale 1 with the origin on the ground between the feet, y down.
struct MascotPose {
    double lift = 0.0;   // the whole figure raised (a hop)
    double squash = 0.0; // > 0 squashed wider, < 0 stretched taller
    double lean = 0.0;   // tilt about the feet, radians, positive leans right
    double headTilt = 0.0;
    Arm left; // the figure's right side of the picture is its left hand
    Arm right;
    Eyes eyes = Eyes::Open;
    double lookX = 0.0; // pupils, -1..1
    double lookY = 0.0;
    Mouth mouth = Mouth::Smile;
    bool worriedBrows = false;
    bool sadBrows = false;
    double hatTilt = 0.0;
    double hatLift = 0.0;
    double leftFootLift = 0.0;
    double rightFootLift = 0.0;
    double feetApart = 0.0;
    std::vector<Prop> props;
};

// Draws the figure with the current transform; the caller places the ground point.
void drawMascot(cairo_t* cr, const MascotPose& pose);

// The names of the 44 podium frames ("default", "pos1_01", ...), each drawn as "spike_" + name.
const std::vector<std::string_view>& mascotFrameNames();
MascotPose mascotPose(std::string_view frame);

inline constexpr int kMascotWidth = 170;
inline constexpr int kMascotHeight = 220;
// One podium frame, 170 x 220, the figure standing on the bottom edge.
Raster paintMascotFrame(std::string_view frame);

// The bunch of balloons the mascot floats in on: 170 x 152, drawn 140 pixels above the
// mascot's picture, so its strings meet at (85, 152), 12 pixels into the mascot's picture.
Raster paintMascotBouquet();

// The title screen's little mascot: frame 0 idle, 1 Classic, 2 Puzzle, 3 Action.
MascotPose titleMascotPose(int frame);
