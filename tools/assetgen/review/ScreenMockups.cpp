// ScreenMockups.cpp: whole screens put together from a generated pack, the way the game draws them.
#include "ScreenMockups.h"

#include "GifReader.h"
#include "GlyphTable.h"
#include "ImageAsset.h"
#include "JpegCodec.h"
#include "ScriptReader.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <sstream>

namespace {

class Pack {
public:
    Pack(const std::string& script, const PackFiles& files)
        : m_entries(readScript(script))
        , m_files(files) {}

    const Raster& image(const std::string& name) {
        auto cached = m_images.find(name);
        if (cached == m_images.end()) {
            cached = m_images.emplace(name, load(name).value_or(Raster(1, 1))).first;
        }
        return cached->second;
    }

    struct Font {
        Raster sheet;
        ParsedGlyphTable table;
        double tracking = 0.0;
        int spaceWidth = 12;
    };

    Font font(const std::string& name) {
        Font f;
        for (const ScriptEntry& e : m_entries) {
            if (e.keyword == "FONT" && e.name == name && e.parameters.size() >= 2) {
                f.sheet = image(e.parameters[0].text);
                const auto table = m_files.find(lowerCased(e.parameters[1].fileName()));
                if (table != m_files.end()) {
                    f.table = parseGlyphTable(std::string(table->second.begin(), table->second.end()));
                }
            }
        }
        if (name == "font_generic" || name == "font_dlg_head" || name == "font_dlg_med") {
            f.tracking = -2.0;
        } else if (name == "font_dlg_small" || name == "font_score") {
            f.tracking = -1.8;
        }
        return f;
    }

private:
    std::optional<Raster> decode(const std::string& file) const {
        const auto found = m_files.find(lowerCased(file));
        if (found == m_files.end()) {
            return std::nullopt;
        }
        auto jpeg = decodeJpegRaster(found->second);
        return jpeg ? jpeg : decodeGifRaster(found->second);
    }

    std::optional<Raster> load(const std::string& name) const {
        for (const ScriptEntry& e : m_entries) {
            if (e.keyword != "IMAGE" || e.name != name || e.parameters.empty()) {
                continue;
            }
            auto picture = decode(e.parameters[0].fileName());
            if (picture && e.parameters.size() >= 2) {
                if (const auto mask = decode(e.parameters[1].fileName())) {
                    for (std::size_t i = 0; i < std::min(picture->pixels().size(), mask->pixels().size());
                         ++i) {
                        picture->pixels()[i] = (picture->pixels()[i] & 0x00FFFFFF) |
                                               (static_cast<uint32_t>(blueOf(mask->pixels()[i])) << 24);
                    }
                }
            }
            return picture;
        }
        return std::nullopt;
    }

    std::vector<ScriptEntry> m_entries;
    const PackFiles& m_files;
    std::map<std::string, Raster> m_images;
};

enum class TextAlign { Left, Right, Centre };

double textWidth(const Pack::Font& font, const std::string& text) {
    double width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto code = static_cast<unsigned char>(text[i]);
        if (code == ' ') {
            width += font.spaceWidth;
        }
        if (code < 128 && font.table.glyphs[code]) {
            width += font.table.glyphs[code]->width + (i + 1 < text.size() ? font.tracking : 0.0);
        }
    }
    return width;
}

// The game's text drawing: y is the centre of the line, x by the alignment.
void drawString(Raster& target, const Pack::Font& font, const std::string& text, int x, int y,
                TextAlign align, double opacity = 1.0) {
    double pen = x;
    const double width = textWidth(font, text);
    if (align == TextAlign::Centre) {
        pen -= width * 0.5;
    } else if (align == TextAlign::Right) {
        pen -= width;
    }
    const int top = y - font.table.lineHeight / 2;
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code == ' ') {
            pen += font.spaceWidth;
        }
        if (code < 128 && font.table.glyphs[code]) {
            const GlyphCell& g = *font.table.glyphs[code];
            Raster glyph = font.sheet.cropped(g.left, g.top, g.width, g.height);
            if (opacity < 1.0) {
                for (uint32_t& p : glyph.pixels()) {
                    p = (p & 0x00FFFFFF) | (static_cast<uint32_t>(alphaOf(p) * opacity) << 24);
                }
            }
            target.composite(glyph, static_cast<int>(std::ceil(pen)), top);
            pen += g.width + font.tracking;
        }
    }
}

// Stretched nine-slice: corners copied, edges repeated one pixel at a time, inside filled
// with the template's centre pixel.
Raster stretchedNineSlice(const Raster& t, int corner, int width, int height) {
    Raster out(width, height);
    const int c = corner;
    for (int y = 0; y < height; ++y) {
        const int sy = y < c ? y : (y >= height - c ? t.height() - (height - y) : t.height() / 2);
        for (int x = 0; x < width; ++x) {
            const int sx = x < c ? x : (x >= width - c ? t.width() - (width - x) : t.width() / 2);
            out.set(x, y, t.at(sx, sy));
        }
    }
    return out;
}

// Tiled: corners, edges in steps of c, the inside tiled with the centre c x c block.
Raster tiledDialog(const Raster& t, int width, int height) {
    const int c = t.width() / 3;
    Raster out(width, height);
    auto source = [&](int pos, int size) {
        if (pos < c) {
            return pos;
        }
        if (pos >= size - c) {
            return 2 * c + (pos - (size - c));
        }
        return c + (pos - c) % c;
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            out.set(x, y, t.at(source(x, width), source(y, height)));
        }
    }
    return out;
}

struct DialogButton {
    std::string caption;
    int cx, cy, w, h;
    bool isDefault;
};

// A dialog image composed by the dialog rules, drawn centred on (cx, cy) over a dimmed screen.
void drawDialog(Raster& screen, Pack& pack, int cx, int cy, int w, int h, const std::string& title,
                const std::string& message, const std::vector<DialogButton>& buttons, double dim) {
    for (uint32_t& p : screen.pixels()) {
        auto darken = [dim](uint8_t v) { return static_cast<uint32_t>(v * (1.0 - dim)); };
        p = packArgb(255, darken(redOf(p)), darken(greenOf(p)), darken(blueOf(p)));
    }
    Raster dialog = tiledDialog(pack.image("dialog_box_template"), w, h);
    const Pack::Font head = pack.font("font_dlg_head");
    const Pack::Font med = pack.font("font_dlg_med");
    drawString(dialog, head, title, w / 2, 36, TextAlign::Centre);
    const int ruleY = head.table.lineHeight / 2 + 33;
    for (int x = 20; x < w - 20; ++x) {
        dialog.set(x, ruleY, packArgb(255, 255, 204, 0));
        if (x + 1 < w) {
            dialog.set(x + 1, ruleY + 1, packArgb(255, 0, 0, 0));
        }
    }
    int lowest = h;
    const Raster& face = pack.image("button_template");
    const Raster& outline = pack.image("default_button_template");
    for (const DialogButton& b : buttons) {
        const int bw = b.w;
        const int bh = b.h + 5;
        const int left = b.cx - bw / 2;
        const int top = b.cy - bh / 2;
        lowest = std::min(lowest, top);
        if (b.isDefault) {
            dialog.composite(stretchedNineSlice(outline, outline.width() / 3, bw + 6, bh + 6), left - 3,
                             top - 3);
        }
        dialog.composite(stretchedNineSlice(face, face.width() / 3, bw, bh), left, top);
        drawString(dialog, med, b.caption, b.cx, b.cy + 3, TextAlign::Centre);
    }
    std::vector<std::string> lines;
    std::stringstream stream(message);
    for (std::string line; std::getline(stream, line, '\n');) {
        lines.push_back(line);
    }
    const int t = head.table.lineHeight;
    const int m = med.table.lineHeight;
    const int s = lowest - t - 30;
    const int n = static_cast<int>(lines.size());
    int y = n == 1 ? (lowest - t / 2 - 30) / 2 + t / 2 + 30
                   : t + s / 2 + 30 - static_cast<int>(m * (n - 1) * 0.5);
    for (const std::string& line : lines) {
        drawString(dialog, med, line, w / 2, y, TextAlign::Centre);
        y += m;
    }
    screen.composite(dialog, cx - w / 2, cy - h / 2);
}

Raster classicScene(Pack& pack) {
    Raster screen = pack.image("main");
    constexpr int board[8][15] = {
        {0, 1, 1, 2, 3, 3, 4, 5, 5, 0, 2, 2, 1, 4, 3}, {0, 0, 1, 2, 3, 4, 4, 5, 0, 0, 2, 1, 1, 4, 3},
        {5, 0, 2, 2, 1, 4, 3, 5, 0, 3, 3, 1, 4, 4, 2}, {5, 5, 2, 0, 1, 1, 3, 2, 2, 3, 0, 0, 4, 5, 2},
        {4, 5, 3, 0, 0, 1, 2, 2, 4, 4, 0, 5, 5, 5, 1}, {4, 3, 3, 1, 0, 2, 2, 4, 4, 1, 5, 3, 3, 2, 1},
        {2, 3, 1, 1, 5, 5, 0, 0, 1, 1, 5, 3, 2, 2, 0}, {2, 2, 4, 1, 5, 0, 0, 3, 3, 1, 4, 4, 2, 0, 0}};
    for (int c = 0; c < 15; ++c) {
        const int rows = c == 6 || c == 7 ? 5 : 8;
        for (int r = 0; r < rows; ++r) {
            const int x = 174 + 28 * c;
            const int y = 16 + 37 * r + 2 * std::abs(7 - c);
            const bool pressed = board[r][c] == 2 && c >= 10 && c <= 12 && r <= 3;
            screen.composite(
                pack.image((pressed ? "balloon_press" : "balloon") + std::to_string(board[r][c])), x, y);
            if ((r == 5 && c == 3) || (r == 7 && c == 9) || (r == 6 && c == 13)) {
                Raster marker = pack.image("prize");
                for (uint32_t& p : marker.pixels()) {
                    p = (p & 0x00FFFFFF) | (static_cast<uint32_t>(alphaOf(p) * 0.7) << 24);
                }
                screen.composite(marker, x + 4, y + 4);
            }
        }
    }
    for (int i = 0; i < 3; ++i) {
        const Raster& present = pack.image("present0_" + std::to_string(i));
        screen.composite(present, 194 + 30 * i - present.width() / 2, 436 - present.height() / 2);
    }
    const Raster& para = pack.image("para");
    const Raster& falling = pack.image("present0_3");
    screen.composite(para, 300 - para.width() / 2, 300 - para.height() * 10 / 11);
    screen.composite(falling, 300 - falling.width() / 2, 300 - falling.height() / 2);
    screen.composite(pack.image("spike_pos1_02"), 0, 144);
    drawString(screen, pack.font("font_score"), "12,340", 521, 461, TextAlign::Left);
    drawString(screen, pack.font("font_score"), "+150", 420, 180, TextAlign::Left);
    const Pack::Font med = pack.font("font_dlg_med");
    const Pack::Font head = pack.font("font_dlg_head");
    screen.composite(para, 384 - para.width() / 2, 92 - para.height() - 7);
    drawString(screen, med, "Super Pop!  14 Balloons!", 384, 92 + med.table.lineHeight / 2,
               TextAlign::Centre);
    drawString(screen, head, "1,000 Bonus!", 384, 92 + med.table.lineHeight + 2 + head.table.lineHeight / 2,
               TextAlign::Centre);
    screen.composite(pack.image("cursor"), 470, 150);
    return screen;
}

Raster actionScene(Pack& pack) {
    Raster screen = pack.image("main3");
    for (int c = 0; c < 15; ++c) {
        const int rows = 3 + (c * 7) % 5;
        for (int r = 0; r < rows; ++r) {
            const int colour = (c == 7 && r == 1) || (c == 8 && r == 1) ? 6 : (c * 3 + r * 5 + r * c) % 5;
            screen.composite(pack.image("balloon" + std::to_string(colour)), 174 + 28 * c, 90 + 37 * r);
        }
        Raster preview = pack.image("balloon_inflate" + std::to_string((c * 2) % 5) + "_4");
        for (uint32_t& p : preview.pixels()) {
            p = (p & 0x00FFFFFF) | (static_cast<uint32_t>(alphaOf(p) * 0.7) << 24);
        }
        screen.composite(preview, 174 + 28 * c, 53);
    }
    const Raster& meter = pack.image("meter");
    screen.composite(meter.cropped(0, 0, meter.width() * 3 / 5, meter.height()), 149, 8);
    screen.composite(pack.image("cord"), 10, -40);
    screen.composite(pack.image("spike_cordpull02"), 0, 144);
    drawString(screen, pack.font("font_score"), "3", 102, 73, TextAlign::Centre);
    drawString(screen, pack.font("font_score"), "8,765", 509, 461, TextAlign::Left);
    return screen;
}

Raster loadingScreen(Pack& pack) {
    Raster screen(640, 480, 0xFF000000);
    Raster title = pack.image("title");
    for (uint32_t& p : title.pixels()) {
        p = (p & 0x00FFFFFF) | (static_cast<uint32_t>(255 * 0.4) << 24);
    }
    screen.composite(title, 0, 0);
    drawString(screen, pack.font("font_dlg_head"), "Loading 2%", 320, 240, TextAlign::Centre);
    return screen;
}

Raster titleHover(Pack& pack) {
    Raster screen = pack.image("title");
    const Raster& strip = pack.image("buttons");
    // Hovering the Puzzle button: its lit face and the mascot's Puzzle frame.
    screen.composite(strip.cropped(152, 223 - 222, 131, 148), 152, 223);
    screen.composite(pack.image("spike_title").cropped(140, 0, 70, 83), 486, 159);
    screen.composite(pack.image("cursor"), 220, 300);
    return screen;
}

Raster optionsPanel(Pack& pack) {
    Raster screen = pack.image("title");
    const int w = 360;
    const int h = 470;
    const int left = 320 - 180;
    const int top = 240 - h / 2;
    drawDialog(screen, pack, 320, 240, w, h, "OPTIONS", "", {{"OK", 180, h - 45, 120, 25, true}}, 0.5);
    Pack::Font med = pack.font("font_dlg_med");
    med.spaceWidth = 4;
    const Raster& track = pack.image("slider_template");
    for (const auto& [x, y, tw] :
         std::vector<std::array<int, 3>>{{155, 75, 170}, {155, 115, 170}, {160, 310, 157}}) {
        screen.composite(stretchedNineSlice(track, track.width() / 2, tw, 6), left + x, top + y);
        const Raster& knob = pack.image("tab_slides");
        screen.composite(knob, left + x + tw * 2 / 3 - knob.width() / 2, top + y + 3 - knob.height() / 2);
    }
    const Raster& box = pack.image("checkbox");
    const int fw = box.width() / 3;
    auto tick = [&](int x, int y, int state) {
        screen.composite(box.cropped(state * fw, 0, fw, box.height()), left + x - fw / 2,
                         top + y - box.height() / 2);
    };
    tick(168, 268, 1);
    tick(218, 268, 0);
    tick(268, 268, 0);
    tick(35, 152, 0);
    tick(35, 177, 2);
    tick(35, 202, 1);
    const std::vector<std::tuple<std::string, int, int>> labels = {{"Music", 25, 76},
                                                                   {"Sound Effects", 25, 116},
                                                                   {"Full Screen", 60, 155},
                                                                   {"Millions of Colors", 60, 180},
                                                                   {"Enhanced Cursor", 60, 205},
                                                                   {"Skill Level", 25, 271},
                                                                   {"1", 187, 271},
                                                                   {"2", 237, 271},
                                                                   {"3", 287, 271},
                                                                   {"Colors: 5", 25, 312},
                                                                   {"Prizes", 25, 364}};
    for (const auto& [text, x, y] : labels) {
        drawString(screen, med, text, left + x, top + y, TextAlign::Left);
    }
    drawString(screen, med, "Following options take effect next game.", left + 180, top + 236,
               TextAlign::Centre);
    for (int x = 40; x < 320; ++x) {
        screen.set(left + x, top + 244, packArgb(255, 255, 230, 0));
    }
    for (int k = 0; k < 6; ++k) {
        const Raster& present = pack.image("present2_" + std::to_string(k));
        screen.composite(present, 265 + 30 * k - 12, 340);
    }
    screen.composite(pack.image("sprev_button"), left + 110 - 16, top + 365 - 16);
    screen.composite(pack.image("snext_button_over"), left + 320 - 16, top + 365 - 16);
    return screen;
}

} // namespace

std::vector<std::pair<std::string, Raster>> makeScreenMockups(const std::string& script,
                                                              const PackFiles& files) {
    Pack pack(script, files);
    std::vector<std::pair<std::string, Raster>> screens;
    Raster classic = classicScene(pack);
    screens.emplace_back("Classic game", classic);
    drawDialog(classic, pack, 320, 240, 470, 220, "NEW GAME",
               "This will end your current game.\nAre you sure?",
               {{"YES", 156, 170, 100, 40, true}, {"NO", 313, 170, 100, 40, false}}, 0.5);
    screens.emplace_back("Classic game with the new-game question", classic);
    screens.emplace_back("Action round", actionScene(pack));
    screens.emplace_back("Loading screen", loadingScreen(pack));
    screens.emplace_back("Title, Puzzle hovered", titleHover(pack));
    screens.emplace_back("Options panel", optionsPanel(pack));
    Raster help = pack.image("main");
    drawDialog(help, pack, 320, 240, 600, 440, "Help", "",
               {{"Prev Page", 110, 390, 140, 40, false},
                {"OK", 300, 390, 132, 40, true},
                {"Next Page", 490, 390, 140, 40, false}},
               0.5);
    const Raster& page = pack.image("ins2");
    help.composite(page, 320 - pack.image("ins1").width() / 2, 240 - pack.image("ins2").height() / 2 - 12);
    screens.emplace_back("Help page 2 in its dialog", help);
    return screens;
}
