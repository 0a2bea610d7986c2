// PuzzleResume.cpp: a puzzle left in the middle, as the clicks made on it, and its file.
#include "PuzzleResume.h"

#include "engine/core/ksLog.h"
#include "game/rules/SavedGameBytes.h"

#include <cstring>

namespace {

constexpr uint8_t kMagic[4] = {'Z', 'B', 'P', 'R'};

} // namespace

namespace PuzzleResumeFile {

uint32_t fingerprint(const PuzzleLevel& level) {
    return saved_game::checksum(level.bytes);
}

std::vector<uint8_t> encode(const PuzzleResumeRecord& record, uint32_t levelFingerprint) {
    std::vector<uint8_t> bytes;
    saved_game::Writer out(bytes);
    for (const uint8_t byte : kMagic) {
        out.u8(byte);
    }
    out.u16(kVersion);
    out.u32(levelFingerprint);
    out.u16(record.puzzle);
    out.u16(record.clickCount);
    for (int i = 0; i < record.clickCount; ++i) {
        out.u8(record.clicks[static_cast<std::size_t>(i)].row);
        out.u8(record.clicks[static_cast<std::size_t>(i)].column);
    }
    out.seal();
    return bytes;
}

std::optional<Decoded> decodeRecord(std::span<const uint8_t> bytes, int puzzleCount) {
    if (bytes.size() < sizeof kMagic || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) {
        trace("PuzzleResumeFile::decode - not a saved puzzle, ignored");
        return std::nullopt;
    }
    const std::span<const uint8_t> body = saved_game::unseal(bytes);
    if (body.size() < sizeof kMagic) {
        trace("PuzzleResumeFile::decode - saved puzzle is damaged, ignored");
        return std::nullopt;
    }
    saved_game::Reader in(body.subspan(sizeof kMagic));
    const int version = in.u16();
    if (version != kVersion) {
        trace("PuzzleResumeFile::decode - saved puzzle has version %d, not %d, ignored", version, kVersion);
        return std::nullopt;
    }
    Decoded decoded;
    decoded.levelFingerprint = in.u32();
    PuzzleResumeRecord& record = decoded.record;
    record.puzzle = in.u16();
    record.clickCount = in.u16();
    bool onBoard = record.puzzle < puzzleCount && record.clickCount <= PuzzleResumeRecord::kMaxClicks;
    for (int i = 0; onBoard && i < record.clickCount && !in.isShort(); ++i) {
        PuzzleResumeRecord::Click& click = record.clicks[static_cast<std::size_t>(i)];
        click.row = static_cast<uint8_t>(in.u8());
        click.column = static_cast<uint8_t>(in.u8());
        onBoard = click.row < puzzle::kRows && click.column < puzzle::kColumns;
    }
    if (!onBoard || !in.isAtEnd()) {
        trace("PuzzleResumeFile::decode - saved puzzle does not hold clicks on a puzzle, ignored");
        return std::nullopt;
    }
    return decoded;
}

void reportOtherLayout(int puzzle) {
    trace("PuzzleResumeFile::decode - puzzle %d has another layout than when it was left, ignored",
          puzzle + 1);
}

} // namespace PuzzleResumeFile
