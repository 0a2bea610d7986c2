// LittleEndianBytes.h: byte-by-byte little-endian encoding of the fields of the stored files.
#pragma once

#include <bit>
#include <cstdint>
#include <span>
#include <vector>

void appendInt32(std::vector<uint8_t>& out, int32_t value);

// Stored files are little-endian whatever the machine; fields are written byte by byte, never
// by dumping structures.
inline void putU32(std::span<uint8_t> out, std::size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out[offset + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}
inline void putI32(std::span<uint8_t> out, std::size_t offset, int32_t value) {
    putU32(out, offset, static_cast<uint32_t>(value));
}
inline void putI16(std::span<uint8_t> out, std::size_t offset, int16_t value) {
    out[offset] = static_cast<uint8_t>(static_cast<uint16_t>(value));
    out[offset + 1] = static_cast<uint8_t>(static_cast<uint16_t>(value) >> 8);
}
inline void putF32(std::span<uint8_t> out, std::size_t offset, float value) {
    putU32(out, offset, std::bit_cast<uint32_t>(value));
}
inline uint32_t getU32(std::span<const uint8_t> in, std::size_t offset) {
    return uint32_t{in[offset]} | uint32_t{in[offset + 1]} << 8 | uint32_t{in[offset + 2]} << 16 |
           uint32_t{in[offset + 3]} << 24;
}
inline int32_t getI32(std::span<const uint8_t> in, std::size_t offset) {
    return static_cast<int32_t>(getU32(in, offset));
}
inline int16_t getI16(std::span<const uint8_t> in, std::size_t offset) {
    return static_cast<int16_t>(uint16_t{in[offset]} | uint16_t{in[offset + 1]} << 8);
}
inline float getF32(std::span<const uint8_t> in, std::size_t offset) {
    return std::bit_cast<float>(getU32(in, offset));
}


// Reads fields from a byte buffer the way a binary input stream does: a read that runs past the
// end takes the bytes that are left, then the reader has failed and every later read takes
// nothing. Callers start from zeroed fields, so what was not read stays 0.
class LittleEndianReader {
public:
    explicit LittleEndianReader(std::span<const uint8_t> bytes)
        : m_bytes(bytes) {}

    bool failed() const { return m_failed; }
    // Copies bytes into the front of `out`; the rest of `out` is left as it was.
    void read(std::span<uint8_t> out);
    // A signed 32-bit value; the bytes that were read fill it from the low end over 0.
    int32_t readInt32();

private:
    std::span<const uint8_t> m_bytes;
    std::size_t m_position = 0;
    bool m_failed = false;
};
