// Bouquet.h: a bunch of 42 balloons that rises through the screen at the end of a game or round.
#pragma once

#include "Glide.h"
#include "PictureLookup.h"
#include "engine/scene/ksDrawable.h"

#include <array>

class ksCanvas;
class ksImage;
class ksTimer;

// Each balloon starts somewhere below the screen and sways straight up, at its own speed, until
// it has left the top. The balloons are clipped to the area above the bottom line: in Classic
// that is the top of the podium, so no balloon passes in front of it. Classic shows balloons 1
// to 41 in the six plain colours; Action shows all 42 in gold.
//
// One per play screen, at depth 99. It stays active while any balloon is still rising; the
// screens remove it from their scene earlier when they move on.
class Bouquet : public ksDrawable {
public:
    static constexpr int kDepth = 99;
    static constexpr int kBalloons = 42;
    // Indices 0 to 6: "balloon0" to "balloon6"; 7 to 13: "balloon_med0" to "balloon_med6".
    static constexpr int kPictures = 14;
    static constexpr int kMediumOffset = 7;
    static constexpr int kGoldColour = 6;
    static constexpr int kPodiumHeight = 53;   // px kept free at the bottom in Classic
    static constexpr int kGoldLeftBound = 160; // Action keeps the balloons right of the mascot

    // Looks up the 14 pictures once (missing ones draw nothing). The screen size is the canvas's;
    // the canvas also provides the clip rectangle while drawing. Both must outlive the bouquet.
    Bouquet(const ksTimer& timer, ksCanvas& canvas, const PictureLookup& pictures);

    // Sends a new bunch up: gold balloons across the right of the screen for Action
    // (`goldOnly`), or the Classic mix of big and medium balloons of colours 0 to 5 that stays
    // above the podium.
    void start(bool goldOnly);

    void update() override;
    bool isActive() const override;
    void draw() override;

    int bottomLine() const { return m_bottomLine; }
    int leftBound() const { return m_leftBound; }
    bool isGoldOnly() const { return m_goldOnly; }
    // The first balloon drawn: 1 in Classic, 0 in Action.
    int firstDrawn() const { return m_goldOnly ? 0 : 1; }
    int pictureIndex(int balloon) const { return m_balloons[static_cast<std::size_t>(balloon)].picture; }
    const Glide& glide(int balloon) const { return m_balloons[static_cast<std::size_t>(balloon)].glide; }

private:
    struct RisingBalloon {
        Glide glide;
        int picture = 0;
    };

    const ksImage* picture(int index) const { return m_pictures[static_cast<std::size_t>(index)]; }

    const ksTimer& m_timer;
    ksCanvas& m_canvas;
    std::array<const ksImage*, kPictures> m_pictures{};
    std::array<RisingBalloon, kBalloons> m_balloons{};
    int m_leftBound = 0;
    int m_bottomLine = 0;
    bool m_goldOnly = false;
};
