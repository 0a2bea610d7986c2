// SavedGameBytes.h: the little-endian writer, reader and checksum of the saved games in progress.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace saved_game {

// FNV-1a over the bytes, continuing from `hash`.
inline uint32_t checksum(std::span<const uint8_t> bytes, uint32_t hash = 2166136261u) {
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
    // Closes the record: the checksum of everything written so far.
    void seal() { u32(checksum(m_out)); }

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
    bool isShort() const { return m_short; }
    // Every byte was read, and no more.
    bool isAtEnd() const { return !m_short && m_at == m_bytes.size(); }

private:
    std::span<const uint8_t> m_bytes;
    std::size_t m_at = 0;
    bool m_short = false;
};

// The bytes before a sealed record's checksum, when the checksum matches; empty otherwise.
inline std::span<const uint8_t> unseal(std::span<const uint8_t> bytes) {
    if (bytes.size() < 4) {
        return {};
    }
    const std::span<const uint8_t> body = bytes.first(bytes.size() - 4);
    Reader stored(bytes.subspan(body.size()));
    return stored.u32() == checksum(body) ? body : std::span<const uint8_t>{};
}

} // namespace saved_game
