// PuzzleScreen.cpp: the Puzzle mode's screen: entering, loading a puzzle, clicks, prizes and undo.
#include "PuzzleScreen.h"

#include "engine/core/GameRandom.h"
#include "engine/core/WakeRequests.h"
#include "engine/core/ksLog.h"
#include "engine/core/ksTimer.h"
#include "engine/resources/ksResources.h"
#include "engine/sound/ksSoundSystem.h"
#include "engine/store/PlayerProfile.h"
#include "engine/store/ProfileStorage.h"
#include "engine/video/ksImage.h"
#include "game/rules/GroupClick.h"
#include "game/rules/PopScoring.h"
#include "ui/GameContext.h"

#include <cstdio>

namespace {

constexpr int kFloorX = 174;
constexpr int kFloorY = 414;
constexpr int kMoveRecordPlayback = 1;
constexpr int kMoveRecordRecording = 2;

PictureLookup picturesOf(ksResources& resources) {
    return [&resources](const char* name) -> const ksImage* { return resources.getImage(name); };
}

template <std::size_t... Index>
std::array<FallingPrize, sizeof...(Index)> makeFallingPrizes(const ksTimer& timer, CuePlayer* cues,
                                                             std::index_sequence<Index...>) {
    return {{(static_cast<void>(Index), FallingPrize(timer, cues))...}};
}

DialogSpec endDialogSpec(const DialogSpec& base, const char* title, const char* message) {
    DialogSpec layout = base;
    layout.title = title;
    layout.message = message;
    layout.width = 540;
    layout.height = 220;
    layout.entryCount = 0;
    layout.buttonCount = 0;
    layout.closeId = DialogSpec::kNoId;
    return layout;
}

void addButton(DialogSpec& layout, int32_t id, const char* caption, CentredRect rect) {
    const auto i = static_cast<std::size_t>(layout.buttonCount++);
    layout.buttonIds[i] = id;
    layout.buttonCaptions[i] = caption;
    layout.buttonRects[i] = rect;
}

} // namespace

PlayScreenDesign PuzzleScreen::design() {
    PlayScreenDesign design;
    design.backdrop = "act01";
    design.musicOrder = kMusicOrder;
    design.introPicture = "hint_puzzle";
    design.helpTitle = "PUZZLE";
    design.helpPicture = "hint_puzzle";
    design.optionsScreen = kPuzzleOptionsScreen;
    design.buttonDepth = 111;
    // The faces are cut from the Puzzle podium pictures, whose point (0, 0) is screen (0, 328).
    constexpr const char* kUp = "podium_puzzle_up";
    constexpr const char* kOver = "podium_puzzle_over";
    constexpr int kOffset = 328;
    auto button = [&](int x, int y, int width, int height) {
        return MenuButtonDesign{ScreenRect::fromPositionSize(x, y, width, height), kUp, kOver, x,
                                y - kOffset};
    };
    design.buttons = {{
        button(180, 450, 72, 30), // undo
        button(36, 365, 92, 26),  // puzzles
        button(37, 394, 88, 26),  // options
        button(38, 423, 85, 24),  // main menu
        button(37, 451, 56, 36),  // pause
        button(97, 451, 24, 26),  // help
        button(252, 450, 72, 30), // reset
        // Below the screen: never seen, never clicked.
        {ScreenRect::fromPositionSize(294, 774, 98, 31), kUp, kOver, 294, 446},
        {ScreenRect::fromPositionSize(396, 774, 50, 30), kUp, kOver, 396, 446},
    }};
    return design;
}

PuzzleScreen::PuzzleScreen(GameContext& context)
    : PlayScreen(context, design())
    , m_catalog(PuzzleCatalog::load(context.resources, context.paths.dataDir))
    , m_game(&balloonImages(), this)
    , m_floor(1, puzzle::kFloorSlots, kFloorX, kFloorY, &balloonImages(), nullptr)
    , m_falling(makeFallingPrizes(context.timer, &cues(), std::make_index_sequence<puzzle::kColumns>{}))
    , m_banner(context.timer, picturesOf(context.resources))
    , m_mascot(context.timer, picturesOf(context.resources), &cues())
    , m_selector(context, dialogs(), *this, m_catalog, cues())
    , m_successDialog(dialogs(), *this, context.timer)
    , m_failureDialog(dialogs(), *this, context.timer)
    , m_themeDialog(dialogs(), *this, context.timer)
    , m_resumeDialog(dialogs(), *this, context.timer)
    , m_panelFont(context.resources.getFont("font_dlg_med"))
    , m_clicksFont(context.resources.getFont("font_score")) {
    char name[16];
    for (int i = 0; i < puzzle::kPrizeKinds; ++i) {
        std::snprintf(name, sizeof name, "target%d", i);
        m_targets[static_cast<std::size_t>(i)] = context.resources.getImage(name);
        std::snprintf(name, sizeof name, "prize%d", i);
        m_prizePictures[static_cast<std::size_t>(i)] = context.resources.getImage(name);
    }
    const DialogSpec& base = newGameDialog().layout();
    DialogSpec success = endDialogSpec(base, "IM NOT HERE", "This isn't happening");
    addButton(success, kNextPuzzleId, "NEXT PUZZLE", {270, 170, 132, 40});
    success.defaultId = kNextPuzzleId;
    m_successDialog.layout() = success;

    DialogSpec failure = endDialogSpec(
        base, "SORRY",
        "You're not going to be able to finish the puzzle.\nTry again or move on to another puzzle");
    addButton(failure, kResetPuzzleId, "RESET PUZZLE", {120, 170, 132, 40});
    addButton(failure, kUndoMoveId, "UNDO MOVE", {270, 170, 132, 40});
    addButton(failure, kNextPuzzleId, "NEXT PUZZLE", {420, 170, 132, 40});
    failure.defaultId = kResetPuzzleId;
    m_failureDialog.layout() = failure;

    DialogSpec theme = endDialogSpec(
        base, "Surprise!",
        "You've unlocked a new prize theme!\nYou can select themes in the title screen Options Panel.");
    addButton(theme, kOkId, "OK", {270, 170, 132, 40});
    theme.defaultId = kOkId;
    m_themeDialog.layout() = theme;

    DialogSpec& resume = m_resumeDialog.layout();
    resume = base;
    resume.title = "WELCOME BACK";
    resume.message = "Your last puzzle is not finished.\nDo you want to continue it?";
    resume.buttonCaptions[0] = "CONTINUE";
    resume.buttonRects[0] = CentredRect{140, 170, 150, 40};
    resume.buttonCaptions[1] = "PUZZLES";
    resume.buttonRects[1] = CentredRect{330, 170, 150, 40};
    m_successText.reserve(256);
}

void PuzzleScreen::requestCue(const char* name) {
    cues().play(name);
}

void PuzzleScreen::enter() {
    if (state() == kFinished) {
        resetPresentation();
        startFadeIn();
        lookForSavedPuzzle();
    } else {
        PlayScreen::enter();
    }
    startMusic();
    setLeave(false);
}

void PuzzleScreen::resetPresentation() {
    PlayScreen::resetPresentation();
    activate();
    m_current = std::clamp(context().profile.currentPuzzle(), 0, puzzle::kPuzzleCount - 1);
    setBackdrop(m_catalog.background(m_current));
    m_banner.takeDown(scene());
    m_shownGoal = -1;
}

void PuzzleScreen::activate() {
    PlayScreen::activate();
    scene().add(&m_mascot);
    for (int column = 0; column < puzzle::kColumns; ++column) {
        if (m_dropped[static_cast<std::size_t>(column)]) {
            scene().add(&m_falling[static_cast<std::size_t>(column)]);
        }
    }
    m_banner.addTo(scene());
}

void PuzzleScreen::startPlay() {
    if (state() == kFadingIn) {
        // The intro (shown once) opens right after this; the selector waits for it.
        setState(kSelecting);
        m_selectorPending = true;
        m_selectorOnEntry = true;
        return;
    }
    PlayScreen::startPlay();
}

void PuzzleScreen::openOptions() {
    PlayScreen::openOptions();
}

void PuzzleScreen::openSelector(bool onEntry) {
    m_selectorOnEntry = onEntry;
    m_selectorPending = false;
    setState(kSelecting);
    m_selector.open(context().profile, context().settings, onEntry);
    if (onEntry) {
        // The board of the current puzzle stands behind the dialog, so it shows when it closes.
        loadPuzzle(context().profile.currentPuzzle(), true);
        m_banner.takeDown(scene());
        m_shownGoal = -1;
        setState(kSelecting);
    }
    openDialog(m_selector.dialog());
}

void PuzzleScreen::askNewGame() {
    if (state() == kPlaying || state() == kBannerUp) {
        openSelector(false);
    }
}

void PuzzleScreen::askMainMenu() {
    if (!m_game.moveMade() || m_game.isOver()) {
        startFadeOut();
    } else {
        PlayScreen::askMainMenu();
    }
}

void PuzzleScreen::menuButtonClicked(int id) {
    if (id == kPuzzlesButton) {
        askNewGame();
    } else if (id == kResetButton) {
        if (state() == kPlaying && m_game.moveMade()) {
            resetPuzzle();
        }
    } else {
        PlayScreen::menuButtonClicked(id);
    }
}

bool PuzzleScreen::isDialogOpen() const {
    return PlayScreen::isDialogOpen() || m_selector.dialog().isOpen() || m_successDialog.isOpen() ||
           m_failureDialog.isOpen() || m_themeDialog.isOpen() || m_resumeDialog.isOpen();
}

void PuzzleScreen::saveProfile() {
    savePlayerProfile(context().settings, context().profile);
}

void PuzzleScreen::loadPuzzle(int index, bool quiet) {
    m_current = std::clamp(index, 0, puzzle::kPuzzleCount - 1);
    context().profile.setCurrentPuzzle(m_current);
    hidePrizes();
    m_dropped.fill(false);
    m_shownKind.fill(-1);
    m_game.load(m_catalog.level(m_current));
    m_keys.reset();
    m_clicksMade.puzzle = m_current;
    m_clicksMade.clickCount = 0;
    // Another puzzle, or this one started again: nothing is left in the middle any more.
    forgetSavedPuzzle();
    m_floor.reset();
    fillFloorFromLevel(m_floor, m_catalog.level(m_current), m_targets);
    // Recording starts over, and replay with E starts from the first stored move.
    m_catalog.record(m_current).rewind();
    setBackdrop(m_catalog.background(m_current));
    m_end = End::PoppingOff;
    m_themeUnlockedNow = false;
    const int goal = goalIndex(m_game.goal());
    if (!quiet || goal != m_shownGoal) {
        cues().play("curtain_open");
        m_banner.show(scene(), goal);
        m_shownGoal = goal;
        setState(kBannerUp);
    } else {
        setState(kPlaying);
    }
    m_mascot.setCue(MascotCue::kBackToNormal);
}

void PuzzleScreen::nextPuzzle(bool quiet) {
    PlayerProfile& profile = context().profile;
    profile.setCurrentPuzzle(m_current);
    const int next = nextPuzzleIndex(profile);
    profile.setCurrentPuzzle(next);
    saveProfile();
    loadPuzzle(next, quiet);
}

void PuzzleScreen::resetPuzzle() {
    context().profile.addAttempt(m_current);
    saveProfile();
    loadPuzzle(m_current, true);
}

void PuzzleScreen::modeStep(int state) {
    switch (state) {
    case kBannerUp:
        // The menu answers while the goal is announced, as it does under Classic's banners,
        // but not through a curtain: a click meant to hurry the curtains on must not hit a
        // button hidden behind them.
        if (!isDialogOpen() && !m_banner.hidesColumn(input().getX())) {
            runMenuButtons();
            if (this->state() != kBannerUp) {
                m_banner.takeDown(scene()); // the selector opened, or the screen is leaving
                break;
            }
        }
        scene().update();
        m_banner.step(scene(), frameSeconds());
        m_game.advance(frameSeconds());
        if (m_banner.isFinished()) {
            startPlay();
        }
        break;
    case kPuzzleOver:
        endStepFrame();
        break;
    case kSelecting:
        scene().update();
        if (m_selectorPending && !isDialogOpen()) {
            // A puzzle left in the middle is offered first; the selector follows a "no".
            if (m_resumeOffer) {
                m_resumeOffer = false;
                openDialog(m_resumeDialog);
            } else {
                openSelector(m_selectorOnEntry);
            }
        }
        break;
    default:
        PlayScreen::modeStep(state);
        break;
    }
}

void PuzzleScreen::playStep() {
    if (isDialogOpen()) {
        return;
    }
    runMenuButtons();
    if (state() != kPlaying || isDialogOpen()) {
        return; // a menu button opened the selector, reset the puzzle or left
    }
    scene().update();
    m_game.advance(frameSeconds());
    dropReleases();
    authoringKeys();
    // Backspace (or U) undoes, Enter or Space click the ringed balloon, the arrows move the ring.
    const BoardKeyboard::Step keys =
        m_keys.step(m_game.board(), input(), previousInput(), isMenuFocusShown());
    if (keys.tookFocus) {
        hideMenuFocus();
    }
    if (keys.undo && !isReplaying()) {
        undoMove();
    }
    if (isReplaying()) {
        replayStep();
    } else {
        clickStep(keys.pointer);
    }
    if (!m_game.isStill() || isPrizeFalling()) {
        WakeRequests::nextFrame();
    }
    if (m_game.isOver() && !isPrizeFalling()) {
        finishPuzzle();
    }
}

bool PuzzleScreen::isPrizeFalling() const {
    for (const FallingPrize& prize : m_falling) {
        if (prize.isFalling()) {
            return true;
        }
    }
    return false;
}

void PuzzleScreen::clickStep(const BoardPointer& pointer) {
    if (m_game.isOver()) {
        return;
    }
    PuzzleBoard& board = m_game.board();
    const int size = groupUnderPointer(board, pointer);
    if (size < 2) {
        return;
    }
    if (!pointer.leftReleased) {
        showGroupUnderPointer(board, pointer);
        return;
    }
    const Balloon* place = board.cellAtPoint(pointer.x, pointer.y);
    if (place != nullptr) {
        playMove(place->row(), place->column(), true);
    }
}

void PuzzleScreen::playMove(int row, int column, bool byPlayer) {
    PuzzleBoard& board = m_game.board();
    const bool gold = board.cellAt(row, column).colour() == puzzle::kGold;
    const auto before = m_shownKind;
    const int size = m_game.click(row, column);
    if (size < 2) {
        return;
    }
    m_shownHistory[static_cast<std::size_t>(m_game.clicks() - 1)] = before;
    m_clicksMade.push(row, column);
    keepPuzzleInProgress();
    cues().play(gold ? "pop_golden" : popCueFor(size));
    for (const Balloon* member : board.group()) {
        spawnBalloonPop(board, member->row(), member->column(), member->colour());
    }
    if (byPlayer && context().moveRecordState == kMoveRecordRecording) {
        m_catalog.record(m_current).append(static_cast<uint8_t>(row), static_cast<uint8_t>(column));
    }
    dropReleases();
}

// Every prize that left the board in this step falls from its place; the column's picture is
// reused when it already fell once.
void PuzzleScreen::dropReleases() {
    const PuzzleBoard& board = m_game.board();
    for (const PuzzleRelease& release : m_game.releases()) {
        const auto column = static_cast<std::size_t>(release.column);
        const ksImage* picture = release.kind >= 0 && release.kind < puzzle::kPrizeKinds
                                     ? m_prizePictures[static_cast<std::size_t>(release.kind)]
                                     : nullptr;
        const float x = static_cast<float>(board.columnX(release.column)) + kPlaceCentreX;
        const float y = static_cast<float>(board.rowY(release.row, release.column)) + kPlaceCentreY;
        m_falling[column].start(picture, x, y);
        m_dropped[column] = true;
        m_shownKind[column] = static_cast<int8_t>(release.kind);
        scene().add(&m_falling[column]);
        if (release.onTarget && m_game.targetsRight()) {
            m_mascot.setCue(MascotCue::kCheer);
        }
    }
}

void PuzzleScreen::hidePrizes() {
    for (FallingPrize& prize : m_falling) {
        scene().remove(&prize);
    }
}

// After an undo the prizes that stay released stand landed on the floor again.
void PuzzleScreen::showReleasedPrizes() {
    for (int column = 0; column < puzzle::kColumns; ++column) {
        const auto i = static_cast<std::size_t>(column);
        const int kind = m_shownKind[i];
        m_dropped[i] = kind >= 0;
        if (kind < 0) {
            continue;
        }
        const float x = static_cast<float>(m_game.board().columnX(column)) + kPlaceCentreX;
        m_falling[i].land(m_prizePictures[static_cast<std::size_t>(kind)], x);
        scene().add(&m_falling[i]);
    }
}

void PuzzleScreen::undoMove() {
    if (m_game.isOver() || m_game.clicks() == 0) {
        return;
    }
    cues().play("undo");
    if (context().moveRecordState == kMoveRecordRecording) {
        m_catalog.record(m_current).stepBack();
    }
    hidePrizes();
    const int clicksBefore = m_game.clicks();
    const PuzzleGame::Undo undone = m_game.undo();
    if (undone == PuzzleGame::Undo::Reloaded) {
        loadPuzzle(m_current, true);
        return;
    }
    m_clicksMade.pop();
    keepPuzzleInProgress();
    m_shownKind = m_shownHistory[static_cast<std::size_t>(clicksBefore - 1)];
    showReleasedPrizes();
}

// Record mode: S saves every record, W undoes, E plays the stored move under the cursor (also
// in play-back mode). A replayed move is not recorded again: the cursor steps over it.
void PuzzleScreen::authoringKeys() {
    const int mode = context().moveRecordState;
    if (mode != kMoveRecordRecording && mode != kMoveRecordPlayback) {
        return;
    }
    const ksInput& in = input();
    if (mode == kMoveRecordRecording && (in.wasTyped('s') || in.wasTyped('S'))) {
        m_catalog.saveRecords(context().paths.dataDir);
    }
    if (mode == kMoveRecordRecording && (in.wasTyped('w') || in.wasTyped('W'))) {
        undoMove();
    }
    if (in.wasTyped('e') || in.wasTyped('E')) {
        MoveRecord& record = m_catalog.record(m_current);
        const std::optional<PuzzleMove> move = record.current();
        if (move) {
            record.stepForward();
            playMove(move->row, move->column, false);
        } else if (record.cursor() >= 0 && record.cursor() < record.length()) {
            trace("PuzzleScreen - stored move %d of puzzle %d is off the board", record.cursor() + 1,
                  m_current + 1);
        }
    }
}

// Replays the stored solution one click at a time while the board is still. A puzzle solved
// before is left through the "Puzzles" button while another open one still waits, and through
// "Main Menu" once every open puzzle is solved.
std::optional<AutoplayPoint> PuzzleScreen::autoplayClick() {
    if (m_game.isOver() || !m_game.isStill() || isPrizeFalling()) {
        return std::nullopt;
    }
    const PlayerProfile& profile = context().profile;
    if (!m_game.moveMade() && profile.best(m_current) > 0) {
        int button = kMainMenuButton;
        for (int i = 0; i < puzzle::kPuzzleCount; ++i) {
            if (profile.isPuzzleUnlocked(i) && profile.best(i) <= 0) {
                button = kPuzzlesButton;
                break;
            }
        }
        const ScreenRect rect = design().buttons[static_cast<std::size_t>(button)].rect;
        return AutoplayPoint{rect.left + rect.width / 2, rect.top + rect.height / 2};
    }
    const MoveRecord& record = m_catalog.record(m_current);
    if (m_game.clicks() >= record.length()) {
        return std::nullopt;
    }
    const PuzzleMove move = record.at(m_game.clicks());
    if (move.row < 0 || move.row >= puzzle::kRows || move.column < 0 || move.column >= puzzle::kColumns) {
        return std::nullopt;
    }
    const PuzzleBoard& board = m_game.board();
    return AutoplayPoint{board.columnX(move.column) + static_cast<int>(kPlaceCentreX),
                         board.rowY(move.row, move.column) + static_cast<int>(kPlaceCentreY)};
}
