// LittleEndianBytes.cpp: byte-by-byte little-endian encoding of the fields of the stored files.
#include "LittleEndianBytes.h"

#include <algorithm>
#include <cstring>

void appendInt32(std::vector<uint8_t>& out, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<uint8_t>(bits >> (8 * i)));
    }
}

void LittleEndianReader::read(std::span<uint8_t> out) {
    if (m_failed) {
        return;
    }
    const std::size_t available = std::min(out.size(), m_bytes.size() - m_position);
    if (available > 0) {
        std::memcpy(out.data(), m_bytes.data() + m_position, available);
    }
    m_position += available;
    m_failed = available < out.size();
}

int32_t LittleEndianReader::readInt32() {
    uint8_t bytes[4] = {};
    read(bytes);
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) {
        bits |= uint32_t{bytes[i]} << (8 * i);
    }
    return static_cast<int32_t>(bits);
}
