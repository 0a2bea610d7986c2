// PopEffect.h: the puff a balloon leaves as it pops: its picture swelling and fading away.
#pragma once

#include "engine/scene/ksDrawable.h"

class ksImage;
class ksTimer;

// Over 0.15 s the balloon's picture grows around its centre to 1.6 times its size while its
// opacity falls from 0.7 to nothing, so each popped balloon bursts outward in its own colour.
// The play screens keep 32 in a pool (EffectPool) and start one at every popped balloon.
class PopEffect : public ksDrawable {
public:
    static constexpr int kDepth = 105;
    static constexpr float kSeconds = 0.15f;
    static constexpr float kGrowth = 0.6f; // added to the scale over the puff
    static constexpr float kStartOpacity = 0.7f;

    explicit PopEffect(const ksTimer& timer);

    // Puffs `picture` (may be null: nothing is drawn, and the effect still runs its time)
    // around the point (centreX, centreY).
    void start(const ksImage* picture, float centreX, float centreY);

    void update() override;
    bool isActive() const override { return m_active; }
    void draw() override;

    float scale() const;
    float opacity() const;

private:
    const ksTimer& m_timer;
    const ksImage* m_picture = nullptr;
    float m_centreX = 0.0f;
    float m_centreY = 0.0f;
    float m_clock = 0.0f;
    bool m_active = false;
};
