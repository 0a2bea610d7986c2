// PuzzleRender.h: a puzzle drawn the way the game draws it, from the pictures of a built pack.
#pragma once

#include "Raster.h"
#include "game/puzzle/PuzzleLevel.h"

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct ScriptEntry;

// The pictures of a data directory's "resource.txt" and "resources.dat", decoded on first use.
class PackPictures {
public:
    // Nothing when the script or the pack cannot be read.
    static std::unique_ptr<PackPictures> open(const std::filesystem::path& dataDir, std::string& error);
    ~PackPictures();

    // The IMAGE entry's picture with its mask as alpha; nothing when it is missing.
    const Raster* image(const std::string& name);

private:
    PackPictures() = default;
    std::vector<ScriptEntry> m_entries;
    std::map<std::string, std::vector<uint8_t>> m_files;
    std::map<std::string, std::optional<Raster>> m_images;
};

// The 640 x 480 screen of the puzzle: its background ("actNN"), the balloons on the board at
// (174, 16) in the board's fixed arch, the prize each carries, and the floor targets at (174, 414).
Raster renderPuzzle(PackPictures& pictures, const PuzzleLevel& level, int background);

// All puzzles as labelled thumbnails, six to a row (one row per page of the selector).
Raster renderContactSheet(PackPictures& pictures, const std::vector<PuzzleLevel>& levels,
                          const std::vector<int>& backgrounds, const std::vector<std::string>& labels);
