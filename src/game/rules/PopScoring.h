// PopScoring.h: what a popped group is worth, and adding points to a score.
#pragma once

#include <cstdint>

// Points are computed in 32-bit floating point, as the multipliers are, and added to the integer
// score with truncation toward zero, saturating at the int32 limits. Every mode scores its pops
// with these functions and its own tuning keys.

// T(m) = m (m + 1) / 2, and 0 for m <= 0: the triangular steps of the size and height bonuses.
int64_t triangular(int m);

// What one pop is worth and whether it was a super pop.
struct GroupScoreRule {
    int32_t groupPopPoints = 0; // base points of every group
    int32_t extraPopPoints = 0; // per step of the triangular size bonus T(size - 2)
    int32_t bigGroupBonus = 0;  // per super pop, times the run of super pops
    int32_t superPopThreshold = 0;
    float multiplier = 0.0f;
};

struct GroupScore {
    float points = 0.0f; // multiplier applied; the floating score shows its truncation
    bool superPop = false;
    int32_t bonus = 0; // the super pop bonus, bigGroupBonus x run, as the banner shows it
};

// Scores a pop of `groupSize` balloons. A group at or above the threshold extends
// `superPopRun` and adds bigGroupBonus x run to the points whatever the multiplier; any other
// group ends the run. A multiplier of 0 (a missing key) or one that is not finite counts as 0:
// the bonus is then added as it stands instead of being divided by the multiplier.
GroupScore scoreGroup(const GroupScoreRule& rule, int groupSize, int32_t& superPopRun);

// A multiplier fit to multiply with: one that is not finite counts as 0.
float usableMultiplier(float multiplier);

// score + points, truncated toward zero and saturated.
int32_t addPoints(int32_t score, double points);

// The cue of a pop by its size: up to 3 "pop23", 4 to 6 "pop46", 7 to 10 "pop610", then "pop11".
const char* popCueFor(int groupSize);
