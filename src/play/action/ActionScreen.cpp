// ActionScreen.cpp: the Action mode's screen: entering, the frame, filling and playing a round.
#include "ActionScreen.h"

#include "engine/core/GameRandom.h"
#include "engine/core/Numbers.h"
#include "engine/core/WakeRequests.h"
#include "engine/core/ksTimer.h"
#include "engine/resources/ksResources.h"
#include "engine/sound/ksSoundSystem.h"
#include "engine/store/GameStats.h"
#include "engine/store/PlayerProfile.h"
#include "engine/store/ProfileStorage.h"
#include "engine/video/ksImage.h"
#include "game/action/ActionStrategy.h"
#include "ui/EntryField.h"
#include "ui/GameContext.h"

namespace {

// The inside of the board's frame, within its bulb border.
constexpr ScreenRect kBannerArea = ScreenRect::fromCorners(171, 57, 596, 446);
constexpr float kFloatingScoreSeconds = 1.0f;
// The previews hang one row above the board's top row.
constexpr int kPreviewAbove = 37;
// Where the podium buttons are shown below the place they are cut from.
constexpr int kPodiumDrop = 328;

PictureLookup picturesOf(ksResources& resources) {
    return [&resources](const char* name) -> const ksImage* { return resources.getImage(name); };
}

} // namespace

PlayScreenDesign ActionScreen::design() {
    PlayScreenDesign design;
    design.backdrop = "main3";
    design.musicOrder = kMusicOrder;
    design.introPicture = "hint_action";
    design.optionsScreen = kActionOptionsScreen;
    design.buttonDepth = 111;
    design.scorePlaque = ScreenRect::fromCorners(kScoreX - 10, 449, 636, 479);
    design.bannerArea = kBannerArea;
    constexpr const char* kUp = "podium_endless_up";
    constexpr const char* kOver = "podium_endless_over";
    // Every button is cut from the Action podium and shown 328 px below its source point, so
    // button 0 (no mode hook in Action) and 6 to 8 lie below the screen.
    const auto button = [&](int sourceX, int sourceY, int width, int height) {
        return MenuButtonDesign{ScreenRect::fromPositionSize(sourceX, sourceY + kPodiumDrop, width, height),
                                kUp, kOver, sourceX, sourceY};
    };
    design.buttons = {{
        button(133, 445, 58, 31),
        button(36, 37, 92, 26),
        button(37, 66, 88, 26),
        button(38, 95, 85, 24),
        button(37, 123, 56, 36),
        button(97, 123, 24, 26),
        button(195, 446, 96, 30),
        button(294, 446, 98, 31),
        button(396, 446, 50, 30),
    }};
    return design;
}

ActionScreen::ActionScreen(GameContext& context)
    : PlayScreen(context, design())
    , m_tuning(context.settings)
    , m_game(&balloonImages(), this)
    , m_previews(context.timer, ActionGame::kFillSeconds, m_inflatePictures, &cues())
    , m_mascot(context.timer, picturesOf(context.resources), &cues())
    , m_bouquet(context.timer, context.canvas, picturesOf(context.resources))
    , m_roundWonDialog(dialogs(), *this, context.timer)
    , m_gameOverDialog(dialogs(), *this, context.timer)
    , m_highScoreDialog(dialogs(), *this, context.timer)
    , m_meter(context.resources.getImage("meter"))
    , m_meterHighlight(context.resources.getImage("meter_highlight"))
    , m_cord(context.resources.getImage("cord"))
    , m_scoreFont(context.resources.getFont("font_score")) {
    m_inflatePictures.load(picturesOf(context.resources));
    m_typedName.reserve(EntryField::kMaxLength);
    m_dialogText.reserve(256);
}

void ActionScreen::enter() {
    if (state() == kFinished) {
        resetPresentation();
        startRound(m_game.round());
        m_game.board().reset();
        startFadeIn();
    }
    startMusic();
    m_alarmChannel = -1;
    setLeave(false);
}

void ActionScreen::resetPresentation() {
    PlayScreen::resetPresentation();
    PlayerProfile& profile = context().profile;
    int skill = profile.savedSkill();
    if (profile.savedRound() < 1) {
        // No saved game: the options' skill level, kept as the saved one for this game.
        skill = profile.difficulty();
        profile.setSavedGame(0, skill, 0.0f, profile.colours());
    }
    activate();
    seedGameRandom(newGameSeed());
    m_game.newGame(ActionTuning::read(m_tuning), skill, profile.savedRound(),
                   truncSat(static_cast<double>(profile.savedScore())));
    m_typedName.clear();
}

void ActionScreen::activate() {
    PlayScreen::activate();
    scene().add(&m_mascot);
}

void ActionScreen::startRound(int64_t round) {
    stopAlarm();
    restartFader();
    m_mascot.setCue(MascotCue::kBackToNormal);
    activate();
    m_game.startRound(round);
}

void ActionScreen::newGame() {
    resetPresentation();
    startRound(m_game.round());
    startPlay();
}

void ActionScreen::startPlay() {
    activate();
    if (state() == kFadingIn) {
        m_mascot.setCue(MascotCue::kJumpIn);
    }
    m_game.startFill();
    syncPreviews();
    m_autoplayClock = 0.0f;
    setState(kFilling);
}

bool ActionScreen::isDialogOpen() const {
    return PlayScreen::isDialogOpen() || m_roundWonDialog.isOpen() || m_gameOverDialog.isOpen() ||
           m_highScoreDialog.isOpen();
}

void ActionScreen::frameStarted() {
    m_scorePulse.step(m_game.score(), frameSeconds());
    m_idle.step(frameSeconds(), input().isReleased() || input().isRightReleased(), m_mascot);
    m_keys.watchPointer(input());
}

void ActionScreen::modeStep(int state) {
    // A round runs against the clock: while it fills, plays or ends, every frame counts, even one
    // that changes no pixel (a preview between two of its pictures).
    if ((state == kFilling || state == kPlaying || state == kRoundOver) && !isDialogOpen()) {
        WakeRequests::nextFrame();
    }
    switch (state) {
    case kFilling:
        fillStep();
        break;
    case kRoundOver:
        endStep();
        break;
    default:
        PlayScreen::modeStep(state);
        break;
    }
}

void ActionScreen::fillStep() {
    if (isDialogOpen()) {
        return;
    }
    scene().update();
    if (m_game.fillStep(frameSeconds()).fillDone) {
        setState(kPlaying);
    }
    syncPreviews();
    stepFader();
}

void ActionScreen::playStep() {
    if (isDialogOpen()) {
        return;
    }
    runMenuButtons();
    if (isDialogOpen() || isLeaving() || state() != kPlaying) {
        return;
    }
    scene().update();
    m_autoplayClock += frameSeconds();
    // Keys play the board too; Action has no undo, so Backspace and U do nothing here.
    const BoardKeyboard::Step keys =
        m_keys.step(m_game.board(), input(), previousInput(), isMenuFocusShown());
    if (keys.tookFocus) {
        hideMenuFocus();
    }
    const BoardPointer& pointer = keys.pointer;
    const ActionFrame frame = m_game.playStep(frameSeconds(), pointer);
    syncPreviews();
    if (frame.popped) {
        GameStats& stats = *context().stats[kActionMode];
        stats.recordGroup(frame.groupSize);
        stats.save();
        spawnFloatingScore(m_scoreFont, static_cast<float>(pointer.x), static_cast<float>(pointer.y),
                           kScoreTargetX, kScoreTargetY, frame.pointsShown, 0.0f, kFloatingScoreSeconds);
        for (const Balloon* member : m_game.board().group()) {
            spawnBalloonPop(m_game.board(), member->row(), member->column(), member->colour());
        }
    }
    if (frame.roundEnded) {
        endRound();
    } else {
        mascotAndAlarm();
    }
    stepFader();
}

// Each preview picture restarts when the rules restart its preview, and turns gold with it.
void ActionScreen::syncPreviews() {
    const ActionBoard& board = m_game.board();
    for (int column = 0; column < ActionGame::kColumns; ++column) {
        const RowPreview& rules = m_game.preview(column);
        InflateEffect& shown = preview(column);
        std::size_t at = static_cast<std::size_t>(column);
        if (rules.starts != m_previewStarts[at]) {
            m_previewStarts[at] = rules.starts;
            shown.setInflateTime(rules.seconds);
            shown.start(rules.colour,
                        static_cast<float>(board.originX() + BalloonBoard::kColumnPitch * column),
                        static_cast<float>(board.originY()) + board.columnOffsetY(column) - kPreviewAbove);
        } else if (shown.colour() != rules.colour) {
            shown.setColour(rules.colour);
        }
        shown.update();
    }
}

void ActionScreen::mascotAndAlarm() {
    if (m_mascot.currentCue() == MascotCue::kCordPull && !m_mascot.isBusy()) {
        m_mascot.setCue(MascotCue::kBlink);
    }
    if (!m_game.isNearlyFull()) {
        if (m_mascot.currentCue() == MascotCue::kClock) {
            m_mascot.setCue(MascotCue::kBackToNormal);
        }
        stopAlarm();
        return;
    }
    if (m_mascot.currentCue() != MascotCue::kCordPull) {
        m_mascot.setCue(MascotCue::kClock);
    }
    if (m_alarmChannel < 0) {
        m_alarmChannel = cues().playLooped("alarm");
    }
}

void ActionScreen::stopAlarm() {
    if (m_alarmChannel >= 0) {
        cues().stop(m_alarmChannel, "alarm");
        m_alarmChannel = -1;
    }
}

std::optional<AutoplayPoint> ActionScreen::autoplayClick() {
    if (m_autoplayClock < kAutoplaySeconds) {
        return std::nullopt;
    }
    const std::optional<ActionMove> move =
        chooseActionMove(m_game.board(), kAutoplayWorthClicking, m_autoplayMoves);
    if (!move) {
        return std::nullopt;
    }
    ++m_autoplayMoves;
    m_autoplayClock = 0.0f;
    if (move->kind == ActionMove::Kind::PullCord) {
        return AutoplayPoint{kCordClickX, kCordClickY};
    }
    return AutoplayPoint{move->group.x, move->group.y};
}

void ActionScreen::requestCue(const char* name) {
    cues().play(name);
}

void ActionScreen::requestMascotCue(int cue) {
    // A super pop's cheer waits while the mascot watches the clock.
    const int current = m_mascot.currentCue();
    if (cue == MascotCue::kCheer && (current == MascotCue::kClockFirst || current == MascotCue::kClock)) {
        return;
    }
    m_mascot.setCue(cue);
}

void ActionScreen::showBanner(const GameBanner& banner) {
    showRulesBanner(banner);
}

void ActionScreen::balloonPopped(int row, int column, int colour) {
    spawnBalloonPop(m_game.board(), row, column, colour);
}
