// PuzzleRender.cpp: a puzzle drawn the way the game draws it, from the pictures of a built pack.
#include "PuzzleRender.h"

#include "Lettering.h"
#include "PackListing.h"
#include "ScriptReader.h"
#include "Sketch.h"
#include "StageKit.h"
#include "engine/core/FileIo.h"
#include "engine/video/GifDecoder.h"
#include "engine/video/JpegDecoder.h"
#include "game/board/BalloonBoard.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kThumbWidth = 320;
constexpr int kThumbHeight = 240;
constexpr int kLabelHeight = 22;

// Decoded with the game's own loaders (JPEG first, then GIF), every pixel opaque.
std::optional<Raster> decode(const std::map<std::string, std::vector<uint8_t>>& files, std::string name) {
    for (char& c : name) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    const auto found = files.find(name);
    if (found == files.end()) {
        return std::nullopt;
    }
    auto picture = decodeJpeg(found->second);
    if (!picture) {
        picture = decodeGif(found->second);
    }
    if (!picture) {
        return std::nullopt;
    }
    Raster raster(picture->width, picture->height);
    for (int y = 0; y < picture->height; ++y) {
        for (int x = 0; x < picture->width; ++x) {
            raster.set(x, y, 0xFF000000 | picture->pixels[static_cast<std::size_t>(y) * picture->width + x]);
        }
    }
    return raster;
}

// Box-filtered reduction by a whole factor.
Raster shrunk(const Raster& source, int factor) {
    Raster out(source.width() / factor, source.height() / factor);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            uint32_t sum[4] = {};
            for (int dy = 0; dy < factor; ++dy) {
                for (int dx = 0; dx < factor; ++dx) {
                    const uint32_t p = source.at(x * factor + dx, y * factor + dy);
                    for (int k = 0; k < 4; ++k) {
                        sum[k] += (p >> (8 * k)) & 0xFF;
                    }
                }
            }
            uint32_t p = 0;
            for (int k = 0; k < 4; ++k) {
                p |= (sum[k] / static_cast<uint32_t>(factor * factor)) << (8 * k);
            }
            out.set(x, y, p);
        }
    }
    return out;
}

} // namespace

PackPictures::~PackPictures() = default;

std::unique_ptr<PackPictures> PackPictures::open(const std::filesystem::path& dataDir, std::string& error) {
    const auto pack = readFileBytes(dataDir / "resources.dat", std::size_t{512} << 20);
    if (!pack) {
        error = "cannot read " + (dataDir / "resources.dat").string();
        return nullptr;
    }
    auto files = listPack(*pack);
    if (!files) {
        error = (dataDir / "resources.dat").string() + " is not a resource pack";
        return nullptr;
    }
    const auto script = files->find("resource.txt");
    if (script == files->end()) {
        error = "the pack holds no resource.txt";
        return nullptr;
    }
    std::unique_ptr<PackPictures> pictures(new PackPictures);
    pictures->m_entries = readScript(std::string(script->second.begin(), script->second.end()));
    pictures->m_files = std::move(*files);
    return pictures;
}

const Raster* PackPictures::image(const std::string& name) {
    auto cached = m_images.find(name);
    if (cached == m_images.end()) {
        std::optional<Raster> picture;
        for (const ScriptEntry& e : m_entries) {
            if (e.keyword != "IMAGE" || e.name != name || e.parameters.empty()) {
                continue;
            }
            picture = decode(m_files, e.parameters[0].fileName());
            if (picture && e.parameters.size() >= 2) {
                if (const auto mask = decode(m_files, e.parameters[1].fileName())) {
                    for (std::size_t i = 0; i < std::min(picture->pixels().size(), mask->pixels().size());
                         ++i) {
                        picture->pixels()[i] = (picture->pixels()[i] & 0x00FFFFFF) |
                                               (static_cast<uint32_t>(blueOf(mask->pixels()[i])) << 24);
                    }
                }
            }
            break;
        }
        cached = m_images.emplace(name, std::move(picture)).first;
    }
    return cached->second ? &*cached->second : nullptr;
}

Raster renderPuzzle(PackPictures& pictures, const PuzzleLevel& level, int background) {
    char act[16];
    std::snprintf(act, sizeof act, "act%02d", background);
    Raster screen(640, 480, 0xFF1A1440);
    if (const Raster* backdrop = pictures.image(act)) {
        screen.composite(*backdrop, 0, 0);
    }
    constexpr int kOriginX = BalloonBoard::kPlayOriginX;
    constexpr int kOriginY = BalloonBoard::kPlayOriginY;
    for (int column = 0; column < puzzle::kColumns; ++column) {
        // The puzzle board's fixed arch: 2 |columns / 2 - slot| pixels down.
        const int arch =
            static_cast<int>(2.0f * std::fabs(0.5f * puzzle::kColumns - static_cast<float>(column)));
        for (int row = 0; row < puzzle::kRows; ++row) {
            const CellContent cell = level.cell(row, column);
            if (cell.colour < 0) {
                continue;
            }
            const int x = kOriginX + BalloonBoard::kColumnPitch * column;
            const int y = kOriginY + arch + BalloonBoard::kRowPitch * row;
            if (const Raster* balloon = pictures.image("balloon" + std::to_string(cell.colour))) {
                screen.composite(*balloon, x, y);
            }
            if (cell.prizeKind >= 0) {
                if (const Raster* prize = pictures.image("prize" + std::to_string(cell.prizeKind))) {
                    screen.composite(*prize, x + 14 - prize->width() / 2, y + 18 - prize->height() / 2);
                }
            }
        }
    }
    for (int slot = 0; slot < puzzle::kFloorSlots; ++slot) {
        if (level.target(slot) < 0) {
            continue;
        }
        if (const Raster* target = pictures.image("target" + std::to_string(level.target(slot)))) {
            screen.composite(*target, kOriginX + BalloonBoard::kColumnPitch * slot, 414);
        }
    }
    return screen;
}

Raster renderContactSheet(PackPictures& pictures, const std::vector<PuzzleLevel>& levels,
                          const std::vector<int>& backgrounds, const std::vector<std::string>& labels) {
    constexpr int kPerRow = 6;
    const int rows = static_cast<int>((levels.size() + kPerRow - 1) / kPerRow);
    Sketch sheet(kPerRow * kThumbWidth, rows * (kThumbHeight + kLabelHeight));
    cairo_t* cr = sheet.cr();
    cairo_set_source_rgb(cr, 0.1, 0.08, 0.2);
    cairo_paint(cr);
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const double x = static_cast<double>(i % kPerRow) * kThumbWidth;
        const double y = static_cast<double>(i / kPerRow) * (kThumbHeight + kLabelHeight);
        sheet.drawRaster(shrunk(renderPuzzle(pictures, levels[i], backgrounds[i]), 2), x, y);
        drawText(cr, captionStyle(13), i < labels.size() ? labels[i] : "", x + 6, y + kThumbHeight + 16);
    }
    return sheet.toRaster();
}
