// Prize.h: a prize freed from the board that falls, floats down on a parachute and lands.
#pragma once

#include "Drop.h"
#include "Glide.h"
#include "engine/scene/ksDrawable.h"

class CuePlayer;
class ksImage;
class ksTimer;

// The journey: a straight drop for the first third of the way down, then a swaying glide under
// the parachute to the target at 120 px/s, then resting on the shelf. flyOff() later makes a
// landed prize hop and fall out of sight below the shelf.
//
// A prize reports itself finished (not active) from the frame its glide ends, and again from
// the frame it has fallen out of sight after a fly-off; it keeps drawing where it rests, so its
// owner decides how long it stays in the draw list. Starting allocates nothing: the Classic
// screen builds its 180 prizes once and reuses them game after game.
//
// Cues: "parachute" when the parachute opens, "prize_lands" on landing (the parachute cue is
// then stopped), "prize_flyoff" when a fly-off hop begins. A prize stops only cues it started.
class Prize : public ksDrawable {
public:
    static constexpr float kGlideSpeed = 120.0f; // px/s under the parachute
    static constexpr float kSwayAmplitude = 50.0f;
    // How far below the shelf a flying-off prize is out of sight.
    static constexpr float kOutOfSightHop = 110.0f;

    // `para` is the parachute picture ("para"); it and `cues` may be null and must outlive the
    // prize. The prize reads the frame time from `timer`.
    Prize(const ksTimer& timer, const ksImage* para, CuePlayer* cues);

    // Releases the prize at (x, y) toward (targetX, targetY), the point its picture is centred
    // on once landed. `picture` (may be null: nothing is drawn) is the theme's picture of the
    // kind ("present%d_%d"). The source row and shelf slot are kept for the owner's scoring.
    void start(int kind, int theme, const ksImage* picture, float x, float y, float targetX, float targetY,
               int sourceRow, int shelfSlot);
    // As start, but already landed on its target: no fall, no cue, and not reported as a landing
    // (a game taken up again shows the prizes it had freed).
    void placeLanded(int kind, int theme, const ksImage* picture, float targetX, float targetY, int sourceRow,
                     int shelfSlot);
    // Makes the landed prize hop off the shelf after `delay` seconds: it rises 40 px in 0.4 s,
    // falls back through the shelf at 0.8 s and is finished once 110 px below it.
    void flyOff(float delay);

    void update() override;
    bool isActive() const override { return m_active; }
    // A prize at rest on its place waits for nothing.
    bool isMoving() const override { return m_active && !isLanded(); }
    void draw() override;

    int kind() const { return m_kind; }
    int theme() const { return m_theme; }
    int sourceRow() const { return m_sourceRow; }
    int shelfSlot() const { return m_shelfSlot; }
    bool isFlyingOff() const { return m_mode == Mode::FlyingOff; }
    bool isLanded() const { return m_mode == Mode::Falling && !m_drop.isActive() && !m_glide.isActive(); }
    bool isDropping() const { return m_mode == Mode::Falling && m_drop.isActive(); }
    bool isGliding() const { return m_mode == Mode::Falling && !m_drop.isActive() && m_glide.isActive(); }
    // The centre of the picture as it is drawn now.
    float x() const;
    float y() const;
    // How far below its resting place a flying-off prize is (negative: above).
    float hop() const { return m_hop; }
    const Drop& drop() const { return m_drop; }
    const Glide& glide() const { return m_glide; }

private:
    enum class Mode { Falling, FlyingOff };

    void updateFalling(float seconds);
    void updateFlyingOff(float seconds);
    void drawCentred(const ksImage& image, float x, float y) const;
    int playCue(const char* cue);
    void stopCue(int& channel, const char* cue);

    const ksTimer& m_timer;
    const ksImage* m_para;
    CuePlayer* m_cues;
    const ksImage* m_picture = nullptr;
    int m_kind = 0;
    int m_theme = 0;
    int m_sourceRow = 0;
    int m_shelfSlot = 0;
    Mode m_mode = Mode::Falling;
    Drop m_drop;
    Glide m_glide;
    float m_hop = 0.0f;
    float m_flyOffClock = 0.0f;
    bool m_parachuteOpened = false;
    bool m_landingHandled = false;
    bool m_flyOffCued = false;
    bool m_active = false;
    int m_parachuteChannel = -1;
    int m_landsChannel = -1;
    int m_flyOffChannel = -1;
};
