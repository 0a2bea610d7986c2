// Harness.cpp: drives the main loop for tests: scripted input, screenshots, a frame limit.
#include "Harness.h"

#include "InputSource.h"
#include "engine/core/ksLog.h"
#include "engine/input/InputEventQueue.h"
#include "engine/os/KestrinOS.h"
#include "engine/video/PngFile.h"

#include <algorithm>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

} // namespace

Harness::Harness(KestrinOS& os, std::optional<InputScript> script, std::vector<ShotRequest> shots,
                 std::optional<int64_t> frameLimit, bool headless)
    : m_os(os)
    , m_shots(std::move(shots))
    , m_frameLimit(frameLimit)
    , m_headless(headless)
    , m_picture(static_cast<std::size_t>(kWidth) * kHeight) {
    if (script) {
        for (const ScriptStep& step : script->steps()) {
            if (step.kind == ScriptStep::Kind::Shot) {
                m_shots.push_back({step.frame, step.shotFile});
            } else {
                m_steps.push_back(step);
            }
        }
    }
    std::stable_sort(m_shots.begin(), m_shots.end(),
                     [](const ShotRequest& a, const ShotRequest& b) { return a.frame < b.frame; });
}

void Harness::beforePass(int64_t pass, InputEventQueue& queue) {
    while (m_nextStep < m_steps.size() && m_steps[m_nextStep].frame <= pass) {
        // Scripted events enter exactly as window events do; a full queue keeps the rest for
        // the next pass.
        if (!queue.push(m_steps[m_nextStep].event)) {
            break;
        }
        ++m_nextStep;
    }
    for (InputSource* source : m_sources) {
        source->feed(pass, queue);
    }
}

bool Harness::afterPass(int64_t pass) {
    for (const ShotRequest& shot : m_shots) {
        if (shot.frame != pass) {
            continue;
        }
        if (!m_os.captureShownPicture(m_picture) ||
            !writePng(shot.file, m_picture.data(), kWidth, kHeight, kWidth)) {
            trace("Harness - could not write the screenshot %s", shot.file.c_str());
            ++m_shotsFailed;
        }
    }
    return !m_frameLimit || pass + 1 < *m_frameLimit;
}

bool Harness::drivesPasses() const {
    // A built-in player feeds input every pass, so the loop must not rest waiting for some.
    return m_headless || m_nextStep < m_steps.size() || !m_sources.empty();
}
