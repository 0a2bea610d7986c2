// zibbet-classic-winrates: plays many Classic deals with the built-in player and reports how
// often each skill level and colour count is won, to tune the Classic settings by measurement.
#include "TuningSettings.h"
#include "engine/core/GameRandom.h"
#include "engine/store/GameSettings.h"
#include "game/classic/ClassicGame.h"
#include "game/classic/ClassicStrategy.h"
#include "game/rules/TuningLookup.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

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

// Prizes land at once: their points are scored as soon as they are released.
class InstantPrizes final : public ClassicListener {
public:
    ClassicGame* game = nullptr;
    int superPops = 0;
    void releasePrize(const ClassicPrizeRelease& release) override { pending[count++] = release.index; }
    void showBanner(const GameBanner& banner) override {
        superPops += std::strncmp(banner.line1.data(), "Super Pop!", 10) == 0 ? 1 : 0;
    }
    void landAll() {
        for (int i = 0; i < count; ++i) {
            game->scorePrizeLanding(pending[i]);
        }
        count = 0;
    }
    int pending[ClassicGame::kPrizeObjects] = {};
    int count = 0;
};

struct Tally {
    int games = 0, wins = 0, superPops = 0;
    long long score = 0, balloonsLeft = 0;
};

// Lets the board finish moving, landing prizes as they are released.
void settle(ClassicGame& game, InstantPrizes& prizes) {
    for (int step = 0; step < 400; ++step) {
        game.setPrizeInFlight(false);
        game.advance(0.05f);
        prizes.landAll();
        if (game.isReadyToEnd()) {
            return;
        }
        if (chooseClassicMove(game.board(), 2, 0).has_value()) {
            return;
        }
    }
}

Tally play(const TuningLookup& tuning, int skill, int colours, int games, uint32_t firstSeed) {
    Tally tally;
    InstantPrizes prizes;
    ClassicGame game(nullptr, &prizes);
    prizes.game = &game;
    for (int g = 0; g < games; ++g) {
        seedGameRandom(firstSeed + static_cast<uint32_t>(g));
        prizes.superPops = 0;
        game.newGame(tuning, ClassicOptions{skill, colours, 0});
        for (int move = 0; move < 400; ++move) {
            settle(game, prizes);
            if (game.isReadyToEnd()) {
                break;
            }
            const auto choice = chooseClassicMove(game.board(), 2, static_cast<uint32_t>(gameRandom()));
            if (!choice) {
                continue;
            }
            game.pointerStep(BoardPointer{choice->x, choice->y, false, true}, 2);
        }
        if (!game.isReadyToEnd()) {
            continue; // did not finish (never seen); not counted
        }
        const ClassicEnd end = game.endGame();
        ++tally.games;
        tally.wins += end.won ? 1 : 0;
        tally.score += game.score();
        tally.balloonsLeft += end.balloonsLeft;
        tally.superPops += prizes.superPops;
    }
    return tally;
}

} // namespace

int main(int argc, char** argv) {
    int games = 1000;
    uint32_t seed = 1;
    std::string settingsFile;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--games" && i + 1 < argc) {
            games = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--seed" && i + 1 < argc) {
            seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        } else if (arg == "--settings" && i + 1 < argc) {
            settingsFile = argv[++i];
        } else {
            std::puts("Usage: zibbet-classic-winrates [--games N] [--seed N] [--settings FILE]\n"
                      "Plays N seeded Classic deals per skill level and colour count with the\n"
                      "built-in player and prints win rates as a Markdown table. The settings\n"
                      "default to the generated game settings.");
            return arg == "--help" ? 0 : 2;
        }
    }
    GameSettings settings;
    if (!loadTuningSettings(settings, settingsFile)) {
        return 1;
    }
    const SettingsTuning tuning(settings);

    std::printf("| skill | colours | games | won | mean score | balloons left | super pops |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    for (int skill = 0; skill <= 2; ++skill) {
        for (int colours = 3; colours <= 6; ++colours) {
            const Tally t = play(tuning, skill, colours, games, seed);
            const double n = std::max(t.games, 1);
            std::printf("| %d | %d | %d | %.1f %% | %.0f | %.1f | %.2f |\n", skill, colours, t.games,
                        100.0 * t.wins / n, static_cast<double>(t.score) / n,
                        static_cast<double>(t.balloonsLeft) / n, t.superPops / n);
            std::fflush(stdout);
        }
    }
    return 0;
}
