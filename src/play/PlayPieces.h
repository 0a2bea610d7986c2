// PlayPieces.h: drawing and bookkeeping every mode screen does the same way.
#pragma once

#include "game/rules/GameConstants.h"

#include <array>
#include <cstdint>
#include <string_view>

class BalloonBoard;
class ksFont;
class ksImage;
struct GameContext;

// The middle of a balloon's place, from its top-left corner: where pops and floating scores start.
inline constexpr float kPlaceCentreX = 14.0f;
inline constexpr float kPlaceCentreY = 18.0f;
// Where floating scores fly to: the score counter.
inline constexpr float kScoreTargetX = 546.0f;
inline constexpr float kScoreTargetY = 461.0f;

// A balloon's picture at its place; a hovered one (highlight below 1) is drawn lighter.
void drawBalloonPicture(const ksImage& picture, int x, int y, float highlight);

// Every occupied place with a picture, moved by its rise, sway and jiggle. With
// `fadeByHighlight` a balloon whose highlight is below 1 is drawn at that opacity instead (the
// Action grey-out).
void drawBoardBalloons(const BalloonBoard& board, bool fadeByHighlight);

// A number drawn with thousands separators, formatted again only when it changes.
class NumberText {
public:
    const char* text(int32_t number);

private:
    int32_t m_shown = 0;
    bool m_valid = false;
    std::array<char, 24> m_text{};
};

// The score on its plaque gives a small pulse each time it changes: the digits swell and settle
// back within kSeconds. It asks for the frames of the pulse.
class ScorePulse {
public:
    static constexpr float kSeconds = 0.3f;
    static constexpr float kSwell = 0.2f; // the largest growth, a fifth of the size

    // Once a frame, with the score shown in it and the frame time. The first score seen does
    // not pulse.
    void step(int32_t score, float seconds);
    // The size to draw the digits at now: 1 outside a pulse.
    float scale() const;
    bool isPulsing() const { return m_clock < kSeconds; }

private:
    int32_t m_score = 0;
    bool m_known = false;
    float m_clock = kSeconds;
};

// Writes `format` with its one "%s" replaced by `number` in thousands-separated form.
void formatWithNumber(std::array<char, 64>& out, const char* format, int32_t number);

// The player's name becomes the profile's (saved), and the score enters the mode's high-score
// list under it (saved). An empty name still enters: a player who only pressed Enter keeps the
// score.
void recordHighScore(GameContext& context, GameMode mode, std::string_view name, int32_t score);
