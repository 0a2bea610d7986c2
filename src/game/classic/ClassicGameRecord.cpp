// ClassicGameRecord.cpp: a Classic game in progress as plain data, and its file.
#include "ClassicGameRecord.h"

#include "ClassicTuning.h"
#include "engine/core/ksLog.h"
#include "game/rules/GameConstants.h"

#include <cstring>

namespace {

constexpr uint8_t kMagic[4] = {'Z', 'B', 'C', 'R'};

uint32_t fnv1a(std::span<const uint8_t> bytes, uint32_t hash = 2166136261u) {
    for (const uint8_t byte : bytes) {
        hash = (hash ^ byte) * 16777619u;
    }
    return hash;
}

class Writer {
public:
    explicit Writer(std::vector<uint8_t>& out)
        : m_out(out) {}
    void u8(int value) { m_out.push_back(static_cast<uint8_t>(value)); }
    void u16(int value) {
        u8(value & 0xFF);
        u8((value >> 8) & 0xFF);
    }
    void u32(uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            u8(static_cast<int>((value >> shift) & 0xFF));
        }
    }
    void i32(int32_t value) { u32(static_cast<uint32_t>(value)); }
    void snapshot(const BoardSnapshot& snapshot) {
        for (const int8_t byte : snapshot.bytes) {
            u8(static_cast<uint8_t>(byte));
        }
    }

private:
    std::vector<uint8_t>& m_out;
};

// Reads past the end answer 0 and mark the reader short, so a cut file is one check at the end.
class Reader {
public:
    explicit Reader(std::span<const uint8_t> bytes)
        : m_bytes(bytes) {}
    int u8() {
        if (m_at >= m_bytes.size()) {
            m_short = true;
            return 0;
        }
        return m_bytes[m_at++];
    }
    int u16() {
        const int low = u8();
        return low | (u8() << 8);
    }
    uint32_t u32() {
        uint32_t value = 0;
        for (int shift = 0; shift < 32; shift += 8) {
            value |= static_cast<uint32_t>(u8()) << shift;
        }
        return value;
    }
    int32_t i32() { return static_cast<int32_t>(u32()); }
    void snapshot(BoardSnapshot& snapshot) {
        for (int8_t& byte : snapshot.bytes) {
            byte = static_cast<int8_t>(u8());
        }
    }
    bool isShort() const { return m_short; }
    std::size_t position() const { return m_at; }

private:
    std::span<const uint8_t> m_bytes;
    std::size_t m_at = 0;
    bool m_short = false;
};

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
    return fnv1a(bytes);
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
    out.snapshot(record.board);
    out.u16(record.undoCount);
    for (int i = 0; i < record.undoCount; ++i) {
        out.snapshot(record.undo[static_cast<std::size_t>(i)]);
        out.i32(record.undoScores[static_cast<std::size_t>(i)]);
    }
    out.u32(fnv1a(bytes));
    return bytes;
}

std::optional<ClassicGameRecord> decode(std::span<const uint8_t> bytes, uint32_t tuningFingerprint) {
    constexpr std::size_t kChecksumBytes = 4;
    if (bytes.size() < sizeof kMagic + 2 + kChecksumBytes ||
        std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) {
        trace("ClassicResumeFile::decode - not a saved Classic game, ignored");
        return std::nullopt;
    }
    const std::span<const uint8_t> body = bytes.first(bytes.size() - kChecksumBytes);
    Reader checksum(bytes.subspan(body.size()));
    if (checksum.u32() != fnv1a(body)) {
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
    in.snapshot(record.board);
    record.undoCount = in.u16();
    const bool undoFits = record.undoCount <= ClassicUndoHistory::kCapacity;
    for (int i = 0; undoFits && i < record.undoCount && !in.isShort(); ++i) {
        in.snapshot(record.undo[static_cast<std::size_t>(i)]);
        record.undoScores[static_cast<std::size_t>(i)] = in.i32();
    }
    if (in.isShort() || sizeof kMagic + in.position() != body.size() || !isPlausible(record)) {
        trace("ClassicResumeFile::decode - saved game does not hold a game, ignored");
        return std::nullopt;
    }
    return record;
}

} // namespace ClassicResumeFile
