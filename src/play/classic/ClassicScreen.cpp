// ClassicScreen.cpp: the Classic mode's screen: entering, the frame, the play step and undo.
#include "ClassicScreen.h"

#include "engine/core/GameRandom.h"
#include "engine/core/WakeRequests.h"
#include "engine/core/ksTimer.h"
#include "engine/resources/ksResources.h"
#include "engine/sound/ksSoundSystem.h"
#include "engine/store/GameStats.h"
#include "engine/store/PlayerProfile.h"
#include "engine/video/ksFont.h"
#include "engine/video/ksImage.h"
#include "game/classic/ClassicStrategy.h"
#include "play/PlayPieces.h"
#include "ui/EntryField.h"
#include "ui/GameContext.h"

#include <cstdio>
#include <string_view>

namespace {

// The inside of the board's frame, within its bulb border.
constexpr ScreenRect kBannerArea = ScreenRect::fromCorners(171, 12, 596, 399);
constexpr float kFloatingScoreSeconds = 1.0f;
constexpr float kCelebrationStep = 0.1f; // s between prizes leaving the shelf

PictureLookup picturesOf(ksResources& resources) {
    return [&resources](const char* name) -> const ksImage* { return resources.getImage(name); };
}

} // namespace

PlayScreenDesign ClassicScreen::design() {
    PlayScreenDesign design;
    design.backdrop = "main";
    design.musicOrder = kMusicOrder;
    design.introPicture = "hint_classic";
    design.optionsScreen = kOptionsScreen;
    design.buttonDepth = 111;
    design.scorePlaque = ScreenRect::fromCorners(kScoreX - 10, 449, 636, 479);
    design.bannerArea = kBannerArea;
    constexpr const char* kUp = "podium_classic_up";
    constexpr const char* kOver = "podium_classic_over";
    design.buttons = {{
        {ScreenRect::fromPositionSize(133, 445, 58, 31), "main", "main_over", 133, 445},
        {ScreenRect::fromPositionSize(36, 365, 92, 26), kUp, kOver, 36, 37},
        {ScreenRect::fromPositionSize(37, 394, 88, 26), kUp, kOver, 37, 66},
        {ScreenRect::fromPositionSize(38, 423, 85, 24), kUp, kOver, 38, 95},
        {ScreenRect::fromPositionSize(37, 451, 56, 36), kUp, kOver, 37, 123},
        {ScreenRect::fromPositionSize(97, 451, 24, 26), kUp, kOver, 97, 123},
        // Below the screen: never seen, never clicked.
        {ScreenRect::fromPositionSize(195, 774, 96, 30), kUp, kOver, 195, 446},
        {ScreenRect::fromPositionSize(294, 774, 98, 31), kUp, kOver, 294, 446},
        {ScreenRect::fromPositionSize(396, 774, 50, 30), kUp, kOver, 396, 446},
    }};
    return design;
}

ClassicScreen::ClassicScreen(GameContext& context)
    : PlayScreen(context, design())
    , m_tuning(context.settings)
    , m_game(&balloonImages(), this)
    , m_prizes(context.timer, context.resources.getImage("para"), &cues())
    , m_mascot(context.timer, picturesOf(context.resources), &cues())
    , m_bouquet(context.timer, context.canvas, picturesOf(context.resources))
    , m_endDialog(dialogs(), *this, context.timer)
    , m_outOfMovesDialog(dialogs(), *this, context.timer)
    , m_resumeDialog(dialogs(), *this, context.timer)
    , m_marker(context.resources.getImage("prize"))
    , m_scoreFont(context.resources.getFont("font_score")) {
    DialogSpec& outOfMoves = m_outOfMovesDialog.layout();
    outOfMoves = newGameDialog().layout();
    outOfMoves.title = "Popped Out";
    outOfMoves.message = "Sorry, there aren't any moves left!";
    outOfMoves.width = 520;
    outOfMoves.height = 220;
    outOfMoves.buttonCount = 2;
    outOfMoves.buttonIds[0] = kNewGameId;
    outOfMoves.buttonCaptions[0] = "NEW GAME";
    outOfMoves.buttonRects[0] = CentredRect{158, 170, 160, 40};
    outOfMoves.buttonIds[1] = kUndoLastMoveId;
    outOfMoves.buttonCaptions[1] = "UNDO LAST MOVE";
    outOfMoves.buttonRects[1] = CentredRect{361, 170, 160, 40};
    outOfMoves.closeId = DialogSpec::kNoId;
    outOfMoves.defaultId = kNewGameId;
    DialogSpec& resume = m_resumeDialog.layout();
    resume = newGameDialog().layout();
    resume.title = "WELCOME BACK";
    resume.message = "Your last game is not finished.\nDo you want to continue it?";
    resume.buttonCaptions[0] = "CONTINUE";
    resume.buttonRects[0] = CentredRect{140, 170, 150, 40};
    resume.buttonCaptions[1] = "NEW GAME";
    resume.buttonRects[1] = CentredRect{330, 170, 150, 40};
    m_typedName.reserve(EntryField::kMaxLength);
}

ClassicScreen::~ClassicScreen() {
    keepGameInProgress(true);
}

void ClassicScreen::startFadeOut() {
    keepGameInProgress(true);
    PlayScreen::startFadeOut();
}

int ClassicScreen::minimumGroup() const {
    return context().developerMode ? 1 : 2;
}

void ClassicScreen::enter() {
    if (state() == kFinished) {
        resetPresentation();
        startFadeIn();
        m_mascot.setCue(MascotCue::kFloatIn);
        lookForSavedGame();
    }
    startMusic();
    setLeave(false);
}

void ClassicScreen::resetPresentation() {
    PlayScreen::resetPresentation();
    activate();
    seedGameRandom(newGameSeed());
    const PlayerProfile& profile = context().profile;
    m_game.newGame(m_tuning, ClassicOptions{profile.difficulty(), profile.colours(), profile.theme()});
    m_endState = kEndWon;
    m_allPrizesStep = kCelebrationDone;
    m_stateClock = 0.0f;
    m_keys.reset();
}

void ClassicScreen::activate() {
    PlayScreen::activate();
    scene().add(&m_mascot);
}

void ClassicScreen::startNewGame() {
    forgetSavedGame();
    resetPresentation();
    requestCue("classic_newgame");
}

void ClassicScreen::startPlay() {
    if (state() == kFadingIn) {
        requestCue("whistle");
        m_mascot.setCue(MascotCue::kFloatIn);
    }
    PlayScreen::startPlay();
}

void ClassicScreen::askNewGame() {
    if (m_game.isUntouched()) {
        startNewGame();
    } else {
        PlayScreen::askNewGame();
    }
}

void ClassicScreen::askMainMenu() {
    if (m_game.isUntouched()) {
        startFadeOut();
    } else {
        PlayScreen::askMainMenu();
    }
}

bool ClassicScreen::isDialogOpen() const {
    return PlayScreen::isDialogOpen() || m_endDialog.isOpen() || m_outOfMovesDialog.isOpen() ||
           m_resumeDialog.isOpen();
}

void ClassicScreen::frameStarted() {
    m_stateClock += frameSeconds();
    m_scorePulse.step(m_game.score(), frameSeconds());
    m_idle.step(frameSeconds(), input().isReleased() || input().isRightReleased(), m_mascot);
    m_keys.watchPointer(input());
}

void ClassicScreen::modeStep(int state) {
    if (state == kGameOver) {
        endStep();
    } else {
        PlayScreen::modeStep(state);
    }
}

void ClassicScreen::playStep() {
    if (isDialogOpen()) {
        return;
    }
    runMenuButtons();
    scene().update();
    updatePrizes();
    const ClassicStep step = m_game.advance(frameSeconds());
    if (step.allPrizesJustFreed) {
        m_allPrizesStep = kCelebrationWaiting;
    }
    if (step.allPrizesFreed) {
        celebrateAllPrizes();
    }
    if (m_game.isReadyToEnd()) {
        endGame();
    }
    pointerStep();
    keepGameInProgress();
}

void ClassicScreen::updatePrizes() {
    bool inFlight = false;
    for (int i = 0; i < m_game.releasedCount(); ++i) {
        Prize& released = prize(i);
        const bool wasFinished = !released.isActive();
        released.update();
        if (released.isActive()) {
            inFlight = true;
        } else if (!wasFinished && !released.isFlyingOff()) {
            const int32_t points = m_game.scorePrizeLanding(i);
            spawnFloatingScore(m_scoreFont, released.x(), released.y(), kScoreTargetX, kScoreTargetY, points,
                               0.0f, kFloatingScoreSeconds);
        }
    }
    m_game.setPrizeInFlight(inFlight);
}

bool ClassicScreen::allReleasedPrizesFinished() {
    for (int i = 0; i < m_game.releasedCount(); ++i) {
        if (prize(i).isActive()) {
            return false;
        }
    }
    return true;
}

// Once every prize is out, the prizes hop off the shelf one after another, slot 0 first, and a
// banner says so; the game may end only when the last one has gone.
void ClassicScreen::celebrateAllPrizes() {
    switch (m_allPrizesStep) {
    case kCelebrationWaiting:
        m_game.setPrizeInFlight(true);
        if (allReleasedPrizesFinished()) {
            int order = 1;
            for (int slot = 0; slot < m_game.shelf().columns(); ++slot) {
                for (int i = 0; i < m_game.releasedCount(); ++i) {
                    if (m_game.release(i).shelfSlot == slot) {
                        prize(i).flyOff(kCelebrationStep * static_cast<float>(order++));
                    }
                }
            }
            ksFont* med = font("font_dlg_med");
            if (m_game.noMoves()) {
                spawnBanner("You found all the prizes!", med);
            } else {
                spawnBanner("Freed all prizes!", med, "Keep on popping!", med);
            }
            m_allPrizesStep = kCelebrationHopping;
        }
        break;
    case kCelebrationHopping:
        if (m_game.releasedCount() == 0 || allReleasedPrizesFinished()) {
            m_game.setPrizeInFlight(false);
            m_allPrizesStep = kCelebrationDone;
        }
        break;
    default:
        break;
    }
}

void ClassicScreen::pointerStep() {
    const BoardKeyboard::Step keys =
        m_keys.step(m_game.board(), input(), previousInput(), isMenuFocusShown());
    if (keys.tookFocus) {
        hideMenuFocus();
    }
    if (keys.undo) {
        undoMove();
    }
    const BoardPointer& pointer = keys.pointer;
    const ClassicPointerResult result = m_game.pointerStep(pointer, minimumGroup());
    if (!result.popped) {
        return;
    }
    m_progressToKeep = true;
    GameStats& stats = *context().stats[kClassicMode];
    stats.recordGroup(result.groupSize);
    stats.save();
    spawnFloatingScore(m_scoreFont, static_cast<float>(pointer.x), static_cast<float>(pointer.y),
                       kScoreTargetX, kScoreTargetY, result.pointsShown, 0.0f, kFloatingScoreSeconds);
    const ClassicBoard& board = m_game.board();
    for (const Balloon* member : board.group()) {
        spawnBalloonPop(board, member->row(), member->column(), member->colour());
    }
}

void ClassicScreen::undoMove() {
    const int releasedBefore = m_game.releasedCount();
    if (!m_game.undoMove()) {
        return;
    }
    m_progressToKeep = true;
    for (int i = 0; i < releasedBefore; ++i) {
        scene().list().remove(&prize(i));
    }
    PrizeShelf& shelf = m_game.shelf();
    const int theme = m_game.options().theme;
    for (int slot = 0; slot < shelf.columns(); ++slot) {
        Balloon& place = shelf.cellAt(0, slot);
        place.setImage(place.prizeKind() >= 0 ? presentPicture(theme, place.prizeKind()) : nullptr);
    }
    for (int i = 0; i < m_game.releasedCount(); ++i) {
        scene().list().add(&prize(i));
    }
    m_keys.keepPlace(m_game.board());
}

std::optional<AutoplayPoint> ClassicScreen::autoplayClick() {
    const std::optional<BoardMove> move = chooseClassicMove(m_game.board(), minimumGroup(), m_autoplayMoves);
    if (!move) {
        return std::nullopt;
    }
    ++m_autoplayMoves;
    return AutoplayPoint{move->x, move->y};
}

void ClassicScreen::requestCue(const char* name) {
    cues().play(name);
}

void ClassicScreen::requestMascotCue(int cue) {
    m_mascot.setCue(cue);
}

void ClassicScreen::showBanner(const GameBanner& banner) {
    showRulesBanner(banner);
}

void ClassicScreen::releasePrize(const ClassicPrizeRelease& release) {
    // The picture comes to rest centred half its size above and left of the slot's point.
    const ksImage* picture = presentPicture(release.theme, release.kind);
    const float width = picture != nullptr ? static_cast<float>(picture->getWidth()) : 0.0f;
    const float height = picture != nullptr ? static_cast<float>(picture->getHeight()) : 0.0f;
    Prize& released = prize(release.index);
    released.start(release.kind, release.theme, picture, static_cast<float>(release.startX),
                   static_cast<float>(release.startY), static_cast<float>(release.slotX) - width / 2.0f,
                   static_cast<float>(release.slotY) - height / 2.0f, release.sourceRow, release.shelfSlot);
    scene().list().add(&released);
}
