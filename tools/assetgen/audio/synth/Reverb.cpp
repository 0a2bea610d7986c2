// Reverb.cpp: a small room, so chimes, fanfares and crowds sound like they happen somewhere.
#include "Reverb.h"

#include <array>
#include <vector>

namespace synth {

namespace {

// Delay lengths in frames at 44100 Hz, mutually prime-ish so the echoes do not pile up.
constexpr std::array<int, 8> kCombFrames = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr std::array<int, 4> kAllpassFrames = {556, 441, 341, 225};

class Comb {
public:
    explicit Comb(std::size_t frames)
        : m_buffer(frames, 0.0f) {}
    float process(float x, float feedback, float damping) {
        const float y = m_buffer[m_index];
        m_store = y * (1.0f - damping) + m_store * damping;
        m_buffer[m_index] = x + m_store * feedback;
        m_index = (m_index + 1) % m_buffer.size();
        return y;
    }

private:
    std::vector<float> m_buffer;
    std::size_t m_index = 0;
    float m_store = 0.0f;
};

class Allpass {
public:
    explicit Allpass(std::size_t frames)
        : m_buffer(frames, 0.0f) {}
    float process(float x) {
        const float delayed = m_buffer[m_index];
        m_buffer[m_index] = x + delayed * 0.5f;
        m_index = (m_index + 1) % m_buffer.size();
        return delayed - x;
    }

private:
    std::vector<float> m_buffer;
    std::size_t m_index = 0;
};

} // namespace

void addRoom(Sound& sound, const Room& room) {
    const double scale = sound.rate / 44100.0;
    std::vector<Comb> combs;
    for (int frames : kCombFrames) {
        combs.emplace_back(static_cast<std::size_t>(frames * scale));
    }
    std::vector<Allpass> allpasses;
    for (int frames : kAllpassFrames) {
        allpasses.emplace_back(static_cast<std::size_t>(frames * scale));
    }
    const float feedback = 0.7f + 0.28f * room.size;
    const float input = 0.015f; // the combs add up eight times over
    const std::size_t dryFrames = sound.frames();
    sound.samples.resize(dryFrames + static_cast<std::size_t>(room.tail * sound.rate), 0.0f);
    for (float& s : sound.samples) {
        float sum = 0.0f;
        for (Comb& c : combs) {
            sum += c.process(s * input, feedback, room.damping);
        }
        for (Allpass& a : allpasses) {
            sum = a.process(sum);
        }
        s += room.wet * sum * 3.0f;
    }
}

} // namespace synth
