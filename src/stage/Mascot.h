// Mascot.h: the character on the podium and the seventeen animations it reacts with.
#pragma once

#include "Glide.h"
#include "PictureLookup.h"
#include "engine/scene/ksAnimation.h"
#include "engine/scene/ksDrawable.h"
#include "game/rules/GameConstants.h"

#include <vector>

class CuePlayer;
class ksImage;
class ksTimer;

// Each cue is a strip of pictures ("spike_" + frame name) played once from its first frame. A
// cue request interrupts the current animation, except that a cue does not restart itself while
// it plays and the two clock cues (8 and 9) never interrupt each other. When a strip ends it goes
// back to its first picture, except cues 10, 11 and 13, which keep their last one; cues 14 and
// 15 repeat until another cue comes.
//
// While no cue plays the mascot blinks (cue 0 or 1) every 0.6 to 2.6 s; while a clock cue
// shows, the blink replays the clock strip every 0.5 to 2.0 s instead.
//
// Cue 2 floats the mascot down from above the screen under "spike_bouquet" (drawn 140 px above
// it); once landed the balloons fly off upward and the cue ends when they are gone. Cue 3 is a
// 50 px jump after 0.3 s, with the cue "yeah" as it takes off. Cues 6 and 11 request "woo".
//
// One per play screen, at depth 100, standing at (0, 144). It never finishes.
class Mascot : public ksDrawable {
public:
    static constexpr int kDepth = 100;
    static constexpr float kHomeX = 0.0f;
    static constexpr float kHomeY = 144.0f;
    static constexpr float kBouquetAbove = 140.0f; // px from the mascot's top to the bouquet's
    static constexpr float kJumpDelay = 0.3f;      // s
    static constexpr float kJumpLength = 1.0f;     // s
    static constexpr float kJumpHeight = 50.0f;    // px

    // Looks up every picture once; missing pictures draw nothing. `cues` may be null. All must
    // outlive the mascot.
    Mascot(const ksTimer& timer, const PictureLookup& pictures, CuePlayer* cues);

    // Requests the animation of `cue` (0 to 16, see MascotCue); other numbers are ignored with a
    // log line.
    void setCue(int cue);

    void update() override;
    bool isActive() const override { return true; }
    // Floating in and jumping move it every frame; its picture strips ask for their own moments.
    bool isMoving() const override {
        return m_busy && (m_cue == MascotCue::kFloatIn || m_cue == MascotCue::kJumpIn);
    }
    // The bouquet while cue 2 carries it, then the current picture at the mascot's place.
    void draw() override;

    int currentCue() const { return m_cue; }
    // The current cue's animation (or its balloons) still plays.
    bool isBusy() const { return m_busy; }
    // The index of the shown picture in the current cue's strip (the Action cord follows it).
    int currentFrameIndex() const { return m_animations[static_cast<std::size_t>(m_cue)].current; }
    const ksImage* currentPicture() const {
        return m_animations[static_cast<std::size_t>(m_cue)].currentFrame();
    }
    // Where the current picture's top-left corner is drawn.
    float x() const { return m_x; }
    float y() const { return m_y; }
    // Cue 2's bouquet: shown while that cue plays; its top-left corner.
    bool isBouquetShown() const { return m_cue == MascotCue::kFloatIn && m_busy; }
    float bouquetX() const { return m_glide.shownX(); }
    float bouquetY() const { return m_glide.shownY() - kBouquetAbove; }
    bool hasLanded() const { return m_landed; }
    float jumpHeight() const { return m_jumpHeight; }

private:
    using Animation = ksAnimation<const ksImage*>;

    Animation& animation() { return m_animations[static_cast<std::size_t>(m_cue)]; }
    void blink(float seconds);
    void updateFloatIn(float seconds);
    void updateJump(float seconds);
    void updateStrip();
    void playCue(const char* cue);

    const ksTimer& m_timer;
    CuePlayer* m_cues;
    std::vector<Animation> m_animations; // one per cue, built once
    const ksImage* m_bouquet = nullptr;
    int m_cue = MascotCue::kBlink;
    bool m_busy = false;
    float m_x = kHomeX;
    float m_y = kHomeY;
    float m_blinkClock = 0.0f;
    Glide m_glide;
    bool m_landed = true;
    float m_jumpClock = 0.0f;
    float m_jumpStartSpeed = 0.0f;
    float m_jumpAcceleration = 0.0f;
    float m_jumpHeight = 0.0f;
    bool m_yeahRequested = false;
};
