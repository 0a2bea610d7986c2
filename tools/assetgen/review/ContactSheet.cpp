// ContactSheet.cpp: review sheets made from a generated pack, decoded the way the game reads it.
#include "ContactSheet.h"

#include "ColourVision.h"
#include "GifReader.h"
#include "GlyphTable.h"
#include "ImageAsset.h"
#include "JpegCodec.h"
#include "Lettering.h"
#include "Palette.h"
#include "ScreenMockups.h"
#include "ScriptReader.h"
#include "Sketch.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace {

constexpr int kSheetWidth = 1800;
constexpr int kGap = 14;
constexpr int kLabelHeight = 16;

std::optional<Raster> decodePicture(const PackFiles& files, const std::string& file) {
    const auto found = files.find(lowerCased(file));
    if (found == files.end()) {
        return std::nullopt;
    }
    if (auto jpeg = decodeJpegRaster(found->second)) {
        return jpeg;
    }
    return decodeGifRaster(found->second);
}

// An IMAGE entry as the game builds it: the picture, with the mask's blue byte as alpha.
std::optional<Raster> decodeEntry(const ScriptEntry& entry, const PackFiles& files) {
    if (entry.parameters.empty() || entry.parameters[0].kind != TokenKind::File) {
        return std::nullopt;
    }
    auto picture = decodePicture(files, entry.parameters[0].fileName());
    if (!picture) {
        return std::nullopt;
    }
    if (entry.parameters.size() >= 2 && entry.parameters[1].kind == TokenKind::File) {
        const auto mask = decodePicture(files, entry.parameters[1].fileName());
        if (!mask) {
            return std::nullopt;
        }
        const std::size_t n = std::min(picture->pixels().size(), mask->pixels().size());
        for (std::size_t i = 0; i < n; ++i) {
            const uint32_t p = picture->pixels()[i];
            picture->pixels()[i] =
                (p & 0x00FFFFFF) | (static_cast<uint32_t>(blueOf(mask->pixels()[i])) << 24);
        }
    }
    return picture;
}

void checkerboard(cairo_t* cr, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    for (double cy = y; cy < y + h; cy += 8) {
        for (double cx = x; cx < x + w; cx += 8) {
            const bool dark = (static_cast<int>((cx - x) / 8) + static_cast<int>((cy - y) / 8)) % 2 == 0;
            cairo_rectangle(cr, cx, cy, 8, 8);
            cairo_set_source_rgb(cr, dark ? 0.62 : 0.8, dark ? 0.62 : 0.8, dark ? 0.66 : 0.84);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
}

TextStyle labelStyle() {
    TextStyle style;
    style.face = Typeface::Plain;
    style.size = 10.5;
    style.top = Colour::hex(0xE8E8F0);
    style.bottom = Colour::hex(0xE8E8F0);
    return style;
}

struct Tile {
    std::string label;
    std::optional<Raster> picture;
    int width;
    int height;
};

// Places tiles left to right in rows; returns the y below the last row.
int layoutTiles(Sketch* sketch, const std::vector<Tile>& tiles, int top) {
    Sketch probe(4, 4);
    int x = kGap;
    int y = top;
    int rowHeight = 0;
    for (const Tile& tile : tiles) {
        const int labelWidth =
            static_cast<int>(std::ceil(measureText(probe.cr(), labelStyle(), tile.label).width));
        const int w = std::max(tile.width, labelWidth);
        if (x + w > kSheetWidth - kGap) {
            x = kGap;
            y += rowHeight + kLabelHeight + kGap;
            rowHeight = 0;
        }
        if (sketch != nullptr) {
            cairo_t* cr = sketch->cr();
            if (tile.picture) {
                checkerboard(cr, x, y, tile.width, tile.height);
                sketch->drawRaster(*tile.picture, x, y);
            } else {
                cairo_rectangle(cr, x, y, tile.width, tile.height);
                cairo_set_source_rgb(cr, 0.8, 0.1, 0.1);
                cairo_fill(cr);
            }
            drawText(cr, labelStyle(), tile.label, x, y + tile.height + 12, Align::Left);
        }
        x += w + kGap;
        rowHeight = std::max(rowHeight, tile.height);
    }
    return y + rowHeight + kLabelHeight + kGap;
}

// One line of text set the way the game's bitmap fonts set it.
Raster setText(const Raster& sheet, const ParsedGlyphTable& table, const std::string& text, double tracking,
               int spaceWidth) {
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
    Raster out(static_cast<int>(std::ceil(width)) + 4, std::max(table.lineHeight, 1));
    double pen = 0;
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code == ' ') {
            pen += spaceWidth;
        }
        if (code < 128 && table.glyphs[code]) {
            const GlyphCell& g = *table.glyphs[code];
            out.composite(sheet.cropped(g.left, g.top, g.width, g.height), static_cast<int>(std::ceil(pen)),
                          0);
            pen += g.width + tracking;
        }
    }
    return out;
}

double startupTracking(const std::string& font) {
    if (font == "font_generic" || font == "font_dlg_head" || font == "font_dlg_med") {
        return -2.0;
    }
    if (font == "font_dlg_small" || font == "font_score") {
        return -1.8;
    }
    return 0.0;
}

std::vector<Tile> fontSpecimens(const std::vector<ScriptEntry>& entries, const PackFiles& files) {
    std::vector<Tile> tiles;
    for (const ScriptEntry& font : entries) {
        if (font.keyword != "FONT" || font.parameters.size() < 2) {
            continue;
        }
        const auto sheetEntry = std::find_if(entries.begin(), entries.end(), [&](const ScriptEntry& e) {
            return e.name == font.parameters[0].text;
        });
        const auto tableFile = files.find(lowerCased(font.parameters[1].fileName()));
        if (sheetEntry == entries.end() || tableFile == files.end()) {
            tiles.push_back({font.name + ": sheet or table missing", std::nullopt, 300, 20});
            continue;
        }
        const auto sheet = decodeEntry(*sheetEntry, files);
        const ParsedGlyphTable table =
            parseGlyphTable(std::string(tableFile->second.begin(), tableFile->second.end()));
        if (!sheet) {
            tiles.push_back({font.name + ": sheet does not decode", std::nullopt, 300, 20});
            continue;
        }
        const double tracking = startupTracking(font.name);
        const std::vector<std::string> samples = {
            "NEW GAME  You Got a High Score!  Loading 42%", "The quick brown fox jumps over the lazy dog.",
            "1,234,567  (5,000)  +150  -20  Puzzle 17: \"Tulip Twirl\" solved in 9 clicks.",
            "!\"#$%&'()*+,-./0123456789:;<=>?@[\\]^_`{|}~"};
        for (const std::string& sample : samples) {
            const Raster line = setText(*sheet, table, sample, tracking, 12);
            tiles.push_back({font.name + "  (tracking " + std::to_string(tracking).substr(0, 4) + ", line " +
                                 std::to_string(table.lineHeight) + ")",
                             line, line.width(), line.height()});
        }
        if (font.name == "font_dlg_med") {
            const Raster narrow =
                setText(*sheet, table, "Sound Effects  Millions of Colors  Enhanced Cursor", tracking, 4);
            tiles.push_back({"font_dlg_med after the options panel (space width 4)", narrow, narrow.width(),
                             narrow.height()});
        }
    }
    return tiles;
}

} // namespace

Raster makeContactSheet(const std::string& script, const PackFiles& files) {
    const std::vector<ScriptEntry> entries = readScript(script);
    std::vector<Tile> tiles;
    for (const ScriptEntry& entry : entries) {
        if (entry.keyword != "IMAGE") {
            continue;
        }
        auto picture = decodeEntry(entry, files);
        char size[32] = "?";
        if (picture) {
            std::snprintf(size, sizeof size, "%dx%d", picture->width(), picture->height());
        }
        const int w = picture ? picture->width() : 40;
        const int h = picture ? picture->height() : 40;
        const bool masked = entry.parameters.size() >= 2;
        tiles.push_back({entry.name + " " + size + (masked ? "" : " opaque"), std::move(picture), w, h});
    }
    const std::vector<Tile> fonts = fontSpecimens(entries, files);
    std::vector<Tile> screens;
    for (auto& [label, picture] : makeScreenMockups(script, files)) {
        const int w = picture.width();
        const int h = picture.height();
        screens.push_back({label, std::move(picture), w, h});
    }
    const int screensEnd = layoutTiles(nullptr, screens, kGap + 30);
    const int imagesEnd = layoutTiles(nullptr, tiles, screensEnd + 40);
    const int height = layoutTiles(nullptr, fonts, imagesEnd + 40);
    Sketch sheet(kSheetWidth, height);
    cairo_t* cr = sheet.cr();
    cairo_set_source_rgb(cr, 0.16, 0.15, 0.22);
    cairo_paint(cr);
    TextStyle heading = labelStyle();
    heading.size = 18;
    drawText(cr, heading, "Zibbet: screens put together from the pack as the game draws them", kGap, 30);
    layoutTiles(&sheet, screens, kGap + 30);
    drawText(cr, heading, "Every image of the pack (" + std::to_string(tiles.size()) + " entries)", kGap,
             screensEnd + 30);
    layoutTiles(&sheet, tiles, screensEnd + 40);
    drawText(cr, heading, "Fonts, set with the game's spacing rules", kGap, imagesEnd + 30);
    layoutTiles(&sheet, fonts, imagesEnd + 40);
    Raster out = sheet.toRaster();
    for (uint32_t& p : out.pixels()) {
        p |= 0xFF000000;
    }
    return out;
}

Raster makeColourVisionSheet(const std::string& script, const PackFiles& files) {
    const std::vector<ScriptEntry> entries = readScript(script);
    auto image = [&](const std::string& name) -> std::optional<Raster> {
        for (const ScriptEntry& e : entries) {
            if (e.keyword == "IMAGE" && e.name == name) {
                return decodeEntry(e, files);
            }
        }
        return std::nullopt;
    };
    // A sample scene: all balloons, pressed balloons, and a board patch, on the board's velvet.
    constexpr int kScale = 2;
    Sketch scene(560, 250);
    cairo_set_source_rgb(scene.cr(), world::kVelvetDeep.r, world::kVelvetDeep.g, world::kVelvetDeep.b);
    cairo_paint(scene.cr());
    for (int c = 0; c <= kGoldColour; ++c) {
        if (auto b = image("balloon" + std::to_string(c))) {
            Sketch big(b->width() * kScale, b->height() * kScale);
            cairo_scale(big.cr(), kScale, kScale);
            big.drawRaster(*b, 0, 0);
            scene.drawRaster(big.toRaster(), 8 + c * 60, 6);
        }
        if (auto b = image("balloon_press" + std::to_string(c))) {
            scene.drawRaster(*b, 20 + c * 60, 88);
        }
    }
    constexpr int board[3][15] = {{0, 1, 2, 3, 4, 5, 0, 0, 2, 2, 5, 4, 3, 1, 1},
                                  {3, 3, 4, 1, 0, 2, 5, 6, 6, 1, 0, 4, 5, 2, 3},
                                  {5, 4, 0, 2, 1, 3, 4, 3, 1, 0, 2, 5, 5, 4, 0}};
    for (int r = 0; r < 3; ++r) {
        for (int col = 0; col < 15; ++col) {
            if (auto b = image("balloon" + std::to_string(board[r][col]))) {
                scene.drawRaster(*b, 10 + col * 28, 134 + r * 37);
            }
        }
    }
    const Raster original = scene.toRaster();

    Sketch sheet(600, 4 * 300);
    cairo_t* cr = sheet.cr();
    cairo_set_source_rgb(cr, 0.16, 0.15, 0.22);
    cairo_paint(cr);
    for (std::size_t v = 0; v < kAllVisions.size(); ++v) {
        const Vision vision = kAllVisions[v];
        Raster seen = original;
        for (uint32_t& p : seen.pixels()) {
            const Colour c =
                simulateVision(Colour{redOf(p) / 255.0, greenOf(p) / 255.0, blueOf(p) / 255.0}, vision);
            p = 0xFF000000 | c.toRgb24();
        }
        double smallest = 1e9;
        for (int a = 0; a < kOrdinaryColourCount; ++a) {
            for (int b = a + 1; b < kOrdinaryColourCount; ++b) {
                smallest =
                    std::min(smallest, deltaE2000(toLab(simulateVision(kBalloonColours[a].body, vision)),
                                                  toLab(simulateVision(kBalloonColours[b].body, vision))));
            }
        }
        char title[128];
        std::snprintf(title, sizeof title, "%s: closest pair of the six colours %.1f CIEDE2000",
                      std::string(visionName(vision)).c_str(), smallest);
        TextStyle heading = labelStyle();
        heading.size = 15;
        drawText(cr, heading, title, 20, v * 300.0 + 26);
        sheet.drawRaster(seen, 20, v * 300.0 + 38);
    }
    Raster out = sheet.toRaster();
    for (uint32_t& p : out.pixels()) {
        p |= 0xFF000000;
    }
    return out;
}
