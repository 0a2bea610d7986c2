// MoveRecordFile.cpp: "puzzle.rec", the best click sequence of every puzzle, 102 blocks of 360 bytes.
#include "MoveRecordFile.h"

#include "engine/core/FileIo.h"
#include "engine/core/ksLog.h"

#include <algorithm>
#include <system_error>

namespace {

// Whatever was read, as exactly one file's worth: blank past the end of a short read.
std::vector<uint8_t> fitted(const std::vector<uint8_t>& read) {
    std::vector<uint8_t> bytes = blankMoveRecordBytes();
    std::copy_n(read.begin(), std::min(read.size(), bytes.size()), bytes.begin());
    return bytes;
}

bool isRegularFile(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(std::filesystem::symlink_status(path, ec));
}

} // namespace

std::vector<uint8_t> blankMoveRecordBytes() {
    return std::vector<uint8_t>(puzzle::kMoveRecordFileBytes, MoveRecord::kEnd);
}

std::vector<uint8_t> loadMoveRecordFile(const std::filesystem::path& dataDir,
                                        const std::filesystem::path& shippedFile) {
    const std::filesystem::path own = dataDir / puzzle::kMoveRecordFileName;
    if (isRegularFile(own)) {
        if (auto read = readFileBytes(own, puzzle::kMoveRecordFileBytes * 4)) {
            if (read->size() != puzzle::kMoveRecordFileBytes) {
                trace("PuzzleCatalog - %s holds %zu bytes, not %zu; the rest reads as blank",
                      puzzle::kMoveRecordFileName, read->size(), puzzle::kMoveRecordFileBytes);
            }
            return fitted(*read);
        }
    }
    std::vector<uint8_t> bytes = blankMoveRecordBytes();
    bool shipped = false;
    if (!shippedFile.empty() && isRegularFile(shippedFile)) {
        if (auto read = readFileBytes(shippedFile, puzzle::kMoveRecordFileBytes * 4)) {
            bytes = fitted(*read);
            shipped = true;
        }
    }
    if (!writeFileAtomically(own, bytes)) {
        trace("Could not save move data");
    } else {
        trace(shipped ? "Copied the shipped move data" : "Saved blank move data");
    }
    return bytes;
}

bool saveMoveRecordFile(const std::filesystem::path& dataDir, std::span<const uint8_t> bytes) {
    if (bytes.size() != puzzle::kMoveRecordFileBytes ||
        !writeFileAtomically(dataDir / puzzle::kMoveRecordFileName, bytes)) {
        trace("Could not save move data");
        return false;
    }
    return true;
}
