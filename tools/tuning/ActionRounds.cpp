// zibbet-action-rounds: plays many seeded Action games with the built-in player at its human
// pace and reports how many rounds each skill level wins and how long round 1 lasts, to tune the
// Action settings by measurement.
#include "TuningSettings.h"
#include "engine/core/GameRandom.h"
#include "engine/store/GameSettings.h"
#include "game/action/ActionGame.h"
#include "game/action/ActionStrategy.h"
#include "game/rules/TuningLookup.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Frames of 1/20 s keep thousands of games quick; the board still moves in several steps, and
// the player clicks at most every 0.4 s of game time, as on screen.
constexpr float kFrame = 1.0f / 20.0f;
constexpr float kClickSeconds = 0.4f;
constexpr int kWorthClicking = 3;
// A game is cut off here (counted as lost there): long enough for every tuning tried.
constexpr int kMostRounds = 60;
constexpr float kMostRoundSeconds = 1800.0f;

class SettingsTuning final : public TuningLookup {
public:
    explicit SettingsTuning(const GameSettings& settings)
        : m_settings(settings) {}
    void getIntArray(const char* name, std::span<int32_t> values) const override {
        m_settings.getIntArray(name, values);
    }
    std::string getString(const char* name) const override { return m_settings.getString(name); }

private:
    const GameSettings& m_settings;
};

struct GameResult {
    int roundsWon = 0;
    float firstRoundSeconds = 0.0f;
};

// One round, frame by frame; answers whether it was won and how long it took.
bool playRound(ActionGame& game, float& seconds, uint32_t& moves) {
    game.startFill();
    seconds = 0.0f;
    while (!game.fillStep(kFrame).fillDone) {
        seconds += kFrame;
    }
    float sinceClick = 0.0f;
    while (seconds < kMostRoundSeconds) {
        BoardPointer pointer{0, 479, false, false};
        sinceClick += kFrame;
        if (sinceClick >= kClickSeconds) {
            if (const auto move = chooseActionMove(game.board(), kWorthClicking, moves)) {
                ++moves;
                sinceClick = 0.0f;
                pointer = move->kind == ActionMove::Kind::PullCord
                              ? BoardPointer{kCordClickX, kCordClickY, false, true}
                              : BoardPointer{move->group.x, move->group.y, false, true};
            }
        }
        seconds += kFrame;
        if (game.playStep(kFrame, pointer).roundEnded) {
            return game.roundWon();
        }
    }
    return false;
}

GameResult playGame(const ActionTuning& tuning, int skill, int firstRound, uint32_t seed) {
    seedGameRandom(seed);
    ActionGame game(nullptr, nullptr);
    game.newGame(tuning, skill, firstRound, 0);
    GameResult result;
    uint32_t moves = 0;
    for (int round = firstRound; round < firstRound + kMostRounds; ++round) {
        game.startRound(round);
        float seconds = 0.0f;
        const bool won = playRound(game, seconds, moves);
        if (round == firstRound) {
            result.firstRoundSeconds = seconds;
        }
        if (!won) {
            break;
        }
        ++result.roundsWon;
    }
    return result;
}

template <typename T>
T percentile(std::vector<T> values, int percent) {
    std::sort(values.begin(), values.end());
    const std::size_t at =
        std::min(values.size() - 1, values.size() * static_cast<std::size_t>(percent) / 100);
    return values[at];
}

} // namespace

int main(int argc, char** argv) {
    int games = 2000;
    int firstRound = 0;
    uint32_t seed = 1;
    std::string settingsFile;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--games" && i + 1 < argc) {
            games = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--seed" && i + 1 < argc) {
            seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        } else if (arg == "--round" && i + 1 < argc) {
            firstRound = std::max(0, std::atoi(argv[++i]));
        } else if (arg == "--settings" && i + 1 < argc) {
            settingsFile = argv[++i];
        } else {
            std::puts("Usage: zibbet-action-rounds [--games N] [--seed N] [--round N] [--settings FILE]\n"
                      "Plays N seeded Action games per skill level with the built-in player (one\n"
                      "click at most every 0.4 s of game time) and prints the rounds won and the\n"
                      "length of round 1 as a Markdown table. The settings default to the\n"
                      "generated game settings. --round N starts every game at round N (0-based),\n"
                      "to see whether the late rounds, at the shortest row time, can still be won.");
            return arg == "--help" ? 0 : 2;
        }
    }
    GameSettings settings;
    if (!loadTuningSettings(settings, settingsFile)) {
        return 1;
    }
    const ActionTuning tuning = ActionTuning::read(SettingsTuning(settings));

    std::printf("| skill | games | rounds won: 10th pct | median | 90th pct | first round won | first round: "
                "10th pct "
                "| median | 90th pct |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|\n");
    for (int skill = 0; skill <= 2; ++skill) {
        std::vector<int> rounds;
        int firstWon = 0;
        std::vector<float> firstRoundSeconds;
        for (int g = 0; g < games; ++g) {
            const GameResult result = playGame(tuning, skill, firstRound, seed + static_cast<uint32_t>(g));
            rounds.push_back(result.roundsWon);
            firstWon += result.roundsWon > 0 ? 1 : 0;
            firstRoundSeconds.push_back(result.firstRoundSeconds);
        }
        std::printf("| %d | %d | %d | %d | %d | %.0f %% | %.0f s | %.0f s | %.0f s |\n", skill, games,
                    percentile(rounds, 10), percentile(rounds, 50), percentile(rounds, 90),
                    100.0 * firstWon / games, percentile(firstRoundSeconds, 10),
                    percentile(firstRoundSeconds, 50), percentile(firstRoundSeconds, 90));
        std::fflush(stdout);
    }
    return 0;
}
