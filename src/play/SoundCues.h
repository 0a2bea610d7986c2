// SoundCues.h: the play screens' sound cues, looked up by name once and played by name.
#pragma once

#include "stage/CuePlayer.h"

#include <array>
#include <string_view>

class ksResources;
class ksSoundSystem;

// Every cue a play screen, its effects or its mascot may ask for is looked up when the screen is
// built (a missing one is reported once by the resource manager and then plays nothing), so a
// request during play is a short search of a fixed table. Stopping a cue stops its channel only
// while that channel still plays that cue: a channel the mixer has reused for another sound is
// left alone.
class SoundCues final : public CuePlayer {
public:
    // The prize cues "P_%i%i" for themes 0 to 4 and kinds 0 to 5, the mascot's "woo", and the
    // play screens' own cues.
    static constexpr int kCapacity = 72;

    SoundCues(ksResources& resources, ksSoundSystem& sound);

    int play(std::string_view cue) override;
    void stop(int channel, std::string_view cue) override;
    // Starts the cue looping until it is stopped; answers its channel, or -1.
    int playLooped(std::string_view cue);

    // The cue's sound index; -1 for a cue the resources lack or that is not in the table.
    int indexOf(std::string_view cue) const;
    int count() const { return m_count; }

private:
    struct Entry {
        std::array<char, 16> name{};
        std::string_view view() const { return name.data(); }
        int index = -1;
    };

    void add(ksResources& resources, const char* name);

    ksSoundSystem& m_sound;
    std::array<Entry, kCapacity> m_entries{};
    int m_count = 0;
};
