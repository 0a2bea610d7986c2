// PackFixtures.h: resource packs written byte by byte, so tests control every field.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Appends fields in the pack's little-endian layout; nothing is checked, so corrupt packs are as
// easy to write as good ones.
class PackBytes {
public:
    PackBytes& magic(const std::string& text = "QZRLT") { return raw(text); }
    PackBytes& u32(uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            m_bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
        }
        return *this;
    }
    PackBytes& u8(uint8_t value) {
        m_bytes.push_back(value);
        return *this;
    }
    PackBytes& raw(const std::string& text) {
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        return *this;
    }
    // A directory entry: size, offset, name length and name.
    PackBytes& entry(uint32_t size, uint32_t offset, const std::string& name) {
        return u32(size).u32(offset).u8(static_cast<uint8_t>(name.size())).raw(name);
    }
    std::size_t size() const { return m_bytes.size(); }
    const std::vector<unsigned char>& bytes() const { return m_bytes; }

private:
    std::vector<unsigned char> m_bytes;
};

// A small well-formed pack written by hand: the counts split over the three fields, entries out
// of alphabetical order, and data stored in another order than the directory.
//   "title.jpg" -> "JPEG!", "sub/levels.bin" -> 120 bytes 0..119, "empty.txt" -> nothing.
inline std::vector<unsigned char> handWrittenPack() {
    const uint32_t directoryEnd = 17 + (9 + 9) + (9 + 14) + (9 + 9);
    const uint32_t levels = directoryEnd;
    const uint32_t title = levels + 120;
    PackBytes pack;
    pack.magic().u32(1).u32(0).u32(2);
    pack.entry(5, title, "title.jpg").entry(120, levels, "sub/levels.bin").entry(0, title, "empty.txt");
    for (int i = 0; i < 120; ++i) {
        pack.u8(static_cast<uint8_t>(i));
    }
    pack.raw("JPEG!");
    return pack.bytes();
}
