// ModuleRenderer.h: plays a tracker module offline through libmodplug, set up as SDL_mixer sets it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include <libmodplug/modplug.h>

// 44100 Hz, 16-bit stereo, FIR resampling with oversampling, endless looping: the settings
// SDL_mixer gives libmodplug, so what plays here is what the game plays.
class ModuleRenderer {
public:
    explicit ModuleRenderer(std::span<const uint8_t> module);
    ~ModuleRenderer();
    ModuleRenderer(const ModuleRenderer&) = delete;
    ModuleRenderer& operator=(const ModuleRenderer&) = delete;

    bool loaded() const { return m_file != nullptr; }
    ModPlugFile* file() const { return m_file; }

    void seekOrder(int order);
    // Renders `seconds` of audio; `orders` receives the order playing after each 10 ms block.
    std::vector<int16_t> render(double seconds, std::vector<int>* orders = nullptr);

    static constexpr int kRate = 44100;

private:
    ModPlugFile* m_file = nullptr;
};

// The left channel of interleaved stereo, scaled to -1..1.
std::vector<float> leftChannel(std::span<const int16_t> stereo);
