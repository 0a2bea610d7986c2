// ArtCatalogue.cpp: every picture and font this generator makes, as independent jobs.
#include "ArtCatalogue.h"

#include "BalloonArt.h"
#include "CurtainArt.h"
#include "DialogArt.h"
#include "HelpArt.h"
#include "MascotArt.h"
#include "Palette.h"
#include "PlayfieldArt.h"
#include "PrizeArt.h"
#include "PuzzleBackdropArt.h"
#include "TitleArt.h"

#include <algorithm>
#include <cstdio>

namespace {

// Backdrops: full colour resolution keeps the podium faces identical to the backdrop under
// them (their 8 x 8 blocks line up, since the podium pictures start 328 = 41 x 8 rows down).
constexpr JpegOptions kBackdropJpeg{92, true};
constexpr JpegOptions kSpriteJpeg{95, true};

ImageAsset opaque(std::string name, Raster picture) {
    return ImageAsset{std::move(name), std::move(picture), Transparency::Opaque, kBackdropJpeg};
}

ImageAsset sprite(std::string name, Raster picture) {
    return ImageAsset{std::move(name), std::move(picture), Transparency::Auto, kSpriteJpeg};
}

std::string numbered(const std::string& stem, int n) {
    return stem + std::to_string(n);
}

std::vector<ImageAsset> titlePictures() {
    TitlePictures pictures = paintTitlePictures();
    return {opaque("title", std::move(pictures.title)), sprite("buttons", std::move(pictures.buttons)),
            opaque("spike_title", std::move(pictures.mascotStrip))};
}

std::vector<ImageAsset> dialogPictures() {
    return {sprite("dialog_box_template", paintDialogBoxTemplate()),
            sprite("button_template", paintButtonTemplate(false)),
            sprite("button_template_over", paintButtonTemplate(true)),
            sprite("entry_template", paintEntryTemplate()),
            sprite("tab_template", paintTabTemplate()),
            sprite("checkbox", paintCheckbox()),
            sprite("slider_template", paintSliderTemplate()),
            sprite("tab_slides", paintSliderKnob()),
            sprite("default_button_template", paintDefaultButtonTemplate()),
            sprite("sprev_button", paintArrowButton(false, false)),
            sprite("sprev_button_over", paintArrowButton(false, true)),
            sprite("snext_button", paintArrowButton(true, false)),
            sprite("snext_button_over", paintArrowButton(true, true)),
            sprite("cursor", paintCursor()),
            sprite("record", paintRecordIndicator()),
            sprite("play", paintPlayIndicator())};
}

std::vector<ImageAsset> classicPictures() {
    const Raster main = paintPlayfield({PlayMode::Classic});
    const Raster lit = paintLitMenuButtons(PlayMode::Classic);
    return {opaque("main", main), sprite("main_over", lit), opaque("podium_classic_up", podiumPicture(main)),
            sprite("podium_classic_over", podiumHoverPicture(lit))};
}

std::vector<ImageAsset> actionPictures() {
    const Raster main = paintPlayfield({PlayMode::Action});
    const Raster lit = paintLitMenuButtons(PlayMode::Action);
    return {opaque("main3", main),
            opaque("podium_endless_up", podiumPicture(main)),
            sprite("podium_endless_over", podiumHoverPicture(lit)),
            sprite("meter", paintMeter()),
            sprite("meter_highlight", paintMeterHighlight()),
            sprite("cord", paintCord())};
}

std::vector<ImageAsset> balloonPictures() {
    std::vector<ImageAsset> out;
    for (int c = 0; c <= kGoldColour; ++c) {
        out.push_back(sprite(numbered("balloon", c), paintBalloon(BalloonLook{c})));
    }
    for (int c = 0; c <= kGoldColour; ++c) {
        BalloonLook look{c};
        look.pressed = true;
        out.push_back(sprite(numbered("balloon_press", c), paintBalloon(look)));
    }
    for (int c = 0; c <= kGoldColour; ++c) {
        out.push_back(
            sprite(numbered("balloon_med", c), paintBalloon(BalloonLook{c, kMediumWidth, kMediumHeight})));
    }
    return out;
}

std::vector<ImageAsset> inflatePictures() {
    std::vector<ImageAsset> out;
    for (int c = 0; c <= kGoldColour; ++c) {
        for (int frame = 0; frame < kInflateFrames; ++frame) {
            BalloonLook look{c};
            look.inflation = inflateFraction(frame);
            out.push_back(sprite("balloon_inflate" + std::to_string(c) + "_" + std::to_string(frame),
                                 paintBalloon(look)));
        }
    }
    return out;
}

std::vector<ImageAsset> burstPictures() {
    std::vector<ImageAsset> out;
    for (int c = 0; c <= kGoldColour; ++c) {
        for (int frame = 0; frame < kBurstFrames; ++frame) {
            out.push_back(sprite("balloon_burst" + std::to_string(c) + "_" + std::to_string(frame),
                                 paintBalloonBurst(c, frame)));
        }
    }
    return out;
}

std::vector<ImageAsset> prizePictures() {
    std::vector<ImageAsset> out;
    out.push_back(sprite("prize", paintPrizeMarker()));
    for (int n = 0; n < kPrizeKinds; ++n) {
        out.push_back(sprite(numbered("prize", n), paintPuzzlePrize(n)));
    }
    out.push_back(sprite("para", paintParachute()));
    for (int theme = 0; theme < kThemeCount; ++theme) {
        for (int kind = 0; kind < kPrizeKinds; ++kind) {
            out.push_back(sprite("present" + std::to_string(theme) + "_" + std::to_string(kind),
                                 paintPresent(theme, kind)));
        }
    }
    return out;
}

std::vector<ImageAsset> mascotPictures(std::size_t first, std::size_t count) {
    const auto& names = mascotFrameNames();
    std::vector<ImageAsset> out;
    for (std::size_t i = first; i < std::min(names.size(), first + count); ++i) {
        out.push_back(sprite("spike_" + std::string(names[i]), paintMascotFrame(names[i])));
    }
    return out;
}

std::vector<ImageAsset> puzzlePictures() {
    std::vector<ImageAsset> out;
    out.push_back(sprite("puzzle_selector", paintPuzzleSelector()));
    out.push_back(sprite("puzzle_locked", paintPuzzleLocked()));
    out.push_back(sprite("puzzle_passed", paintPuzzlePassed()));
    for (int n = 0; n < kPrizeKinds; ++n) {
        out.push_back(sprite(numbered("target", n), paintTarget(n)));
    }
    return out;
}

std::vector<ImageAsset> curtainPictures(int pair) {
    auto [left, right] = paintCurtainPair(pair);
    const std::string stem = "curtain0" + std::to_string(pair);
    return {opaque(stem + "_left", std::move(left)), opaque(stem + "_right", std::move(right))};
}

} // namespace

std::vector<ArtJob> artCatalogue() {
    std::vector<ArtJob> jobs;
    jobs.push_back({"Title screen", titlePictures});
    jobs.push_back({"Dialogs, widgets, pointer and developer indicators", dialogPictures});
    jobs.push_back({"Classic play screen", classicPictures});
    jobs.push_back({"Action play screen", actionPictures});
    jobs.push_back({"Balloons", balloonPictures});
    jobs.push_back({"Balloons", inflatePictures});
    jobs.push_back({"Balloons", burstPictures});
    jobs.push_back({"Prizes, presents and the parachute", prizePictures});
    constexpr std::size_t kFramesPerJob = 11;
    jobs.push_back({"Mascot", [] {
                        auto out = mascotPictures(0, kFramesPerJob);
                        out.push_back(sprite("spike_bouquet", paintMascotBouquet()));
                        return out;
                    }});
    for (std::size_t first = kFramesPerJob; first < mascotFrameNames().size(); first += kFramesPerJob) {
        jobs.push_back({"Mascot", [first] { return mascotPictures(first, kFramesPerJob); }});
    }
    for (int page = 0; page < 4; ++page) {
        jobs.push_back({"Help pages and quick tips", [page] {
                            return std::vector<ImageAsset>{
                                sprite(numbered("ins", page + 1), paintHelpPage(page))};
                        }});
    }
    jobs.push_back({"Help pages and quick tips", [] {
                        return std::vector<ImageAsset>{
                            sprite("hint_classic", paintQuickTip(TipMode::Classic)),
                            sprite("hint_action", paintQuickTip(TipMode::Action)),
                            sprite("hint_puzzle", paintQuickTip(TipMode::Puzzle))};
                    }});
    jobs.push_back({"Puzzle selector marks and floor targets", puzzlePictures});
    for (int pair = 1; pair <= 3; ++pair) {
        jobs.push_back({"Puzzle goal curtains", [pair] { return curtainPictures(pair); }});
    }
    jobs.push_back({"Puzzle podium buttons", [] {
                        return std::vector<ImageAsset>{
                            opaque("podium_puzzle_up", paintPuzzlePodium()),
                            sprite("podium_puzzle_over", paintPuzzlePodiumHover())};
                    }});
    // One backdrop per page of six puzzles: "act01" to "act17".
    for (int act = 1; act <= kPuzzleActs; ++act) {
        jobs.push_back({"Puzzle backdrops, one per page of six puzzles", [act] {
                            char name[8];
                            std::snprintf(name, sizeof name, "act%02d", act);
                            return std::vector<ImageAsset>{opaque(name, paintPuzzleBackdrop(act))};
                        }});
    }
    return jobs;
}

std::vector<FontRecipe> fontCatalogue() {
    return gameFontRecipes();
}

std::string fontSheetName(const std::string& font) {
    return font + "_sheet";
}
std::string fontTableFile(const std::string& font) {
    return font + ".txt";
}
