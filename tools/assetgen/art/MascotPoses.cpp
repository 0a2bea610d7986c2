// MascotPoses.cpp: the mascot's pose for every named frame, and the pictures made from them.
#include "BalloonArt.h"
#include "MascotArt.h"
#include "Palette.h"
#include "Sketch.h"

#include <array>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>

namespace {

Arm arm(double angle, double bend = 0.0, double reach = 1.0) {
    return Arm{angle, reach, bend, std::nullopt};
}
Arm handAt(double x, double y) {
    return Arm{0.0, 1.0, 0.0, std::make_pair(x, y)};
}

std::map<std::string, MascotPose, std::less<>> buildPoses() {
    std::map<std::string, MascotPose, std::less<>> poses;
    const MascotPose base{};

    MascotPose p = base;
    poses["default"] = p;
    p.eyes = Eyes::Closed;
    poses["defaultblink01"] = p;
    p.eyes = Eyes::Half;
    p.lookX = 0.3;
    poses["defaultblink02"] = p;

    // Floating in on the balloons, then landing.
    p = base;
    p.left = arm(2.75, -0.3);
    p.right = arm(2.75, -0.3);
    p.eyes = Eyes::Happy;
    p.mouth = Mouth::Grin;
    p.leftFootLift = 3;
    p.rightFootLift = 5;
    p.props = {Prop::Strings};
    poses["enterclassic01"] = p;
    p = base;
    p.squash = 0.1;
    p.left = arm(1.5, 0.3);
    p.right = arm(1.5, 0.3);
    p.eyes = Eyes::Happy;
    p.mouth = Mouth::Grin;
    p.feetApart = 4;
    poses["enterclassic02"] = p;

    // Action: crouch and jump.
    p = base;
    p.squash = 0.16;
    p.left = arm(-0.35, 0.4);
    p.right = arm(-0.35, 0.4);
    p.lookY = -0.8;
    p.mouth = Mouth::Smile;
    poses["enterstory01"] = p;
    p = base;
    p.squash = -0.08;
    p.left = arm(2.55, -0.2);
    p.right = arm(2.55, -0.2);
    p.eyes = Eyes::Happy;
    p.mouth = Mouth::Oh;
    p.leftFootLift = 2;
    p.rightFootLift = 2;
    p.props = {Prop::Sparkles};
    poses["enterstory02"] = p;

    // Puzzle: a little dance, a think, an idea and a presenting gesture.
    p = base;
    p.lean = -0.12;
    p.left = arm(2.5);
    p.right = arm(0.6, 0.5);
    p.eyes = Eyes::Happy;
    p.mouth = Mouth::Grin;
    p.rightFootLift = 6;
    p.props = {Prop::Music};
    poses["enterstory03"] = p;
    p = base;
    p.left = arm(1.6, 0.4);
    p.right = arm(1.6, 0.4);
    p.eyes = Eyes::Happy;
    p.mouth = Mouth::Smile;
    p.props = {Prop::Music};
    poses["enterstory04"] = p;
    p = base;
    p.lean = 0.12;
    p.left = arm(0.6, 0.5);
    p.right = arm(2.5);
    p.eyes = Eyes::Happy;
    p.mouth = Mouth::Grin;
    p.leftFootLift = 6;
    p.props = {Prop::Music};
    poses["enterstory05"] = p;
    p = base;
    p.squash = 0.07;
    p.left = arm(1.0, 0.3);
    p.right = arm(1.0, 0.3);
    p.eyes = Eyes::Happy;
    p.mouth = Mouth::Smile;
    p.props = {Prop::Music};
    poses["enterstory06"] = p;
    p = base;
    p.headTilt = -0.08;
    p.left = arm(0.3);
    p.right = handAt(10, -52);
    p.lookX = -0.6;
    p.lookY = -0.9;
    p.mouth = Mouth::Flat;
    p.props = {Prop::Question};
    poses["enterstory07"] = p;
    p = base;
    p.left = arm(0.4);
    p.right = arm(2.9, 0.2);
    p.eyes = Eyes::Wide;
    p.lookY = -0.6;
    p.mouth = Mouth::Oh;
    p.props = {Prop::Idea};
    poses["enterstory08"] = p;
    p = base;
    p.lean = 0.05;
    p.left = arm(0.3);
    p.right = arm(1.75, -0.2);
    p.lookX = 1.0;
    p.mouth = Mouth::Grin;
    p.props = {Prop::Sparkles};
    poses["enterstory09"] = p;

    // Cheering.
    p = base;
    p.left = arm(1.7, 0.5);
    p.right = arm(1.7, 0.5);
    p.eyes = Eyes::Happy;
    p.mouth = Mouth::Smile;
    poses["pos1_01"] = p;
    p.left = arm(2.7);
    p.right = arm(2.7);
    p.mouth = Mouth::Grin;
    poses["pos1_02"] = p;
    p.lift = 9;
    p.squash = -0.05;
    p.props = {Prop::Sparkles};
    poses["pos1_03"] = p;

    // A happy dance, then picking up a present.
    p = base;
    p.lean = -0.14;
    p.left = arm(1.9);
    p.right = arm(1.2, 0.6);
    p.eyes = Eyes::Happy;
    p.mouth = Mouth::Grin;
    p.props = {Prop::Music};
    poses["pos2_01"] = p;
    p.lean = 0.14;
    p.left = arm(1.2, 0.6);
    p.right = arm(1.9);
    poses["pos2_02"] = p;
    p.lean = 0.0;
    p.lift = 6;
    p.left = arm(2.6);
    p.right = arm(2.6);
    poses["pos2_03"] = p;
    p = base;
    p.squash = 0.12;
    p.headTilt = 0.1;
    p.left = arm(1.3, -0.3);
    p.right = arm(1.3, -0.3);
    p.eyes = Eyes::Closed;
    p.mouth = Mouth::Smile;
    p.hatLift = 8;
    p.hatTilt = 0.3;
    poses["pos2_04"] = p;
    p = base;
    p.left = handAt(-22, -132);
    p.right = handAt(22, -132);
    p.eyes = Eyes::Happy;
    p.mouth = Mouth::Grin;
    p.props = {Prop::Present};
    poses["pickup"] = p;

    // Big joy.
    p = base;
    p.squash = 0.12;
    p.left = arm(0.9, 0.9);
    p.right = arm(0.9, 0.9);
    p.eyes = Eyes::Squeezed;
    p.mouth = Mouth::Grin;
    poses["pos3_01"] = p;
    p = base;
    p.lift = 16;
    p.squash = -0.07;
    p.left = arm(2.35);
    p.right = arm(2.35);
    p.eyes = Eyes::Happy;
    p.mouth = Mouth::Oh;
    p.leftFootLift = 3;
    p.rightFootLift = 3;
    p.props = {Prop::Confetti};
    poses["pos3_02"] = p;

    // Disappointment.
    p = base;
    p.squash = 0.05;
    p.headTilt = -0.12;
    p.left = arm(0.08);
    p.right = arm(0.08);
    p.eyes = Eyes::Sad;
    p.lookY = 0.7;
    p.sadBrows = true;
    p.mouth = Mouth::Frown;
    p.hatTilt = -0.2;
    poses["neg1_01"] = p;
    p = base;
    p.headTilt = 0.06;
    p.left = arm(0.15);
    p.right = handAt(18, -84);
    p.eyes = Eyes::Closed;
    p.sadBrows = true;
    p.mouth = Mouth::Frown;
    poses["neg1_02"] = p;
    p = base;
    p.left = arm(0.45, -0.4);
    p.right = arm(0.45, -0.4);
    p.eyes = Eyes::Sad;
    p.sadBrows = true;
    p.mouth = Mouth::Frown;
    poses["neg2_01"] = p;
    p.headTilt = -0.18;
    p.lean = -0.04;
    p.eyes = Eyes::Squeezed;
    p.mouth = Mouth::Wobbly;
    poses["neg2_02"] = p;
    p.headTilt = 0.18;
    p.lean = 0.04;
    poses["neg2_03"] = p;
    p = base;
    p.squash = 0.2;
    p.left = arm(0.9, -0.5);
    p.right = arm(0.9, -0.5);
    p.eyes = Eyes::Sad;
    p.sadBrows = true;
    p.mouth = Mouth::Wobbly;
    p.feetApart = 6;
    poses["lose01"] = p;
    p.squash = 0.24;
    p.headTilt = -0.1;
    p.left = arm(0.5, -0.3);
    p.right = arm(0.5, -0.3);
    p.mouth = Mouth::Frown;
    p.hatTilt = -0.55;
    p.hatLift = -4;
    p.props = {Prop::Tears};
    poses["lose02"] = p;

    // Winning a game or round.
    p = base;
    p.lift = 4;
    p.left = handAt(-20, -128);
    p.right = handAt(20, -128);
    p.eyes = Eyes::Happy;
    p.mouth = Mouth::Grin;
    p.props = {Prop::GoldStar, Prop::Confetti};
    poses["winclassic"] = p;

    // Looking at the pocket watch; worried when the board is nearly full.
    p = base;
    p.left = arm(0.3);
    p.right = handAt(16, -30);
    p.lookX = 0.5;
    p.lookY = 1.0;
    p.mouth = Mouth::Flat;
    p.props = {Prop::Watch};
    poses["clock1"] = p;
    p.eyes = Eyes::Closed;
    poses["clock1blink"] = p;
    p = base;
    p.left = arm(0.9, 0.6);
    p.right = handAt(16, -30);
    p.eyes = Eyes::Wide;
    p.lookX = 0.4;
    p.lookY = 0.8;
    p.worriedBrows = true;
    p.mouth = Mouth::Wobbly;
    p.props = {Prop::Watch, Prop::SweatDrop};
    poses["clock2"] = p;
    p.eyes = Eyes::Closed;
    poses["clock2blink"] = p;

    // Waiting for the player, then dozing off.
    p = base;
    p.left = handAt(-14, -30);
    p.right = handAt(14, -30);
    p.eyes = Eyes::Half;
    p.lookX = -0.6;
    p.mouth = Mouth::Flat;
    p.rightFootLift = 4;
    poses["timeout1_01"] = p;
    p.eyes = Eyes::Closed;
    poses["timeoutblink"] = p;
    p = base;
    p.squash = -0.04;
    p.left = arm(2.7, 0.2);
    p.right = handAt(10, -58);
    p.eyes = Eyes::Closed;
    p.mouth = Mouth::Yawn;
    poses["timeout1_02"] = p;
    p = base;
    p.headTilt = 0.14;
    p.squash = 0.03;
    p.left = arm(0.15);
    p.right = arm(0.15);
    p.eyes = Eyes::Asleep;
    p.mouth = Mouth::Small;
    p.hatTilt = 0.15;
    p.props = {Prop::SmallZ};
    poses["timeout2_01"] = p;
    p.squash = 0.07;
    p.props = {Prop::BigZ};
    poses["timeout2_02"] = p;

    // Pulling the cord that hangs at the top left of the Action screen. Its handle hangs at
    // x 22 on the screen, 205, 245 and 285 pixels down in the three frames; the mascot's
    // picture stands at (0, 144), so the hand is placed there in ground coordinates.
    const auto reachFor = [](const MascotPose& pose, double screenX, double screenY) {
        const double gx = screenX - kMascotWidth / 2.0;
        const double gy = screenY - 144.0 - (kMascotHeight - 4.0) + pose.lift;
        return handAt(gx * std::cos(pose.lean) + gy * std::sin(pose.lean),
                      -gx * std::sin(pose.lean) + gy * std::cos(pose.lean));
    };
    p = base;
    p.lean = -0.2;
    p.lift = 22;
    p.left = reachFor(p, 22, 212);
    p.right = arm(2.3, 0.4);
    p.lookX = -0.7;
    p.lookY = -1.0;
    p.mouth = Mouth::Small;
    p.leftFootLift = 2;
    p.rightFootLift = 6;
    poses["cordpull01"] = p;
    p = base;
    p.lean = -0.16;
    p.lift = 6;
    p.left = reachFor(p, 22, 252);
    p.right = arm(2.0, 0.5);
    p.lookX = -0.6;
    p.lookY = -0.8;
    p.mouth = Mouth::Grin;
    poses["cordpull02"] = p;
    p = base;
    p.squash = 0.1;
    p.lean = -0.1;
    p.left = reachFor(p, 22, 292);
    p.right = arm(1.5, 0.5);
    p.eyes = Eyes::Happy;
    p.mouth = Mouth::Grin;
    poses["cordpull03"] = p;
    return poses;
}

const std::map<std::string, MascotPose, std::less<>>& poseTable() {
    static const auto table = buildPoses();
    return table;
}

} // namespace

const std::vector<std::string_view>& mascotFrameNames() {
    static const std::vector<std::string_view> names = {
        "default",      "defaultblink01", "defaultblink02", "enterclassic01", "enterclassic02",
        "enterstory01", "enterstory02",   "enterstory03",   "enterstory04",   "enterstory05",
        "enterstory06", "enterstory07",   "enterstory08",   "enterstory09",   "pos1_01",
        "pos1_02",      "pos1_03",        "pos2_01",        "pos2_02",        "pos2_03",
        "pos2_04",      "pickup",         "pos3_01",        "pos3_02",        "neg1_01",
        "neg1_02",      "neg2_01",        "neg2_02",        "neg2_03",        "lose01",
        "lose02",       "winclassic",     "clock1",         "clock1blink",    "clock2",
        "clock2blink",  "timeout1_01",    "timeout1_02",    "timeoutblink",   "timeout2_01",
        "timeout2_02",  "cordpull01",     "cordpull02",     "cordpull03"};
    return names;
}

MascotPose mascotPose(std::string_view frame) {
    const auto& table = poseTable();
    const auto found = table.find(frame);
    if (found == table.end()) {
        throw std::invalid_argument("no mascot pose named " + std::string(frame));
    }
    return found->second;
}

Raster paintMascotFrame(std::string_view frame) {
    Sketch s(kMascotWidth, kMascotHeight);
    cairo_translate(s.cr(), kMascotWidth / 2.0, kMascotHeight - 4.0);
    drawMascot(s.cr(), mascotPose(frame));
    return s.toRaster();
}

Raster paintMascotBouquet() {
    Sketch s(kMascotWidth, 152);
    cairo_t* cr = s.cr();
    // Balloons in a loose dome, strings gathered at the bottom centre.
    constexpr std::array<std::array<double, 3>, 9> spots = {{{85, 28, 5},
                                                             {55, 40, 0},
                                                             {115, 38, 3},
                                                             {32, 62, 2},
                                                             {138, 60, 4},
                                                             {70, 62, 1},
                                                             {102, 64, 5},
                                                             {50, 86, 3},
                                                             {120, 86, 0}}};
    for (const auto& spot : spots) {
        cairo_move_to(cr, spot[0], spot[1] + 24);
        cairo_curve_to(cr, spot[0], spot[1] + 70, 85, 110, 85, 152);
    }
    cairo_set_line_width(cr, 1.2);
    setColour(cr, Colour::hex(0xF4F0FF), 0.9);
    cairo_stroke(cr);
    for (const auto& spot : spots) {
        const Raster balloon = paintBalloon(BalloonLook{static_cast<int>(spot[2]), 34, 45});
        s.drawRaster(balloon, spot[0] - 17, spot[1] - 18);
    }
    return s.toRaster();
}

MascotPose titleMascotPose(int frame) {
    MascotPose p;
    switch (frame) {
    case 1: // Classic: cheering, prizes ahead
        p.left = arm(2.6);
        p.right = arm(2.6);
        p.eyes = Eyes::Happy;
        p.mouth = Mouth::Grin;
        p.props = {Prop::Sparkles};
        break;
    case 2: // Puzzle: thinking it over
        p.right = handAt(10, -52);
        p.lookX = -0.6;
        p.lookY = -0.9;
        p.mouth = Mouth::Flat;
        p.props = {Prop::Question};
        break;
    case 3: // Action: ready to jump
        p.lift = 10;
        p.squash = -0.06;
        p.left = arm(2.5);
        p.right = arm(0.45, 0.6);
        p.eyes = Eyes::Wide;
        p.mouth = Mouth::Oh;
        p.props = {Prop::Sparkles};
        break;
    default: // waving hello
        p.right = arm(2.6, 0.6);
        p.mouth = Mouth::Grin;
        break;
    }
    return p;
}
