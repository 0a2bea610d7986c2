// PuzzleSelector.h: the dialog in which the player picks a puzzle, six pictures to a page.
#pragma once

#include "PuzzleThumbnails.h"
#include "engine/video/ksImage.h"
#include "game/puzzle/SelectorPage.h"
#include "ui/AutoplayTarget.h"
#include "ui/DialogBox.h"

#include <array>
#include <cstdint>

class CuePlayer;
class DialogManager;
class GameScreen;
class PlayerProfile;
class PuzzleCatalog;
class ksFont;
class ksInput;
class ksRegistry;
struct GameContext;

// The Puzzle screen owns one selector for its whole life and drives it like its other dialogs:
//
//   selector.open(profile, settings, openedOnEntry);   // records the progress, renders the page
//   openDialog(selector.dialog());                    // PlayScreen's open (menu buttons leave)
//   ... every frame while selector.dialog().isOpen():
//   switch (selector.step(input(), profile)) {         // runs the box, hover, clicks, drawing
//   case Open: break;
//   case Chosen:    closeDialog(selector.dialog()); load selector.chosenPuzzle(); play;
//   case Cancelled: closeDialog(selector.dialog()); back to play, or to the title when
//                   selector.wasOpenedOnEntry();
//   }
//   ksInput::clearAll();
//
// Turning pages changes only the page shown; the profile is touched only when a puzzle is
// chosen: its current puzzle becomes the chosen one and that puzzle's attempts rise by one (the
// screen saves the profile). So cancelling from within a puzzle returns to the same puzzle.
class PuzzleSelector {
public:
    enum class Outcome { Open, Chosen, Cancelled };

    // Button ids: CANCEL closes the dialog; the others are only reported as pressed.
    static constexpr int32_t kCloseId = 17;
    static constexpr int32_t kNextPageId = 7;
    static constexpr int32_t kPreviousPageId = 8;
    static constexpr int32_t kFirstPictureId = 11; // 11 to 16, slots 0 to 5
    static constexpr int kWidth = 484;
    static constexpr int kHeight = 480;
    // Played when a locked puzzle is clicked.
    static constexpr const char* kRefusalCue = "no_moves";
    static constexpr const char* kClickCue = "button_click";

    // Looks up its pictures and font in the context's resources and lays out its dialog on
    // `dialogs` for `owner` (the Puzzle screen). `catalog` and `cues` must outlive the selector.
    PuzzleSelector(GameContext& context, DialogManager& dialogs, GameScreen& owner,
                   const PuzzleCatalog& catalog, CuePlayer& cues);
    PuzzleSelector(const PuzzleSelector&) = delete;
    PuzzleSelector& operator=(const PuzzleSelector&) = delete;

    // The box the screen opens and closes (PlayScreen::openDialog / closeDialog).
    DialogBox& dialog() { return m_box; }
    const DialogBox& dialog() const { return m_box; }

    // Before opening the box: records the unlocked puzzles and the solutions still needed for the
    // next unlock (none when `puzzlesUnlockAfter` is below 1: then no "Next Unlock" line shows),
    // whether it opens on entering the screen, cancelled = true, the page of the profile's
    // current puzzle and hovered = that puzzle; renders the six pictures of the page.
    void open(const PlayerProfile& profile, const ksRegistry& settings, bool openedOnEntry);

    // One frame of the open box: runs it (Enter or Space cancel, with the click cue), works out
    // the hovered puzzle, turns pages (rendering the pictures again), takes a click on a picture
    // (an unlocked puzzle is chosen and the box starts closing; a locked one plays the refusal
    // cue) and draws the texts and pictures over the dialog, never more opaque than the dialog.
    // Answers Open until the dialog's fade-out has ended; then Chosen (the profile already
    // updated, see above) or Cancelled, once. The caller then closes the box.
    Outcome step(const ksInput& input, PlayerProfile& profile);

    // Draws the page texts, the information lines and the six pictures with their marks at
    // `opacity` (at most 1.0) into the canvas's current target. step calls it; exposed for
    // pictures of the selector in tests.
    void drawOverlay(const PlayerProfile& profile, float opacity);

    int hoveredPuzzle() const { return m_hovered; }
    int pageFirst() const { return m_first; }
    int chosenPuzzle() const { return m_chosen; }
    bool isCancelled() const { return m_cancelled; }
    bool wasOpenedOnEntry() const { return m_openedOnEntry; }
    const SelectorProgress& progress() const { return m_progress; }
    // The bottom line as it shows; empty when none shows.
    const SelectorLine& nextUnlockLine() const { return m_nextUnlockLine; }
    // The information lines of the hovered puzzle as last drawn.
    const SelectorInfo& info() const { return m_info; }
    const PuzzleThumbnails& thumbnails() const { return m_thumbnails; }

    // For the built-in player: where to click to choose `puzzle` (clamped into the catalogue):
    // its picture when it is on the page shown, otherwise the page button toward it.
    AutoplayPoint clickToChoose(int puzzle) const;

    // Turns the page as the page buttons do (nothing past the first or last page); answers
    // whether it turned. Renders the new page's pictures.
    bool previousPage();
    bool nextPage();

private:
    static constexpr int kSlots = selector_page::kSlots;

    void buildLayout();
    void showPage(int first);
    // The slot whose button holds the screen point, or -1.
    int slotAt(int x, int y) const;
    void updateHover(int x, int y, const PlayerProfile& profile);
    void pressed(int32_t id, const PlayerProfile& profile);
    void refreshInfo(const PlayerProfile& profile);
    int dialogLeft() const;
    int dialogTop() const;
    // The top-left corner of a slot's picture on the screen.
    int pictureX(int slot) const;
    int pictureY(int slot) const;

    GameContext& m_context;
    const PuzzleCatalog& m_catalog;
    CuePlayer& m_cues;
    DialogManager& m_dialogs;
    DialogBox m_box;
    PuzzleThumbnails m_thumbnails;
    ksFont* m_font;
    const ksImage* m_background;
    const ksImage* m_locked;
    const ksImage* m_passed;
    // The invisible faces of the six picture buttons, which give the buttons their size.
    ksImage m_slotFace;

    SelectorProgress m_progress{};
    int m_first = 0;
    int m_hovered = -1;
    // The unlocked picture under the pointer, lifted while it is there; -1 for none.
    int m_pointedSlot = -1;
    int m_chosen = -1;
    bool m_cancelled = true;
    bool m_openedOnEntry = false;
    // A closing press has been taken; the dialog is fading out.
    bool m_closing = false;
    SelectorLine m_pageTitle;
    SelectorLine m_nextUnlockLine;
    // The information lines of the hovered puzzle, formatted when it changes.
    int m_linesFor = -2;
    SelectorInfo m_info;
};
