// GoalBanner.cpp: the three curtain pairs that announce a puzzle's goal and celebrate its solution.
#include "GoalBanner.h"

#include "engine/core/WakeRequests.h"
#include "engine/scene/ksScene.h"

#include <algorithm>

namespace {

constexpr int kCurtainDepth = 150;

} // namespace

GoalBanner::GoalBanner(const ksTimer& timer, const PictureLookup& pictures)
    : m_pairs{CurtainPair(timer, 1, pictures), CurtainPair(timer, 2, pictures),
              CurtainPair(timer, 3, pictures)} {
    for (CurtainPair& pair : m_pairs) {
        pair.setDepth(kCurtainDepth);
    }
}

void GoalBanner::takeDown(ksScene& scene) {
    for (CurtainPair& pair : m_pairs) {
        scene.remove(&pair);
    }
    m_step = Step::Idle;
}

void GoalBanner::addTo(ksScene& scene) {
    if (isUp()) {
        scene.remove(&current());
        scene.add(&current());
    }
}

void GoalBanner::show(ksScene& scene, int goalIndex) {
    takeDown(scene);
    m_goal = std::clamp(goalIndex, 0, kGoals - 1);
    current().closeIn();
    scene.add(&current());
    m_step = Step::Closing;
    WakeRequests::nextFrame();
}

void GoalBanner::finish(ksScene& scene) {
    takeDown(scene);
    current().setClosed();
    current().open();
    scene.add(&current());
    m_step = Step::Opening;
    WakeRequests::nextFrame();
}

void GoalBanner::step(ksScene& scene, float seconds) {
    switch (m_step) {
    case Step::Closing:
        if (!current().isMoving()) {
            m_step = Step::Holding;
            m_clock = 0.0f;
            WakeRequests::after(kHoldSeconds);
        }
        break;
    case Step::Holding:
        m_clock += seconds;
        if (m_clock >= kHoldSeconds) {
            current().slideOff();
            m_step = Step::Leaving;
            WakeRequests::nextFrame();
        } else {
            WakeRequests::after(kHoldSeconds - m_clock);
        }
        break;
    case Step::Leaving:
        if (!current().isMoving()) {
            takeDown(scene);
            WakeRequests::nextFrame();
        }
        break;
    case Step::Opening:
        if (!current().isMoving()) {
            m_step = Step::Opened;
        }
        break;
    default:
        break;
    }
}
