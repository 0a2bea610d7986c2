// LittleEndianBytes.h: byte-by-byte little-endian encoding of the fields of the stored files.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

void appendInt32(std::vector<uint8_t>& out, int32_t value);

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
