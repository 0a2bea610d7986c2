// ModuleRenderer.cpp: plays a tracker module offline through libmodplug, set up as SDL_mixer sets it.
#include "ModuleRenderer.h"

ModuleRenderer::ModuleRenderer(std::span<const uint8_t> module) {
    ModPlug_Settings settings;
    ModPlug_GetSettings(&settings);
    settings.mFlags = MODPLUG_ENABLE_OVERSAMPLING;
    settings.mChannels = 2;
    settings.mBits = 16;
    settings.mFrequency = kRate;
    settings.mResamplingMode = MODPLUG_RESAMPLE_FIR;
    settings.mReverbDepth = 0;
    settings.mBassAmount = 0;
    settings.mSurroundDepth = 0;
    settings.mLoopCount = -1;
    ModPlug_SetSettings(&settings); // applies to files loaded after it
    m_file = ModPlug_Load(module.data(), static_cast<int>(module.size()));
}

ModuleRenderer::~ModuleRenderer() {
    if (m_file != nullptr) {
        ModPlug_Unload(m_file);
    }
}

void ModuleRenderer::seekOrder(int order) {
    ModPlug_SeekOrder(m_file, order);
}

std::vector<int16_t> ModuleRenderer::render(double seconds, std::vector<int>* orders) {
    constexpr int kBlockFrames = kRate / 100;
    const auto frames = static_cast<std::size_t>(seconds * kRate);
    std::vector<int16_t> out;
    out.reserve(frames * 2);
    std::vector<int16_t> block(kBlockFrames * 2);
    while (out.size() < frames * 2) {
        const int bytes =
            ModPlug_Read(m_file, block.data(), static_cast<int>(block.size() * sizeof(int16_t)));
        if (bytes <= 0) {
            break;
        }
        out.insert(out.end(), block.begin(), block.begin() + bytes / static_cast<int>(sizeof(int16_t)));
        if (orders != nullptr) {
            orders->push_back(ModPlug_GetCurrentOrder(m_file));
        }
    }
    return out;
}

std::vector<float> leftChannel(std::span<const int16_t> stereo) {
    std::vector<float> out(stereo.size() / 2);
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = stereo[2 * i] / 32768.0f;
    }
    return out;
}
