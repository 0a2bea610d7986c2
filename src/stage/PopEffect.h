// PopEffect.h: the burst a balloon leaves as it pops: a flash and shards of its colour flying apart.
#pragma once

#include "engine/scene/ksDrawable.h"
#include "stage/BurstPictures.h"

class ksTimer;

// The burst plays its frames in order within the 0.1 s a balloon takes to pop, centred on the
// balloon's place, swelling a little as the shards fly; the last frame fades out, and then the
// place is empty. The play screens keep 32 in a pool (EffectPool) and start one at every popped
// balloon.
class PopEffect : public ksDrawable {
public:
    static constexpr int kDepth = 105;
    static constexpr float kSeconds = 0.1f; // a balloon's popping time
    static constexpr float kStartScale = 0.85f;
    static constexpr float kEndScale = 1.15f;

    explicit PopEffect(const ksTimer& timer);

    // Bursts `frames` (may be null, as may any frame: nothing is drawn then, and the effect
    // still runs its time) around the point (centreX, centreY).
    void start(const BurstPictures::Frames* frames, float centreX, float centreY);

    void update() override;
    bool isActive() const override { return m_active; }
    void draw() override;

    // The frame shown now, 0 to BurstPictures::kFrames - 1.
    int frame() const;
    float scale() const;
    float opacity() const;

private:
    const ksTimer& m_timer;
    const BurstPictures::Frames* m_frames = nullptr;
    float m_centreX = 0.0f;
    float m_centreY = 0.0f;
    float m_clock = 0.0f;
    bool m_active = false;
};
