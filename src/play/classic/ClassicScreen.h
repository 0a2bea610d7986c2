// ClassicScreen.h: the Classic mode's screen: the rules on the play screen, with their pictures.
#pragma once

#include "game/classic/ClassicGame.h"
#include "play/BoardKeyboard.h"
#include "play/IdleWatch.h"
#include "play/PlayPieces.h"
#include "play/PlayScreen.h"
#include "play/SettingsTuning.h"
#include "stage/Bouquet.h"
#include "stage/Mascot.h"
#include "stage/Prize.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

// Drives a ClassicGame in the order its header lays down, and shows it: the board with its prize
// markers, the score, the prizes parachuting onto the shelf, banners, floating scores, the
// mascot's reactions, the bouquet of a won game and the end-of-game dialogs with the high-score
// entry. It keeps the Classic statistics (the biggest group at every pop, the result at every
// end) and saves them as they change.
//
// A game ends in state 3 (game over) and its end step: a won game waits for the bouquet (7 s, or
// a key or click after 1.5 s) and then shows its end dialog, with a name field when the score
// enters the high-score list; a lost game waits 3 s (or a key or click) and offers a new game or
// the undo of the last move.
class ClassicScreen final : public PlayScreen, private ClassicListener {
public:
    static constexpr int kGameOver = 3;
    // End states: waiting after a win, building its dialog, the dialog up; waiting after a loss.
    static constexpr int kEndWon = 0;
    static constexpr int kEndBuildDialog = 1;
    static constexpr int kEndDialogShown = 2;
    static constexpr int kEndLost = 3;
    // Once every prize is out: waiting for the last to land, the prizes hopping off, done.
    static constexpr int kCelebrationWaiting = 0;
    static constexpr int kCelebrationHopping = 1;
    static constexpr int kCelebrationDone = 2;
    static constexpr int kMusicOrder = 21;
    static constexpr int kScoreX = 521;
    static constexpr int kScoreY = 461;
    static constexpr int kPlayAgainId = 0;
    static constexpr int kNewGameId = 1;
    static constexpr int kUndoLastMoveId = 10;

    // The screen's design: backdrop "main", the undo button and the five podium buttons.
    static PlayScreenDesign design();

    explicit ClassicScreen(GameContext& context);
    // A game in progress is kept when the program ends.
    ~ClassicScreen() override;

    // On the first entry and after a finished game a new game fades in; every entry starts the
    // Classic music.
    void enter() override;
    // Between the fades: the score, the board with its prize markers, then the
    // scene (buttons, effects, prizes, mascot) in depth order.
    void drawPlay() override;
    BalloonBoard& getBoard() override { return m_game.board(); }
    // A new game: the base part, the tuning values, a new seed and a fresh deal.
    void resetPresentation() override;
    // The base part, and the mascot back in the scene.
    void activate() override;
    // Takes back the last pop, with the prizes freed since then, their shelf pictures and score.
    void undoMove() override;
    // Coming out of the fade-in the game starts with a whistle and the mascot's entrance.
    void startPlay() override;
    // Leaving for the title keeps a game in progress, even one still moving.
    void startFadeOut() override;
    void playStep() override;
    // With no move made yet (and not every prize out) these act at once, without a dialog.
    void askNewGame() override;
    void askMainMenu() override;
    bool isDialogOpen() const override;
    void frameTick() override;
    // The base states, and the end step in the game-over state.
    void modeStep(int state) override;
    // The state and idle clocks, and the mascot dozing off while nobody clicks.
    void frameStarted() override;

    ClassicGame& game() { return m_game; }
    const ClassicGame& game() const { return m_game; }
    Prize& prize(int index) { return m_prizes.members()[static_cast<std::size_t>(index)]; }
    Mascot& mascot() { return m_mascot; }
    Bouquet& bouquet() { return m_bouquet; }
    DialogBox& endDialog() { return m_endDialog; }
    DialogBox& outOfMovesDialog() { return m_outOfMovesDialog; }
    DialogBox& resumeDialog() { return m_resumeDialog; }
    int endState() const { return m_endState; }
    int allPrizesStep() const { return m_allPrizesStep; }
    float stateClock() const { return m_stateClock; }
    float idleClock() const { return m_idle.seconds(); }
    const BoardKeyboard& boardKeys() const { return m_keys; }
    // The name typed into the end dialog's field so far.
    const std::string& typedName() const { return m_typedName; }
    // The smallest group a click pops: 1 while the title screen's hidden mode is on.
    int minimumGroup() const;

protected:
    std::optional<AutoplayPoint> autoplayClick() override;

private:
    // What the rules ask to be shown and heard.
    void requestCue(const char* name) override;
    void requestMascotCue(int cue) override;
    void showBanner(const GameBanner& banner) override;
    void releasePrize(const ClassicPrizeRelease& release) override;

    void startNewGame();
    void updatePrizes();
    void celebrateAllPrizes();
    bool allReleasedPrizesFinished();
    void pointerStep();
    void endGame();
    void endStep();
    void openEndDialog();
    void handleEndDialogs();
    void drawPlayArea();
    void drawScore();
    // An unfinished game kept in the data directory: looked for on entering, offered once play
    // begins, kept whenever the board comes to rest after a change, removed when it ends.
    std::filesystem::path savedGamePath() const;
    void lookForSavedGame();
    void runResumeDialog();
    void continueSavedGame();
    void keepGameInProgress(bool leaving = false);
    void forgetSavedGame();

    SettingsTuning m_tuning;
    ClassicGame m_game;
    EffectPool<Prize, ClassicGame::kPrizeObjects> m_prizes;
    Mascot m_mascot;
    Bouquet m_bouquet;
    DialogBox m_endDialog;
    DialogBox m_outOfMovesDialog;
    DialogBox m_resumeDialog;
    ClassicGameRecord m_savedGame;
    bool m_resumeOffer = false;
    bool m_progressToKeep = false;
    ksImage* m_marker;
    ksFont* m_scoreFont;
    NumberText m_scoreText;
    ScorePulse m_scorePulse;
    int m_endState = kEndWon;
    int m_allPrizesStep = kCelebrationDone;
    float m_stateClock = 0.0f;
    IdleWatch m_idle;
    BoardKeyboard m_keys;
    std::string m_typedName;
    uint32_t m_autoplayMoves = 0;
};
