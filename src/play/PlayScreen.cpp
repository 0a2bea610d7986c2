// PlayScreen.cpp: the common base of the three game-mode screens: states, frames and the pause.
#include "PlayScreen.h"

#include "PlayPieces.h"
#include "engine/core/FileIo.h"
#include "engine/core/WakeRequests.h"
#include "engine/core/ksTimer.h"
#include "engine/resources/ksResources.h"
#include "engine/sound/ksSoundSystem.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksFont.h"
#include "engine/video/ksImage.h"
#include "game/board/BalloonBoard.h"
#include "ui/GameContext.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

constexpr int kMenuButtons = PlayScreenDesign::kMenuButtons;
constexpr float kTimerRate = 60.0f;
// The game music is the first sound of the resource script.
constexpr int kMusicIndex = 0;

template <std::size_t... Index>
std::array<MenuButton, kMenuButtons> makeButtons(const PlayScreenDesign& design, const ksTimer& timer,
                                                 std::index_sequence<Index...>) {
    return {{MenuButton(static_cast<int32_t>(Index), design.buttons[Index].rect, timer)...}};
}

} // namespace

PlayScreen::PlayScreen(GameContext& context, const PlayScreenDesign& design)
    : m_context(context)
    , m_design(design)
    , m_backdrop(context.resources.getImage(design.backdrop))
    , m_introPicture(context.resources.getImage(design.introPicture))
    , m_lastPicture(context.canvas, context.canvas.width(), context.canvas.height())
    , m_titleFont(context.resources.getFont("font_dlg_head"))
    , m_messageFont(context.resources.getFont("font_dlg_med"))
    , m_cues(context.resources, context.sound)
    , m_banners(context.canvas, context.timer, context.resources.getImage("para"), &m_cues)
    , m_popEffects(context.timer)
    , m_floatingScores(context.timer, context.resources.getFont("font_carrot"))
    , m_buttons(makeButtons(design, context.timer, std::make_index_sequence<kMenuButtons>{}))
    , m_dialogs(context.resources)
    , m_newGameDialog(m_dialogs, *this, context.timer)
    , m_mainMenuDialog(m_dialogs, *this, context.timer)
    , m_nameEntryDialog(m_dialogs, *this, context.timer)
    , m_pauseDialog(m_dialogs, *this, context.timer)
    , m_introDialog(m_dialogs, *this, context.timer)
    , m_helpDialog(m_dialogs, *this, context.timer)
    , m_saveFailedDialog(m_dialogs, *this, context.timer) {
    ksResources& resources = context.resources;
    m_balloonImages.load(
        [&resources](const char* name) -> const ksImage* { return resources.getImage(name); });
    m_bursts.load([&resources](const char* name) -> const ksImage* { return resources.getImage(name); });
    char name[32];
    for (int theme = 0; theme < kThemes; ++theme) {
        for (int kind = 0; kind < kPrizeKinds; ++kind) {
            std::snprintf(name, sizeof name, "present%d_%d", theme, kind);
            m_presents[static_cast<std::size_t>(theme)][static_cast<std::size_t>(kind)] =
                resources.getImage(name);
        }
    }
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        const MenuButtonDesign& look = design.buttons[i];
        m_buttons[i].setNormal(resources.getImage(look.upPicture), look.sourceX, look.sourceY);
        m_buttons[i].setHover(resources.getImage(look.overPicture), look.sourceX, look.sourceY);
        m_buttons[i].setDepth(design.buttonDepth);
    }
    for (int page = 0; page < kHelpPages; ++page) {
        std::snprintf(name, sizeof name, "ins%d", page + 1);
        m_helpPages[static_cast<std::size_t>(page)] = resources.getImage(name);
    }
    // The pages (and the intro picture) stand centred on the dialogs, a little above the
    // middle, so the dialogs' buttons stay visible below them.
    m_helpX = context.canvas.width() / 2 - m_helpPages[0]->getWidth() / 2;
    m_helpY = context.canvas.height() / 2 - m_helpPages[1]->getHeight() / 2 - 12;
    if (design.helpPicture[0] != '\0') {
        m_helpPages = {};
        m_helpPages[0] = resources.getImage(design.helpPicture);
        m_helpPageCount = 1;
    }
    buildDialogs();
}

PlayScreen::~PlayScreen() = default;

ksFont* PlayScreen::font(const char* name) {
    return m_context.resources.getFont(name);
}

const ksImage* PlayScreen::presentPicture(int theme, int kind) const {
    if (theme < 0 || theme >= kThemes || kind < 0 || kind >= kPrizeKinds) {
        return nullptr;
    }
    return m_presents[static_cast<std::size_t>(theme)][static_cast<std::size_t>(kind)];
}

void PlayScreen::enter() {
    m_leave = false;
    activate();
    if (m_state == kFinished) {
        resetPresentation();
    }
}

void PlayScreen::startMusic() {
    ksSoundSystem& sound = m_context.sound;
    sound.stopAll();
    sound.play(kMusicIndex);
    sound.setOrder(m_design.musicOrder);
}

bool PlayScreen::update() {
    beginFrame();
    frameStarted();
    frameTick();
    return stepState();
}

void PlayScreen::beginFrame() {
    m_previousInput.copyFrom(m_input);
    m_input.poll();
    m_frameSeconds = static_cast<float>(m_context.timer.frameSeconds());
    m_elapsed += m_frameSeconds;
}

bool PlayScreen::stepState() {
    if (m_paused) {
        return m_leave;
    }
    // A failed save is told while the game waits for the player, never over another dialog.
    if (m_state == kPlaying && !isDialogOpen() && takeSaveFailureNotice()) {
        openDialog(m_saveFailedDialog);
    }
    if (m_state == kFinished) {
        return true;
    }
    modeStep(m_state);
    return m_leave;
}

void PlayScreen::modeStep(int state) {
    switch (state) {
    case kFadingIn:
        fadeInStep();
        break;
    case kPlaying:
        playStep();
        break;
    case kFadingOut:
        fadeOutStep();
        break;
    default:
        break;
    }
}

void PlayScreen::resetPresentation() {
    m_fader.reset();
    m_input.poll();
    m_previousInput.copyFrom(m_input);
    m_backdropReady = false;
}

void PlayScreen::activate() {
    m_scene.clear();
    for (MenuButton& button : m_buttons) {
        m_scene.list().add(&button);
    }
    m_scene.list().sort();
}

void PlayScreen::startFadeIn() {
    m_fader.start(0.0f, 1.0f, kFadeSeconds);
    m_state = kFadingIn;
}

void PlayScreen::startPlay() {
    m_state = kPlaying;
}

void PlayScreen::startFadeOut() {
    // The backdrop alone would fade over itself, and the board would just vanish: the whole
    // picture fades instead, over the next screen's.
    ksCanvas& canvas = m_context.canvas;
    canvas.selectFrame();
    draw();
    const uint32_t* frame = canvas.buffer(ksCanvas::Buffer::Frame);
    std::copy(frame, frame + static_cast<std::ptrdiff_t>(canvas.width()) * canvas.height(),
              m_lastPicture.getPixels());
    m_context.screens.redrawNext();
    m_fader.start(1.0f, 0.0f, kFadeSeconds);
    m_state = kFadingOut;
}

void PlayScreen::fadeInStep() {
    m_fader.step(m_frameSeconds);
    if (m_fader.isRunning() || !m_backdropReady) {
        WakeRequests::nextFrame(); // the next draw paints the backdrop once the fade is over
        return;
    }
    startPlay();
    if (!m_introShown) {
        m_introShown = true;
        openDialog(m_introDialog);
    }
}

void PlayScreen::fadeOutStep() {
    m_fader.step(m_frameSeconds);
    if (m_fader.isRunning()) {
        return;
    }
    m_backdropReady = false;
    m_state = kFinished;
    // The screen to come paints its whole picture before the switch, in the next frame.
    m_context.screens.redrawNext();
    WakeRequests::nextFrame();
}

void PlayScreen::paintBackdrop() {
    ksCanvas& canvas = m_context.canvas;
    canvas.selectBackground();
    m_backdrop->draw(0, 0);
    canvas.selectFrame();
    m_backdrop->draw(0, 0);
    m_backdropReady = true;
}

void PlayScreen::setBackdrop(ksImage* picture) {
    if (picture != nullptr && picture != m_backdrop) {
        m_backdrop = picture;
        m_backdropReady = false;
    }
}

void PlayScreen::draw() {
    if (m_state == kFinished || isDialogOpen()) {
        return;
    }
    if (m_state == kFadingIn || m_state == kFadingOut) {
        drawTransition();
    } else {
        drawPlay();
    }
}

void PlayScreen::drawTransition() {
    if (m_state == kFadingOut) {
        m_lastPicture.drawFaded(0, 0, m_fader.value());
    } else if (m_fader.isRunning()) {
        m_backdrop->drawFaded(0, 0, m_fader.value());
    } else if (!m_backdropReady) {
        paintBackdrop();
    }
}

void PlayScreen::redraw() {
    // Between the fades the backdrop is fully shown even when a new game has put the fader back
    // to its start, so it is repainted then as well.
    const bool fullyShown =
        m_fader.isRunning() ? m_state != kFadingIn && m_state != kFadingOut : m_fader.value() > 0.0f;
    if (fullyShown && m_state != kFinished) {
        paintBackdrop();
    }
    m_dialogs.repaint();
    draw();
}

void PlayScreen::setFocusLost(bool lost) {
    ksSoundSystem& sound = m_context.sound;
    if (lost) {
        sound.pauseMusic();
        sound.setEffectsEnabled(false);
        if (!isDialogOpen()) {
            openDialog(m_pauseDialog);
        }
        m_paused = true;
        redraw();
    } else if (m_pauseDialog.isOpen()) {
        // Only a click ends the pause while the box shows; it does not reach the game.
        if (m_input.isReleased() && m_paused) {
            m_paused = false;
            m_dialogs.removeTop();
            m_dialogs.removeDone();
            closeDialog(m_pauseDialog);
            sound.resumeMusic();
            sound.setEffectsEnabled(true);
        }
    } else {
        m_paused = false;
        sound.resumeMusic();
        sound.setEffectsEnabled(true);
    }
    // The frame after a pause runs with a normal frame time, not the time spent away.
    m_context.timer.clearResults();
    m_context.timer.reset(kTimerRate);
}

void PlayScreen::openDialog(DialogBox& box) {
    if (isDialogOpen()) {
        return;
    }
    for (MenuButton& button : m_buttons) {
        button.reset();
        m_scene.list().remove(&button);
    }
    box.open();
    if (!box.isOpen()) {
        // Refused (logged by the manager): the buttons come back at once.
        for (MenuButton& button : m_buttons) {
            m_scene.list().add(&button);
        }
    }
}

void PlayScreen::closeDialog(DialogBox& box) {
    box.close();
    for (MenuButton& button : m_buttons) {
        button.reset();
        m_scene.list().add(&button);
    }
}

void PlayScreen::openHelp() {
    m_helpPage = 0;
    openDialog(m_helpDialog);
}

bool PlayScreen::isDialogOpen() const {
    return m_newGameDialog.isOpen() || m_mainMenuDialog.isOpen() || m_nameEntryDialog.isOpen() ||
           m_introDialog.isOpen() || m_helpDialog.isOpen() || m_pauseDialog.isOpen() ||
           m_saveFailedDialog.isOpen();
}

void PlayScreen::askNewGame() {
    openDialog(m_newGameDialog);
}

void PlayScreen::askMainMenu() {
    m_mainMenuDialog.layout().message = "This will end your current game.\nAre you sure?";
    openDialog(m_mainMenuDialog);
}

void PlayScreen::openOptions() {
    draw();
    m_context.canvas.copyFrameToBackground();
    m_context.screens.requestSwitch(m_design.optionsScreen);
    m_leave = true;
}

void PlayScreen::runMenuButtons() {
    // Tab reaches the podium; the arrows belong to the board.
    const int32_t keyed = m_menuFocus.step(m_input, m_buttons, false);
    for (MenuButton& button : m_buttons) {
        button.update();
    }
    if (keyed >= 0) {
        m_cues.play("button_click");
        menuButtonClicked(keyed);
        return;
    }
    // Escape is the keyboard's way to the main-menu button (the question it asks, in every mode).
    if (m_input.wasTyped(kEscapeKey) && !isDialogOpen()) {
        menuButtonClicked(kMainMenuButton);
        return;
    }
    if (!m_input.isReleased()) {
        return;
    }
    for (MenuButton& button : m_buttons) {
        // A button opening a dialog takes the others out of the scene; they stop here too.
        if (button.isHovered() && m_scene.list().contains(&button)) {
            m_cues.play("button_click");
            menuButtonClicked(button.getId());
            return;
        }
    }
}

void PlayScreen::drawMenuFocus() {
    m_menuFocus.draw(m_context.canvas, m_buttons);
}

void PlayScreen::hideMenuFocus() {
    m_menuFocus.hide(m_buttons);
}

void PlayScreen::menuButtonClicked(int id) {
    switch (id) {
    case 0:
        undoMove();
        break;
    case 1:
        askNewGame();
        break;
    case 2:
        openOptions();
        break;
    case 3:
        askMainMenu();
        break;
    case 4:
        setFocusLost(!m_paused);
        break;
    case 5:
        openHelp();
        break;
    default:
        break;
    }
}

template <typename Effect, std::size_t Count>
Effect* PlayScreen::takeFromPool(EffectPool<Effect, Count>& pool) {
    // A member still active but no longer in the scene was dropped with it (a new game clears
    // the scene); nothing updates it any more, so it is free as well.
    for (Effect& member : pool.members()) {
        if (!member.isActive() || !m_scene.list().contains(&member)) {
            return &member;
        }
    }
    return nullptr;
}

BannerMessage* PlayScreen::spawnBanner(std::string_view line1, const ksFont* font1, std::string_view line2,
                                       const ksFont* font2) {
    // One sign at a time: the ones showing drop away as the new one falls in.
    for (BannerMessage& showing : m_banners.members()) {
        if (showing.isActive() && m_scene.list().contains(&showing)) {
            showing.dismiss();
        }
    }
    BannerMessage* banner = takeFromPool(m_banners);
    if (banner != nullptr) {
        banner->setArea(m_design.bannerArea);
        banner->start(line1, font1, line2, font2);
        m_scene.add(banner);
    }
    return banner;
}

FloatingScore* PlayScreen::spawnFloatingScore(ksFont* font, float startX, float startY, float endX,
                                              float endY, int32_t value, float delay, float flightTime) {
    FloatingScore* score = takeFromPool(m_floatingScores);
    if (score != nullptr) {
        score->start(font, startX, startY, endX, endY, value, delay, flightTime);
        if (m_design.scorePlaque.width > 0 && m_design.scorePlaque.height > 0) {
            score->stopBefore(m_design.scorePlaque);
        }
        m_scene.add(score);
    }
    return score;
}

PopEffect* PlayScreen::spawnPopEffect(const BurstPictures::Frames* frames, float centreX, float centreY) {
    PopEffect* effect = takeFromPool(m_popEffects);
    if (effect != nullptr) {
        effect->start(frames, centreX, centreY);
        m_scene.add(effect);
    }
    return effect;
}

void PlayScreen::spawnBalloonPop(const BalloonBoard& board, int row, int column, int colour) {
    const float x = static_cast<float>(board.columnX(column)) + kPlaceCentreX;
    const float y = static_cast<float>(board.rowY(row, column)) + kPlaceCentreY;
    spawnPopEffect(m_bursts.of(colour), x, y);
}

void PlayScreen::showRulesBanner(const GameBanner& banner) {
    std::array<char, 64> line2{};
    if (banner.line2Format != nullptr) {
        formatWithNumber(line2, banner.line2Format, banner.line2Number);
    } else {
        std::snprintf(line2.data(), line2.size(), "%s", banner.line2.data());
    }
    spawnBanner(banner.line1.data(), font(banner.font1), line2.data(),
                banner.font2 != nullptr ? font(banner.font2) : nullptr);
}

AutoplayView PlayScreen::autoplayView() {
    AutoplayView view;
    const Dialog* top = m_dialogs.top();
    if (top != nullptr) {
        if (top->isInteractive()) {
            view.dialog = m_pauseDialog.isOpen() ? AutoplayView::Dialog::Click : AutoplayView::Dialog::Enter;
            view.hasEntry = top->layout().entryCount > 0;
            view.entryText = top->entryText();
        }
        return view;
    }
    if (m_state == kPlaying && !m_paused && !isDialogOpen()) {
        view.click = autoplayClick();
    }
    return view;
}
