// Harness.h: drives the main loop for tests: scripted input, screenshots, a frame limit.
#pragma once

#include "CommandLine.h"
#include "InputScript.h"
#include "engine/os/LoopObserver.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

class InputSource;
class KestrinOS;

class Harness final : public LoopObserver {
public:
    Harness(KestrinOS& os, std::optional<InputScript> script, std::vector<ShotRequest> shots,
            std::optional<int64_t> frameLimit, bool headless);

    void beforePass(int64_t pass, InputEventQueue& queue) override;
    bool afterPass(int64_t pass) override;
    bool drivesPasses() const override;
    // `source` (which must outlive the harness) adds its events after the script's, every pass.
    void addInputSource(InputSource& source) { m_sources.push_back(&source); }
    // False when a screenshot could not be written.
    bool allShotsWritten() const { return m_shotsFailed == 0; }

private:
    KestrinOS& m_os;
    std::vector<ScriptStep> m_steps;
    std::size_t m_nextStep = 0;
    std::vector<ShotRequest> m_shots;
    std::vector<InputSource*> m_sources;
    std::optional<int64_t> m_frameLimit;
    bool m_headless;
    int m_shotsFailed = 0;
    std::vector<uint32_t> m_picture;
};
