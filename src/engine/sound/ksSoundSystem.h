// ksSoundSystem.h: sound effects by index or name, and the music module's sections.
#pragma once

#include <array>
#include <string>

class FileSource;
class SoundBackend;

// Loads every sound of the resource script into a numbered table, plays effects on free channels,
// plays the music as one tracker module whose sections are chosen by order number, and applies
// the two volume levels. When the mixer does not start, every call is a quiet no-op.
class ksSoundSystem {
public:
    static constexpr int kCapacity = 128;
    static constexpr int kMixRate = 44100;
    static constexpr int kChannels = 32;

    // Starts the back end, retrying ten times 100 ms apart before giving up.
    ksSoundSystem(SoundBackend& backend, FileSource& files);

    // Loads `fileName` under `name` (a file whose name contains ".it" is the music module).
    // A failed load still takes its index. With `onFirstPlay` an effect is only noted here and
    // decoded the first time it plays (a failure is logged then, and it stays silent).
    void loadData(const std::string& name, const std::string& fileName, bool onFirstPlay = false);

    // The effect's channel; -1 for the music, an unknown index or no free channel; 0 when sound
    // is off altogether.
    int play(int index);
    int playLooped(int index);
    int playByName(const std::string& name);
    int findByName(const std::string& name) const;
    // Stops `channel` only while it still plays the sound `index` started there.
    void stopChannel(int channel, int index);
    void stopAll();

    void setOrder(int order);
    void pauseMusic();
    void resumeMusic();
    void setVolumes(float effects, float music);
    void setEnabled(bool on);
    void setEffectsEnabled(bool on);

    bool hasFailed() const { return m_failed; }
    // Whether the sound at `index` holds a playable sample or is the loaded module.
    bool isLoaded(int index) const {
        return isSound(index) && (m_samples[index] >= 0 || m_samples[index] == kOnFirstPlay ||
                                  (m_hasModule && index == m_musicIndex));
    }
    int count() const { return m_count; }
    int musicIndex() const { return m_musicIndex; }
    bool isEnabled() const { return m_enabled; }
    bool areEffectsEnabled() const { return m_effectsEnabled; }

private:
    static constexpr int kOnFirstPlay = -2; // a sample to decode when it first plays

    bool isSound(int index) const { return index >= 0 && index < m_count; }
    void decodeSample(int index);

    SoundBackend& m_backend;
    FileSource& m_files;
    bool m_failed = false;
    int m_count = 0;
    std::array<std::string, kCapacity> m_names;
    std::array<std::string, kCapacity> m_fileNames; // of samples still to decode
    std::array<int, kCapacity> m_samples{};
    std::array<bool, kCapacity> m_looped{};
    bool m_hasModule = false;
    int m_musicIndex = -1;
    int m_musicChannel = -1; // where a music file loaded as a plain sample plays
    bool m_musicEnabled = true;
    bool m_effectsEnabled = true;
    bool m_enabled = true;
    float m_effectsVolume = 1.0f;
    float m_musicVolume = 1.0f;
};
