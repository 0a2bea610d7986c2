// ClassicGameRecord.cpp: a Classic game in progress as plain data, and its file.
#include "ClassicGameRecord.h"

#include "ClassicTuning.h"
#include "engine/core/ksLog.h"
#include "game/rules/GameConstants.h"
#include "game/rules/SavedGameBytes.h"

#include <cstring>

namespace {

constexpr uint8_t kMagic[4] = {'Z', 'B', 'C', 'R'};

using saved_game::Reader;
using saved_game::Writer;

void writeSnapshot(Writer& out, const BoardSnapshot& snapshot) {
    for (const int8_t byte : snapshot.bytes) {
        out.u8(static_cast<uint8_t>(byte));
    }
}

void readSnapshot(Reader& in, BoardSnapshot& snapshot) {
    for (int8_t& byte : snapshot.bytes) {
        byte = static_cast<int8_t>(in.u8());
    }
}

void writeRelease(Writer& out, const ClassicPrizeRelease& release) {
    for (const int value :
         {release.index, release.kind, release.theme, release.sourceRow, release.sourceColumn, release.startX,
          release.startY, release.shelfSlot, release.slotX, release.slotY}) {
        out.u16(value & 0xFFFF);
    }
}

ClassicPrizeRelease readRelease(Reader& in) {
    ClassicPrizeRelease release;
    for (int* value :
         {&release.index, &release.kind, &release.theme, &release.sourceRow, &release.sourceColumn,
          &release.startX, &release.startY, &release.shelfSlot, &release.slotX, &release.slotY}) {
        *value = static_cast<int16_t>(in.u16());
    }
    return release;
}

// The counts and kinds the rules can produce; anything else is a damaged or forged file.
bool isPlausible(const ClassicGameRecord& record) {
    if (record.skill < 0 || record.skill >= kSkillLevels || record.colourCount < kFewestColours ||
        record.colourCount > kMostColours || record.theme < 0 || record.theme >= kThemes) {
        return false;
    }
    if (record.prizeTotal < 1 || record.prizeTotal > BoardSnapshot::kShelfSlots || record.releasedCount < 0 ||
        record.releasedCount > record.prizeTotal || record.undoCount < 0 ||
        record.undoCount > ClassicUndoHistory::kCapacity || record.score < 0) {
        return false;
    }
    int prizesOnBoard = 0;
    for (int row = 0; row < BoardSnapshot::kRows; ++row) {
        for (int column = 0; column < BoardSnapshot::kColumns; ++column) {
            CellContent cell = record.board.boardCell(row, column);
            if (cell.normalise()) {
                return false;
            }
            prizesOnBoard += cell.prizeKind >= 0 ? 1 : 0;
        }
    }
    if (prizesOnBoard + record.releasedCount != record.prizeTotal) {
        return false;
    }
    for (int i = 0; i < record.releasedCount; ++i) {
        const ClassicPrizeRelease& release = record.releases[static_cast<std::size_t>(i)];
        if (release.index != i || release.kind < 0 || release.kind >= kPrizeKinds || release.shelfSlot < 0 ||
            release.shelfSlot >= BoardSnapshot::kShelfSlots || release.sourceRow < 0 ||
            release.sourceRow >= BoardSnapshot::kRows) {
            return false;
        }
    }
    return true;
}

} // namespace

namespace ClassicResumeFile {

uint32_t fingerprint(const ClassicTuning& tuning) {
    std::vector<uint8_t> bytes;
    Writer out(bytes);
    for (const auto& perSkill : tuning.superPop) {
        for (const int32_t value : perSkill) {
            out.i32(value);
        }
    }
    for (const ClassicTuning::PerSkill* values :
         {&tuning.bigGroupBonus, &tuning.groupPopPoints, &tuning.extraPopPoints, &tuning.prizePoints,
          &tuning.lastPrize, &tuning.clearBonus, &tuning.notClearBonus, &tuning.balloonPenalty, &tuning.rows,
          &tuning.prizes, &tuning.minPrizeRow, &tuning.maxPrizeRow}) {
        for (const int32_t value : *values) {
            out.i32(value);
        }
    }
    for (const float factor : tuning.multiplier) {
        uint32_t bits = 0;
        std::memcpy(&bits, &factor, sizeof bits);
        out.u32(bits);
    }
    return saved_game::checksum(bytes);
}

std::vector<uint8_t> encode(const ClassicGameRecord& record, uint32_t tuningFingerprint) {
    std::vector<uint8_t> bytes;
    Writer out(bytes);
    for (const uint8_t byte : kMagic) {
        out.u8(byte);
    }
    out.u16(kVersion);
    out.u32(tuningFingerprint);
    out.u8(record.skill);
    out.u8(record.colourCount);
    out.u8(record.theme);
    out.i32(record.score);
    out.u8(record.prizeTotal);
    out.u8(record.releasedCount);
    out.u8(record.allPrizesFreed ? 1 : 0);
    out.i32(record.superPopRun);
    for (int i = 0; i < record.releasedCount; ++i) {
        writeRelease(out, record.releases[static_cast<std::size_t>(i)]);
        out.u8(record.inFlight[static_cast<std::size_t>(i)] ? 1 : 0);
    }
    writeSnapshot(out, record.board);
    out.u16(record.undoCount);
    for (int i = 0; i < record.undoCount; ++i) {
        writeSnapshot(out, record.undo[static_cast<std::size_t>(i)]);
        out.i32(record.undoScores[static_cast<std::size_t>(i)]);
    }
    out.seal();
    return bytes;
}

std::optional<ClassicGameRecord> decode(std::span<const uint8_t> bytes, uint32_t tuningFingerprint) {
    if (bytes.size() < sizeof kMagic || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) {
        trace("ClassicResumeFile::decode - not a saved Classic game, ignored");
        return std::nullopt;
    }
    const std::span<const uint8_t> body = saved_game::unseal(bytes);
    if (body.size() < sizeof kMagic) {
        trace("ClassicResumeFile::decode - saved game is damaged, ignored");
        return std::nullopt;
    }
    Reader in(body.subspan(sizeof kMagic));
    const int version = in.u16();
    if (version != kVersion) {
        trace("ClassicResumeFile::decode - saved game has version %d, not %d, ignored", version, kVersion);
        return std::nullopt;
    }
    if (in.u32() != tuningFingerprint) {
        trace("ClassicResumeFile::decode - saved game was dealt under other tuning values, ignored");
        return std::nullopt;
    }
    ClassicGameRecord record;
    record.skill = in.u8();
    record.colourCount = in.u8();
    record.theme = in.u8();
    record.score = in.i32();
    record.prizeTotal = in.u8();
    record.releasedCount = in.u8();
    record.allPrizesFreed = in.u8() != 0;
    record.superPopRun = in.i32();
    const bool releasesFit = record.releasedCount <= ClassicGameRecord::kMaxReleases;
    for (int i = 0; releasesFit && i < record.releasedCount && !in.isShort(); ++i) {
        record.releases[static_cast<std::size_t>(i)] = readRelease(in);
        record.inFlight[static_cast<std::size_t>(i)] = in.u8() != 0;
    }
    readSnapshot(in, record.board);
    record.undoCount = in.u16();
    const bool undoFits = record.undoCount <= ClassicUndoHistory::kCapacity;
    for (int i = 0; undoFits && i < record.undoCount && !in.isShort(); ++i) {
        readSnapshot(in, record.undo[static_cast<std::size_t>(i)]);
        record.undoScores[static_cast<std::size_t>(i)] = in.i32();
    }
    if (!in.isAtEnd() || !isPlausible(record)) {
        trace("ClassicResumeFile::decode - saved game does not hold a game, ignored");
        return std::nullopt;
    }
    return record;
}

} // namespace ClassicResumeFile
