// FallingPrize.h: a prize dropped out of the puzzle board, bouncing on the floor strip.
#pragma once

#include "engine/scene/ksDrawable.h"
#include "stage/Drop.h"

class CuePlayer;
class ksImage;
class ksTimer;

// Falls straight down from where its balloon was to the floor line, bouncing lower each time,
// and plays the "undo" cue at every touch while the drop lasts. Once landed it stays drawn where
// it came to rest until it is taken out of the scene.
class FallingPrize : public ksDrawable {
public:
    static constexpr float kBounce = 0.25f;
    static constexpr float kFloorY = 406.0f;
    static constexpr int kDepth = 60;

    // `cues` may be null; both must outlive the prize.
    FallingPrize(const ksTimer& timer, CuePlayer* cues);

    // Starts a fall of `picture` centred on (centreX, centreY).
    void start(const ksImage* picture, float centreX, float centreY);

    // `picture` at rest on the floor, centred on `centreX` (after an undo).
    void land(const ksImage* picture, float centreX);

    bool isFalling() const { return m_drop.isActive(); }
    float x() const { return m_drop.x(); }
    float y() const { return m_drop.y(); }

    void update() override;
    void draw() override;
    bool isActive() const override { return m_picture != nullptr; }
    bool isMoving() const override { return m_drop.isActive(); }

private:
    const ksTimer& m_timer;
    CuePlayer* m_cues;
    const ksImage* m_picture = nullptr;
    Drop m_drop;
};
