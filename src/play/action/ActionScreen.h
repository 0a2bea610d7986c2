// ActionScreen.h: the Action mode's screen: rounds against the clock on the play screen.
#pragma once

#include "game/action/ActionGame.h"
#include "play/BoardKeyboard.h"
#include "play/IdleWatch.h"
#include "play/PlayPieces.h"
#include "play/PlayScreen.h"
#include "play/SettingsTuning.h"
#include "stage/Bouquet.h"
#include "stage/InflateEffect.h"
#include "stage/Mascot.h"

#include <array>
#include <optional>
#include <string>

// Drives an ActionGame and shows it: the board drawn lower with the fifteen row previews
// inflating above it, the cord the mascot pulls, the gold-star meter, the round number and the
// score, banners, floating scores, the bouquet of a won round, and the result dialogs. It keeps
// the Action statistics and high-score list (index 2) and the saved game in the player profile:
// after every won round the next round, skill, score and colour count are saved, so the title
// screen can offer to continue; a lost game clears them.
//
// States: 0 fading in, 1 filling (the starting rows drop in), 2 playing, 3 round over (the
// grey-out or pop-off, a wait, then the result dialog), 4 fading out, 5 finished.
class ActionScreen final : public PlayScreen, private ActionListener {
public:
    static constexpr int kFilling = 1;
    static constexpr int kRoundOver = 3;
    static constexpr int kMusicOrder = 30;
    // Result dialog buttons.
    static constexpr int kNewGameId = 1;
    static constexpr int kMainMenuId = 2;
    static constexpr int kNextRoundId = 5;
    static constexpr int kScoreX = 509;
    static constexpr int kScoreY = 461;
    static constexpr int kRoundX = 102;
    static constexpr int kRoundY = 73;
    static constexpr int kMeterX = 149;
    static constexpr int kMeterY = 8;
    static constexpr int kCordX = 10;
    static constexpr int kCordY = -80;
    // The built-in player clicks at most this often, in game time.
    static constexpr float kAutoplaySeconds = 0.4f;
    // Groups smaller than this are not worth the built-in player's click; it pulls the cord.
    static constexpr int kAutoplayWorthClicking = 3;

    // The screen's design: backdrop "main3" and the podium buttons cut from the Action podium.
    static PlayScreenDesign design();

    explicit ActionScreen(GameContext& context);

    // After a finished game the saved game (or a new one) fades in; every entry starts the
    // Action music.
    void enter() override;
    void drawPlay() override;
    BalloonBoard& getBoard() override { return m_game.board(); }
    // A new game from the saved one, or from round 0 when there is none.
    void resetPresentation() override;
    void activate() override;
    // The mascot jumps in, the board empties and the round's starting rows begin to drop in.
    void startPlay() override;
    void playStep() override;
    void modeStep(int state) override;
    void frameStarted() override;
    bool isDialogOpen() const override;
    void frameTick() override;

    ActionGame& game() { return m_game; }
    const ActionGame& game() const { return m_game; }
    Mascot& mascot() { return m_mascot; }
    Bouquet& bouquet() { return m_bouquet; }
    InflateEffect& preview(int column) { return m_previews.members()[static_cast<std::size_t>(column)]; }
    DialogBox& roundWonDialog() { return m_roundWonDialog; }
    DialogBox& gameOverDialog() { return m_gameOverDialog; }
    DialogBox& highScoreDialog() { return m_highScoreDialog; }
    const std::string& typedName() const { return m_typedName; }
    bool isAlarmOn() const { return m_alarmChannel >= 0; }

protected:
    std::optional<AutoplayPoint> autoplayClick() override;

private:
    void requestCue(const char* name) override;
    void requestMascotCue(int cue) override;
    void showBanner(const GameBanner& banner) override;
    void balloonPopped(int row, int column, int colour) override;

    void startRound(int64_t round);
    void newGame();
    void fillStep();
    void syncPreviews();
    void mascotAndAlarm();
    void stopAlarm();
    void endRound();
    void endStep();
    void openResultDialog();
    void handleDialogs();
    void clearSavedGame();
    void drawMeter();
    void drawNumbers();
    void drawBoard();
    void drawPreviews();
    void drawCord();

    SettingsTuning m_tuning;
    ActionGame m_game;
    InflatePictures m_inflatePictures;
    EffectPool<InflateEffect, ActionGame::kColumns> m_previews;
    std::array<uint32_t, ActionGame::kColumns> m_previewStarts{};
    Mascot m_mascot;
    Bouquet m_bouquet;
    DialogBox m_roundWonDialog;
    DialogBox m_gameOverDialog;
    DialogBox m_highScoreDialog;
    ksImage* m_meter;
    ksImage* m_meterHighlight;
    ksImage* m_cord;
    ksFont* m_scoreFont;
    NumberText m_scoreText;
    ScorePulse m_scorePulse;
    NumberText m_roundText;
    IdleWatch m_idle;
    BoardKeyboard m_keys;
    std::string m_typedName;
    std::string m_dialogText;
    int m_alarmChannel = -1;
    float m_autoplayClock = 0.0f;
    uint32_t m_autoplayMoves = 0;
};
