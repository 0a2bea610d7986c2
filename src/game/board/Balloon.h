// Balloon.h: one place of a balloon board, with its content, its state and the animation on top.
#pragma once

#include <cstdint>

class ksImage;
struct BalloonImageTable;

// Every state but Empty counts as occupied. The values are those the boards and their snapshots
// have always used.
enum class BalloonState : int32_t { Empty = 0, Resting = 1, Rising = 2, Popping = 3 };

// The rules read only colour, prize, state and grid position; the image, highlight, offsets and
// clocks are presentation that the board animates. A place is never created or destroyed during
// a game: boards move records between grid positions and refill them.
class Balloon {
public:
    static constexpr int kNoColour = -1;
    static constexpr int kGoldColour = 6;
    static constexpr int kNoPrize = -1;

    static constexpr float kPopSeconds = 0.1f;
    static constexpr float kRiseSecondsPerPixel = 0.005f; // 200 px/s
    static constexpr float kShakeSeconds = 0.8f;          // one full period of sin(2.5 pi t)
    static constexpr float kHoverHighlight = 0.2f;

    // A new place: Empty, no colour, no prize, no image, highlight 1.0, all clocks at 0, and a
    // jiggle phase speed between pi/2 and 3 pi/2 rad/s drawn from the game's random generator.
    // `images` may be null; the balloon then never gets a picture.
    Balloon(int row, int column, const BalloonImageTable* images);

    // Fills the place: Resting with `colour`, or Empty when the colour is -1; the prize marker
    // is set when `prizeKind` >= 0. The picture follows as refreshImage(false, false).
    void setContent(int colour, int prizeKind);
    // Chooses the picture for the colour: the pressed one when `pressed`; the highlight is 0.2
    // when hovered and not pressed, 1.0 otherwise. Empty places and negative colours get no
    // picture and highlight 0.
    void refreshImage(bool highlighted, bool pressed);
    // Enters Popping with the pop clock at 0; the caller decides about the picture. Empty
    // follows 0.1 s later in update().
    void startPopping();
    // Slides the balloon into place from `distance` pixels away (negative: from below, so it
    // rises; positive: from above). Only a Resting or Rising balloon moves; the slide takes
    // 0.005 s per pixel.
    void startRise(float distance);
    // Ends a running rise at once.
    void finishRise();
    // A 0.8 s sideways sway of 4.5 px that starts after `delay` seconds.
    void startShake(float delay);
    // Keeps the hover jiggle growing during the next update, and asks for that frame; it dies
    // away without requests.
    void requestJiggle();
    // Advances pop, rise, shake and jiggle by `seconds`.
    void update(float seconds);
    // Takes colour, prize, state, image, highlight, offset, visited flag, grid position and the
    // rise and pop clocks of `other`; the shake and jiggle stay this balloon's own.
    void copyFrom(const Balloon& other);

    // The prize marker belongs to the place.
    void placePrize(int kind);
    void removePrize();
    void setHoldsPrize(bool holds) { m_holdsPrize = holds; }

    // Presentation overrides the modes use (grey-out, shelf and floor pictures).
    void setColour(int colour) { m_colour = colour; }
    void setImage(const ksImage* image) { m_image = image; }
    void clearImage() { m_image = nullptr; }
    void setHighlight(float highlight) { m_highlight = highlight; }
    void clearOffset();

    int colour() const { return m_colour; }
    int prizeKind() const { return m_prizeKind; }
    BalloonState state() const { return m_state; }
    bool isOccupied() const { return m_state != BalloonState::Empty; }
    bool isEmpty() const { return m_state == BalloonState::Empty; }
    bool isPopping() const { return m_state == BalloonState::Popping; }
    bool isRising() const { return m_state == BalloonState::Rising; }
    bool holdsPrize() const { return m_holdsPrize; }
    int row() const { return m_row; }
    int column() const { return m_column; }

    const ksImage* image() const { return m_image; }
    float highlight() const { return m_highlight; }
    // Display offsets in pixels: the running rise, and the sway and jiggle.
    float offsetX() const { return m_offsetX; }
    float offsetY() const { return m_offsetY; }
    float jiggleX() const { return m_jiggleX; }
    float jiggleY() const { return m_jiggleY; }

private:
    friend class BalloonBoard;

    void requestFrames() const;
    void updateShake(float seconds);
    void updateJiggle(float seconds);

    const BalloonImageTable* m_images;
    int32_t m_colour = kNoColour;
    int32_t m_prizeKind = kNoPrize;
    BalloonState m_state = BalloonState::Empty;
    bool m_holdsPrize = false;
    const ksImage* m_image = nullptr;
    float m_highlight = 1.0f;
    int32_t m_row;
    int32_t m_column;
    // Marks the records the last group search collected.
    bool m_visited = false;
    float m_offsetX = 0.0f;
    float m_offsetY = 0.0f;
    float m_jiggleX = 0.0f;
    float m_jiggleY = 0.0f;
    float m_shakeClock = 0.0f;
    float m_shakeLength = 0.0f;
    float m_jiggleClock = 0.0f;
    float m_jigglePhase = 0.0f;
    float m_jigglePhaseSpeed;
    float m_jiggleAmplitude = 0.0f;
    float m_jiggleGrowth = 0.0f;
    float m_popClock = 0.0f;
    float m_riseLength = 0.0f;
    float m_riseClock = 0.0f;
    float m_riseTarget = 0.0f;
    float m_riseStart = 0.0f;
};
