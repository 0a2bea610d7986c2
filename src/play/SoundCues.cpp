// SoundCues.cpp: the play screens' sound cues, looked up by name once and played by name.
#include "SoundCues.h"

#include "engine/core/ksLog.h"
#include "engine/resources/ksResources.h"
#include "engine/sound/ksSoundHandle.h"
#include "engine/sound/ksSoundSystem.h"
#include "game/rules/GameConstants.h"

#include <cstdio>
#include <span>

namespace {

// The cues of the play screens, their effects and their mascot, by what they accompany.
constexpr const char* kPopCues[] = {"pop0",  "pop1",  "pop2",   "pop3",  "pop4",       "pop5",    "pop6",
                                    "pop23", "pop46", "pop610", "pop11", "pop_golden", "superpop"};
constexpr const char* kMotionCues[] = {"parachute",
                                       "prize_flyoff",
                                       "prize_lands",
                                       "balloon_row_release",
                                       "balloon_inflate",
                                       "balloon_greyout",
                                       "balloon_gold_unite",
                                       "breeze",
                                       "undo",
                                       "chaching",
                                       "alarm"};
constexpr const char* kMomentCues[] = {"classic_newgame",
                                       "cheer_all_clear",
                                       "cheer_1-5_left",
                                       "cheer_6-10_left",
                                       "whistle",
                                       "yeah",
                                       "woo",
                                       "tada",
                                       "loosetrumpet",
                                       "no_moves",
                                       "freakshow_reveal",
                                       "curtain_open",
                                       "button_click"};

} // namespace

SoundCues::SoundCues(ksResources& resources, ksSoundSystem& sound)
    : m_sound(sound) {
    for (const auto& group :
         {std::span<const char* const>(kPopCues), std::span<const char* const>(kMotionCues),
          std::span<const char* const>(kMomentCues)}) {
        for (const char* name : group) {
            add(resources, name);
        }
    }
    char name[16];
    for (int theme = 0; theme < kThemes; ++theme) {
        for (int kind = 0; kind < kPrizeKinds; ++kind) {
            std::snprintf(name, sizeof name, "P_%i%i", theme, kind);
            add(resources, name);
        }
    }
}

void SoundCues::add(ksResources& resources, const char* name) {
    if (m_count == kCapacity) {
        trace("SoundCues - no room for the cue %s", name);
        return;
    }
    Entry& entry = m_entries[static_cast<std::size_t>(m_count++)];
    std::snprintf(entry.name.data(), entry.name.size(), "%s", name);
    entry.index = resources.getSound(name)->index();
}

int SoundCues::indexOf(std::string_view cue) const {
    for (int i = 0; i < m_count; ++i) {
        if (m_entries[static_cast<std::size_t>(i)].view() == cue) {
            return m_entries[static_cast<std::size_t>(i)].index;
        }
    }
    return -1;
}

int SoundCues::play(std::string_view cue) {
    const int index = indexOf(cue);
    return index < 0 ? -1 : m_sound.play(index);
}

int SoundCues::playLooped(std::string_view cue) {
    const int index = indexOf(cue);
    return index < 0 ? -1 : m_sound.playLooped(index);
}

void SoundCues::stop(int channel, std::string_view cue) {
    const int index = indexOf(cue);
    if (channel >= 0 && index >= 0) {
        m_sound.stopChannel(channel, index);
    }
}
