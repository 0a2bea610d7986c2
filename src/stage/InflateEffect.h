// InflateEffect.h: a balloon blowing up in eight pictures, as the preview of an incoming row.
#pragma once

#include "PictureLookup.h"
#include "engine/scene/ksDrawable.h"

#include <array>

class CuePlayer;
class ksImage;
class ksTimer;

// The inflating pictures of every colour, "balloon_inflate%d_%d" (colour 0 to 6, frame 0 to 7),
// looked up once and shared by all inflate effects of a screen. Missing pictures draw nothing.
struct InflatePictures {
    static constexpr int kColours = 7;
    static constexpr int kFrames = 8;

    std::array<std::array<const ksImage*, kFrames>, kColours> frames{};

    void load(const PictureLookup& pictures);
    // Null for a colour or frame out of range.
    const ksImage* frame(int colour, int index) const;
};

// Plays the eight pictures of one colour once, each for an eighth of the inflate time, at 0.7
// opacity, with its top-left corner at the given point. Each time the picture changes, the cue
// "balloon_inflate" is requested (once per frame at most, however many pictures a long frame
// skips). The effect has finished once its last picture has had its time; it keeps showing that
// picture for owners that still draw it.
class InflateEffect : public ksDrawable {
public:
    static constexpr int kFrames = InflatePictures::kFrames;
    static constexpr float kOpacity = 0.7f;

    // `pictures` and `cues` (may be null) must outlive the effect.
    InflateEffect(const ksTimer& timer, float inflateSeconds, const InflatePictures& pictures,
                  CuePlayer* cues);

    // Rewinds to the first picture of `colour` and plays the strip once at (x, y).
    void start(int colour, float x, float y);
    // The inflate time of the following starts.
    void setInflateTime(float seconds) { m_inflateSeconds = seconds; }
    // Swaps in the pictures of another colour without rewinding (a row preview turning gold).
    void setColour(int colour) { m_colour = colour; }

    void update() override;
    bool isActive() const override { return m_playing; }
    void draw() override;

    int colour() const { return m_colour; }
    int frameIndex() const { return m_frame; }
    float inflateTime() const { return m_inflateSeconds; }
    float x() const { return m_x; }
    float y() const { return m_y; }

private:
    const ksTimer& m_timer;
    const InflatePictures& m_pictures;
    CuePlayer* m_cues;
    float m_inflateSeconds;
    int m_colour = 0;
    float m_x = 0.0f;
    float m_y = 0.0f;
    float m_elapsed = 0.0f;
    int m_frame = 0;
    bool m_started = false;
    bool m_playing = false;
};
