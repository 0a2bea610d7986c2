// GeneratedResourcesTest.cpp: the generated script and pack hold everything the game asks for.
#include "GifReader.h"
#include "GlyphTable.h"
#include "ImageAsset.h"
#include "JpegCodec.h"
#include "PackListing.h"
#include "ResourceGenerator.h"
#include "ScriptReader.h"
#include "engine/core/FileIo.h"
#include "support/TestSupport.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using PackFiles = std::map<std::string, std::vector<uint8_t>>;

struct Requirement {
    std::string kind;
    std::string name;
    std::string rule; // exact, max, min, any, or - for non-images
    int width = 0;
    int height = 0;
};

std::vector<Requirement> readRequirements() {
    std::ifstream in(ZIBBET_ASSETGEN_TEST_DATA "/required-resources.tsv");
    std::vector<Requirement> out;
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        Requirement r;
        std::string width, height;
        if (!line.empty() && line[0] != '#' && fields >> r.kind >> r.name >> r.rule >> width >> height) {
            r.width = std::atoi(width.c_str()); // "-" reads as 0
            r.height = std::atoi(height.c_str());
            out.push_back(r);
        }
    }
    return out;
}

// The build generates the data (build/data) before the tests run; the suite reads that output
// as the game would, and one test regenerates it in-process to check that it is reproducible.
const std::filesystem::path kDataDir = ZIBBET_ASSETGEN_DATA_DIR;

struct Generated {
    std::string script;
    std::vector<ScriptEntry> entries;
    PackFiles pack;
};

const Generated& generated() {
    static const Generated g = [] {
        Generated out;
        const auto bytes = readFileBytes(kDataDir / "resources.dat", std::size_t{1} << 30);
        if (bytes) {
            out.pack = listPack(*bytes).value_or(PackFiles{});
        }
        const auto script = out.pack.find("resource.txt");
        if (script != out.pack.end()) {
            out.script.assign(script->second.begin(), script->second.end());
        }
        out.entries = readScript(out.script);
        return out;
    }();
    return g;
}

const ScriptEntry* findEntry(const std::string& name) {
    for (const ScriptEntry& entry : generated().entries) {
        if (entry.name == name) {
            return &entry;
        }
    }
    return nullptr;
}

const std::vector<uint8_t>* packFile(const std::string& name) {
    const auto found = generated().pack.find(lowerCased(name));
    return found == generated().pack.end() ? nullptr : &found->second;
}

// An IMAGE entry as the game loads it: JPEG first, then GIF, alpha from the mask's blue byte.
std::optional<Raster> loadImage(const ScriptEntry& entry) {
    // A blank image the game draws into itself: its width and height.
    if (entry.parameters.size() == 2 && entry.parameters[0].kind == TokenKind::Number &&
        entry.parameters[1].kind == TokenKind::Number) {
        return Raster(std::stoi(entry.parameters[0].text), std::stoi(entry.parameters[1].text));
    }
    if (entry.parameters.empty() || entry.parameters[0].kind != TokenKind::File) {
        return std::nullopt;
    }
    const auto* bytes = packFile(entry.parameters[0].fileName());
    if (bytes == nullptr) {
        return std::nullopt;
    }
    auto picture = decodeJpegRaster(*bytes);
    if (!picture) {
        picture = decodeGifRaster(*bytes);
    }
    if (picture && entry.parameters.size() >= 2) {
        const auto* maskBytes = packFile(entry.parameters[1].fileName());
        const auto mask = maskBytes ? decodeGifRaster(*maskBytes) : std::nullopt;
        if (!mask || mask->width() != picture->width() || mask->height() != picture->height()) {
            return std::nullopt;
        }
        for (std::size_t i = 0; i < picture->pixels().size(); ++i) {
            picture->pixels()[i] = (picture->pixels()[i] & 0x00FFFFFF) |
                                   (static_cast<uint32_t>(blueOf(mask->pixels()[i])) << 24);
        }
    }
    return picture;
}

std::optional<Raster> loadImage(const std::string& name) {
    const ScriptEntry* entry = findEntry(name);
    return entry ? loadImage(*entry) : std::nullopt;
}

TEST(GeneratedResources, TheBuildWroteAReadablePackAndScriptThatStartsWithTheOnlyModule) {
    ASSERT_FALSE(generated().pack.empty()) << "no readable " << (kDataDir / "resources.dat").string();
    // The loose script beside the pack is the same text as the one inside it.
    EXPECT_EQ(readTextFile(kDataDir / "resource.txt"), generated().script);
    const auto& entries = generated().entries;
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries.front().keyword, "MUSIC");
    EXPECT_EQ(entries.front().name, "music");
    ASSERT_FALSE(entries.front().parameters.empty());
    EXPECT_NE(entries.front().parameters[0].fileName().find(".it"), std::string::npos);
    for (const ScriptEntry& entry : entries) {
        if (entry.keyword == "SOUND") {
            EXPECT_EQ(entry.parameters.at(0).fileName().find(".it"), std::string::npos) << entry.name;
        }
    }
}

TEST(GeneratedResources, DeclaresEveryRequiredNameWithItsKind) {
    const std::vector<Requirement> requirements = readRequirements();
    ASSERT_EQ(requirements.size(), 314u) << "required-resources.tsv is missing or changed";
    for (const Requirement& r : requirements) {
        const ScriptEntry* entry = findEntry(r.name);
        ASSERT_NE(entry, nullptr) << r.kind << " " << r.name << " is not declared";
        EXPECT_EQ(entry->keyword, r.kind) << r.name;
    }
}

TEST(GeneratedResources, EveryFileTheScriptNamesIsInThePackInLowerCase) {
    for (const ScriptEntry& entry : generated().entries) {
        for (const ScriptToken& token : entry.parameters) {
            if (token.kind != TokenKind::File) {
                continue;
            }
            const std::string file = token.fileName();
            EXPECT_EQ(file, lowerCased(file)) << entry.name;
            EXPECT_LE(file.size(), 127u);
            EXPECT_NE(packFile(file), nullptr) << entry.name << " names " << file;
        }
    }
    for (const auto& [name, bytes] : generated().pack) {
        EXPECT_EQ(name, lowerCased(name));
    }
}

TEST(GeneratedResources, PicturesAreBaselineFullColourJpegs) {
    for (const ScriptEntry& entry : generated().entries) {
        if (entry.keyword != "IMAGE" || entry.parameters.empty() ||
            entry.parameters[0].kind != TokenKind::File) {
            continue;
        }
        const auto* bytes = packFile(entry.parameters[0].fileName());
        ASSERT_NE(bytes, nullptr) << entry.name;
        ASSERT_GE(bytes->size(), 4u);
        ASSERT_EQ((*bytes)[0], 0xFF) << entry.name;
        ASSERT_EQ((*bytes)[1], 0xD8) << entry.name;
        // Find the start-of-frame marker: it must be baseline (C0) with 3 components.
        bool found = false;
        for (std::size_t i = 2; i + 9 < bytes->size(); ++i) {
            if ((*bytes)[i] == 0xFF && ((*bytes)[i + 1] & 0xF0) == 0xC0 && (*bytes)[i + 1] != 0xC4 &&
                (*bytes)[i + 1] != 0xC8 && (*bytes)[i + 1] != 0xCC) {
                EXPECT_EQ((*bytes)[i + 1], 0xC0) << entry.name << " is not baseline";
                EXPECT_EQ((*bytes)[i + 9], 3) << entry.name << " is not three-component";
                found = true;
                break;
            }
        }
        EXPECT_TRUE(found) << entry.name;
    }
}

TEST(GeneratedResources, ImagesHaveTheSizesTheScreensNeed) {
    const std::vector<Requirement> requirements = readRequirements();
    ASSERT_FALSE(requirements.empty());
    for (const Requirement& r : requirements) {
        if (r.kind != "IMAGE") {
            continue;
        }
        const auto image = loadImage(r.name);
        ASSERT_TRUE(image.has_value()) << r.name << " does not load";
        if (r.rule == "exact") {
            EXPECT_EQ(image->width(), r.width) << r.name;
            EXPECT_EQ(image->height(), r.height) << r.name;
        } else if (r.rule == "max") {
            EXPECT_LE(image->width(), r.width) << r.name;
            EXPECT_LE(image->height(), r.height) << r.name;
        } else if (r.rule == "min") {
            EXPECT_GE(image->width(), r.width) << r.name;
            EXPECT_GE(image->height(), r.height) << r.name;
        }
    }
}

TEST(GeneratedResources, FamiliesOfPicturesShareOneSize) {
    auto sizeOf = [](const std::string& name) {
        const auto image = loadImage(name);
        return image ? std::make_pair(image->width(), image->height()) : std::make_pair(0, 0);
    };
    const auto frame = sizeOf("spike_default");
    for (const ScriptEntry& entry : generated().entries) {
        if (entry.keyword == "IMAGE" && entry.name.starts_with("spike_") && entry.name != "spike_title" &&
            entry.name != "spike_bouquet") {
            EXPECT_EQ(sizeOf(entry.name), frame) << entry.name;
        }
    }
    const auto page = sizeOf("ins1");
    for (const char* name : {"ins2", "ins3", "ins4", "hint_classic", "hint_action", "hint_puzzle"}) {
        EXPECT_EQ(sizeOf(name), page) << name;
    }
    EXPECT_LT(sizeOf("balloon_med0").first, sizeOf("balloon0").first);
}

TEST(GeneratedResources, SpritesCarryMasksAndBackdropsAreOpaque) {
    for (const char* name : {"balloon0",
                             "balloon6",
                             "balloon_press3",
                             "balloon_inflate2_0",
                             "prize",
                             "prize4",
                             "present3_5",
                             "para",
                             "cursor",
                             "cord",
                             "spike_default",
                             "spike_bouquet",
                             "ins1",
                             "sprev_button",
                             "checkbox",
                             "tab_slides",
                             "target0",
                             "puzzle_locked",
                             "buttons",
                             "main_over",
                             "podium_classic_over",
                             "podium_endless_over"}) {
        const ScriptEntry* entry = findEntry(name);
        ASSERT_NE(entry, nullptr) << name;
        EXPECT_EQ(entry->parameters.size(), 2u) << name << " needs a mask";
    }
    for (const char* name :
         {"title", "main", "main3", "podium_classic_up", "podium_endless_up", "curtain01_left"}) {
        const ScriptEntry* entry = findEntry(name);
        ASSERT_NE(entry, nullptr) << name;
        EXPECT_EQ(entry->parameters.size(), 1u) << name;
    }
}

// The podium pictures start 328 rows (41 JPEG blocks) below the top of the backdrop, so the
// faces the menu buttons show decode to exactly the pixels of the backdrop under them.
TEST(GeneratedResources, PodiumFacesMatchTheBackdropPixelForPixel) {
    for (const auto& [backdrop, podium] : {std::pair{"main", "podium_classic_up"},
                                           {"main3", "podium_endless_up"},
                                           {"act01", "podium_puzzle_up"}}) {
        const auto screen = loadImage(backdrop);
        const auto faces = loadImage(podium);
        ASSERT_TRUE(screen && faces);
        for (int y = 0; y < 480 - 328; ++y) {
            for (int x = 0; x < faces->width(); ++x) {
                ASSERT_EQ(faces->at(x, y), screen->at(x, y + 328)) << podium << " at " << x << ", " << y;
            }
        }
    }
}

// Mean colour difference between two pictures inside a rectangle, per channel.
double meanDifference(const Raster& a, int ax, int ay, const Raster& b, int bx, int by, int w, int h) {
    double sum = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const uint32_t p = a.at(ax + x, ay + y);
            const uint32_t q = b.at(bx + x, by + y);
            sum += std::abs(redOf(p) - redOf(q)) + std::abs(greenOf(p) - greenOf(q)) +
                   std::abs(blueOf(p) - blueOf(q));
        }
    }
    return sum / (3.0 * w * h);
}

// One menu button: the picture its normal look is on, where the screen shows it, and where its
// hover face is cut from.
struct HoverFace {
    const char* normal;
    int screenX, screenY;
    const char* hover;
    int sourceX, sourceY;
    int width, height;
};

// What the screen shows while the button is fully hovered: the face blended over its normal look.
Raster hoveredButton(const Raster& normal, const Raster& hover, const HoverFace& face) {
    Raster out = normal.cropped(face.screenX, face.screenY, face.width, face.height);
    out.composite(hover.cropped(face.sourceX, face.sourceY, face.width, face.height), 0, 0);
    return out;
}

std::vector<HoverFace> hoverFaces() {
    std::vector<HoverFace> faces;
    // The title's seven buttons have no normal face: the title shows them.
    for (const auto& [x, y, w, h] : std::vector<std::array<int, 4>>{{13, 223, 131, 148},
                                                                    {152, 223, 131, 148},
                                                                    {291, 223, 131, 148},
                                                                    {123, 396, 126, 46},
                                                                    {252, 396, 126, 46},
                                                                    {382, 396, 126, 46},
                                                                    {6, 390, 111, 83}}) {
        faces.push_back({"title", x, y, "buttons", x, y - 222, w, h});
    }
    // The podium buttons: New Game, Options, Main Menu, the visible part of Pause, Help.
    for (const auto& [up, over] : {std::pair{"podium_classic_up", "podium_classic_over"},
                                   {"podium_endless_up", "podium_endless_over"},
                                   {"podium_puzzle_up", "podium_puzzle_over"}}) {
        for (const auto& [x, y, w, h] : std::vector<std::array<int, 4>>{{36, 37, 92, 26},
                                                                        {37, 66, 88, 26},
                                                                        {38, 95, 85, 24},
                                                                        {37, 123, 56, 29},
                                                                        {97, 123, 24, 26}}) {
            faces.push_back({up, x, y, over, x, y, w, h});
        }
    }
    faces.push_back({"main", 133, 445, "main_over", 133, 445, 58, 31}); // Classic's undo
    // Puzzle's Undo and Reset under the floor strip, cut like the podium's buttons.
    faces.push_back({"podium_puzzle_up", 180, 122, "podium_puzzle_over", 180, 122, 72, 30});
    faces.push_back({"podium_puzzle_up", 252, 122, "podium_puzzle_over", 252, 122, 72, 30});
    return faces;
}

// Every menu button's hover face, cut where the screens cut it, visibly lights up a button
// painted at that very place.
TEST(GeneratedResources, HoverFacesLightUpTheButtonsWhereTheScreensCutThem) {
    for (const HoverFace& face : hoverFaces()) {
        const auto normal = loadImage(face.normal);
        const auto hover = loadImage(face.hover);
        ASSERT_TRUE(normal && hover) << face.hover;
        const Raster shown = hoveredButton(*normal, *hover, face);
        EXPECT_GT(meanDifference(*normal, face.screenX, face.screenY, shown, 0, 0, face.width, face.height),
                  8.0)
            << face.hover << " at " << face.sourceX << ", " << face.sourceY;
    }
}

// The buttons are rounded; a hover face is cut as a rectangle, so it must be clear in its
// corners or a square shows behind the rounded button while it is hovered.
TEST(GeneratedResources, HoverFacesAreClearInTheCornersAndLeaveTheNormalLookThere) {
    for (const HoverFace& face : hoverFaces()) {
        SCOPED_TRACE(std::string(face.hover) + " at " + std::to_string(face.sourceX) + ", " +
                     std::to_string(face.sourceY));
        const auto normal = loadImage(face.normal);
        const auto hover = loadImage(face.hover);
        ASSERT_TRUE(normal && hover);
        const int right = face.sourceX + face.width - 1;
        const int bottom = face.sourceY + face.height - 1;
        // Pause runs off the bottom of the screen: its lower corners are never shown.
        const bool cutByTheScreen = face.width == 56 && face.height == 29;
        for (const auto& [x, y] : std::vector<std::pair<int, int>>{{face.sourceX, face.sourceY},
                                                                   {right, face.sourceY},
                                                                   {face.sourceX, bottom},
                                                                   {right, bottom}}) {
            if (cutByTheScreen && y == bottom) {
                continue;
            }
            EXPECT_LE(alphaOf(hover->at(x, y)), 8) << "corner " << x << ", " << y;
        }
        const Raster shown = hoveredButton(*normal, *hover, face);
        for (const auto& [x, y] : std::vector<std::pair<int, int>>{
                 {0, 0}, {face.width - 1, 0}, {0, face.height - 1}, {face.width - 1, face.height - 1}}) {
            if (cutByTheScreen && y == face.height - 1) {
                continue;
            }
            EXPECT_LE(meanDifference(*normal, face.screenX + x, face.screenY + y, shown, x, y, 1, 1), 3.0)
                << "corner " << x << ", " << y << " of the hovered button";
        }
        EXPECT_EQ(alphaOf(hover->at(face.sourceX + face.width / 2, face.sourceY + face.height / 2)), 255)
            << "the face itself is solid";
    }
}

TEST(GeneratedResources, TheLastInflateFrameIsTheFullBalloon) {
    for (int colour = 0; colour <= 6; ++colour) {
        const auto full = loadImage("balloon" + std::to_string(colour));
        const auto last = loadImage("balloon_inflate" + std::to_string(colour) + "_7");
        ASSERT_TRUE(full && last);
        EXPECT_EQ(full->pixels(), last->pixels()) << colour;
        // Each frame covers more of the place than the one before.
        long previous = -1;
        for (int frame = 0; frame < 8; ++frame) {
            const auto picture =
                loadImage("balloon_inflate" + std::to_string(colour) + "_" + std::to_string(frame));
            ASSERT_TRUE(picture);
            long coverage = 0;
            for (uint32_t p : picture->pixels()) {
                coverage += alphaOf(p);
            }
            EXPECT_GT(coverage, previous) << colour << " frame " << frame;
            previous = coverage;
        }
    }
}

TEST(GeneratedResources, HelpPicturesLeaveTheDialogButtonsVisible) {
    // Drawn centred at (320, 228); the dialog's buttons occupy screen rows 388 to 432.
    for (const char* name : {"ins1", "ins2", "ins3", "ins4", "hint_classic", "hint_action", "hint_puzzle"}) {
        const auto picture = loadImage(name);
        ASSERT_TRUE(picture);
        const int top = 240 - picture->height() / 2 - 12;
        EXPECT_LE(top, 40) << name << " must cover the dialog's title";
        for (int y = std::max(0, 388 - top); y < picture->height(); ++y) {
            for (int x = 0; x < picture->width(); ++x) {
                ASSERT_EQ(alphaOf(picture->at(x, y)), 0) << name << " hides a button at row " << y;
            }
        }
    }
}

TEST(GeneratedResources, FontsCoverPrintableAsciiWithConsistentGlyphTables) {
    int fonts = 0;
    for (const ScriptEntry& entry : generated().entries) {
        if (entry.keyword != "FONT") {
            continue;
        }
        ++fonts;
        SCOPED_TRACE(entry.name);
        ASSERT_EQ(entry.parameters.size(), 2u);
        ASSERT_EQ(entry.parameters[0].kind, TokenKind::Resource);
        const ScriptEntry* sheetEntry = findEntry(entry.parameters[0].text);
        ASSERT_NE(sheetEntry, nullptr);
        EXPECT_EQ(sheetEntry->keyword, "IMAGE");
        EXPECT_EQ(sheetEntry->parameters.size(), 2u) << "glyph sheets need a mask";
        const auto sheet = loadImage(*sheetEntry);
        ASSERT_TRUE(sheet);
        // Both readings of the second parameter: a file, and the TEXT entry of that name.
        const std::string tableName = entry.parameters[1].fileName();
        const ScriptEntry* textEntry = findEntry(tableName);
        ASSERT_NE(textEntry, nullptr);
        EXPECT_EQ(textEntry->keyword, "TEXT");
        EXPECT_EQ(textEntry->parameters.at(0).fileName(), tableName);
        const auto* tableBytes = packFile(tableName);
        ASSERT_NE(tableBytes, nullptr);
        const std::string text(tableBytes->begin(), tableBytes->end());
        const ParsedGlyphTable table = parseGlyphTable(text);
        EXPECT_GE(table.lineHeight, 10);
        EXPECT_LE(table.lineHeight, 40);
        // The first record sits at the top of the sheet, so no later bottom lies above it.
        int firstTop = -1;
        std::sscanf(text.c_str(), "%*d,%*d,%d", &firstTop);
        EXPECT_EQ(firstTop, 0);
        for (int code = 33; code <= 126; ++code) {
            ASSERT_TRUE(table.glyphs[code].has_value()) << "no glyph for " << static_cast<char>(code);
            const GlyphCell& g = *table.glyphs[code];
            EXPECT_EQ(g.height, table.lineHeight) << static_cast<char>(code);
            EXPECT_GE(g.width, 1);
            EXPECT_GE(g.left, 0);
            EXPECT_GE(g.top, 0);
            EXPECT_LE(g.left + g.width, sheet->width()) << static_cast<char>(code);
            EXPECT_LE(g.top + g.height, sheet->height()) << static_cast<char>(code);
            long ink = 0;
            for (int y = g.top; y < g.top + g.height; ++y) {
                for (int x = g.left; x < g.left + g.width; ++x) {
                    ink += alphaOf(sheet->at(x, y));
                }
            }
            EXPECT_GT(ink, 0) << "glyph " << static_cast<char>(code) << " is blank";
        }
    }
    EXPECT_EQ(fonts, 6);
}

// Width of a line as the game lays it out: each glyph's width plus the tracking (not after the
// last), and the font's space width for every blank.
double lineWidth(const ParsedGlyphTable& table, const std::string& text, double tracking, int spaceWidth) {
    double width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto code = static_cast<unsigned char>(text[i]);
        if (code == ' ') {
            width += spaceWidth;
        }
        if (code < 128 && table.glyphs[code]) {
            width += table.glyphs[code]->width + (i + 1 < text.size() ? tracking : 0.0);
        }
    }
    return width;
}

ParsedGlyphTable fontTable(const std::string& font) {
    const ScriptEntry* entry = findEntry(font);
    const auto* bytes = entry ? packFile(entry->parameters.at(1).fileName()) : nullptr;
    return bytes ? parseGlyphTable(std::string(bytes->begin(), bytes->end())) : ParsedGlyphTable{};
}

// The longest message and title lines of the game's dialogs fit inside the dialogs' frames
// (16-pixel borders), with the default space width of 12.
TEST(GeneratedResources, DialogTextsFitTheirDialogs) {
    struct Line {
        const char* font;
        double tracking;
        int dialogWidth;
        const char* text;
    };
    const Line lines[] = {
        {"font_dlg_med", -2.0, 500, "If you don't continue, your saved game will be deleted."},
        {"font_dlg_med", -2.0, 500, "Do you want to continue from where you left off"},
        {"font_dlg_med", -2.0, 540, "You can select themes in the title screen Options Panel."},
        {"font_dlg_med", -2.0, 540, "You're not going to be able to finish the puzzle."},
        {"font_dlg_med", -2.0, 520, "You got a High Score, enter your name."},
        {"font_dlg_med", -2.0, 520, "and earned 1,234,567 points so far!"},
        {"font_dlg_med", -2.0, 470, "This will end your current game."},
        {"font_dlg_med", -2.0, 360, "Following options take effect next game."},
        {"font_dlg_small", -1.8, 380, "This change will not take effect"},
        {"font_dlg_head", -2.0, 470, "You Got a High Score!"},
        {"font_dlg_head", -2.0, 520, "BETTER LUCK NEXT TIME!"},
        {"font_dlg_head", -2.0, 390, "EXIT GAME"},
    };
    for (const Line& line : lines) {
        const ParsedGlyphTable table = fontTable(line.font);
        ASSERT_GT(table.lineHeight, 0) << line.font;
        const int space = std::string(line.text).starts_with("Following") ? 4 : 12;
        EXPECT_LE(lineWidth(table, line.text, line.tracking, space), line.dialogWidth - 32)
            << line.font << ": " << line.text;
    }
}

// A fresh generation (on one thread, where the build used all cores) writes the very same
// script, pack and icons as the build did.
TEST(GeneratedResources, RegeneratingGivesByteIdenticalFiles) {
    const GeneratedResources again = generateResources(1, kDataDir / "puzzles");
    ASSERT_THAT(again.errors, ::testing::IsEmpty());
    TempDir dir;
    std::string error;
    ASSERT_TRUE(writeResources(again, dir.path().string(), error)) << error;
    for (const char* file : {"resource.txt", "resources.dat", "icons/zibbet-48.png", "icons/zibbet-64.png",
                             "icons/zibbet-128.png", "icons/zibbet-256.png", "icons/zibbet.svg"}) {
        const auto fresh = readFileBytes(dir / file, std::size_t{1} << 30);
        const auto built = readFileBytes(kDataDir / file, std::size_t{1} << 30);
        ASSERT_TRUE(fresh.has_value()) << file;
        ASSERT_TRUE(built.has_value()) << file;
        EXPECT_TRUE(*fresh == *built) << file << " differs from the build's";
    }
    EXPECT_NE(readTextFile(dir / "icons/zibbet.svg").find("<svg"), std::string::npos);
}

} // namespace
