// GoalBanner.h: the three curtain pairs that announce a puzzle's goal and celebrate its solution.
#pragma once

#include "stage/CurtainPair.h"
#include "stage/PictureLookup.h"

#include <array>

class ksScene;
class ksTimer;

// Showing a goal: its pair closes in from the sides, stays closed a moment so the goal can be
// read, and slides off again; the banner has finished once the stage is clear. Finishing a
// solved puzzle: the pair stands closed and opens to frame the board until it is taken down.
class GoalBanner {
public:
    static constexpr int kGoals = 3;
    static constexpr float kHoldSeconds = 1.2f;

    GoalBanner(const ksTimer& timer, const PictureLookup& pictures);

    // The pair of `goalIndex` (0 gold, 1 prizes, 2 all) closes in; any other pair leaves the scene.
    void show(ksScene& scene, int goalIndex);
    // The pair of the goal shown stands closed and opens.
    void finish(ksScene& scene);
    // Puts the pair that is up back into a scene that was cleared.
    void addTo(ksScene& scene);
    // Every pair out of the scene, nothing playing.
    void takeDown(ksScene& scene);
    // Once a frame (after the scene's update): the hold, and the steps between the moves.
    void step(ksScene& scene, float seconds);

    // Nothing is moving or waiting: a shown goal has slid off, or a finish has opened.
    bool isFinished() const { return m_step == Step::Idle || m_step == Step::Opened; }
    bool isUp() const { return m_step != Step::Idle; }
    int goalIndex() const { return m_goal; }
    const CurtainPair& pair(int goalIndex) const { return m_pairs[static_cast<std::size_t>(goalIndex)]; }

private:
    enum class Step { Idle, Closing, Holding, Leaving, Opening, Opened };

    CurtainPair& current() { return m_pairs[static_cast<std::size_t>(m_goal)]; }

    std::array<CurtainPair, kGoals> m_pairs;
    Step m_step = Step::Idle;
    int m_goal = 2;
    float m_clock = 0.0f;
};
