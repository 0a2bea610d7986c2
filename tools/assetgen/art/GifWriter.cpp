// GifWriter.cpp: writes greyscale GIF pictures, the format of the game's alpha masks.
#include "GifWriter.h"

#include <algorithm>
#include <cassert>

namespace {

constexpr int kMinCodeSize = 8;
constexpr int kClearCode = 1 << kMinCodeSize;
constexpr int kEndCode = kClearCode + 1;
constexpr int kMaxCode = 4095;

void putU16(std::vector<uint8_t>& out, int value) {
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

// Packs variable-width codes least significant bit first, as GIF requires.
class BitPacker {
public:
    void put(int code, int width) {
        m_buffer |= static_cast<uint32_t>(code) << m_bits;
        m_bits += width;
        while (m_bits >= 8) {
            m_bytes.push_back(static_cast<uint8_t>(m_buffer & 0xFF));
            m_buffer >>= 8;
            m_bits -= 8;
        }
    }
    std::vector<uint8_t> finish() {
        if (m_bits > 0) {
            m_bytes.push_back(static_cast<uint8_t>(m_buffer & 0xFF));
        }
        m_buffer = 0;
        m_bits = 0;
        return std::move(m_bytes);
    }

private:
    uint32_t m_buffer = 0;
    int m_bits = 0;
    std::vector<uint8_t> m_bytes;
};

// LZW over 8-bit symbols. The dictionary maps (prefix code, next byte) to a code through a
// dense 4096 x 256 table, which is small enough and avoids hashing.
std::vector<uint8_t> compressLzw(std::span<const uint8_t> symbols) {
    std::vector<uint16_t> next(static_cast<std::size_t>(kMaxCode + 1) * 256, 0);
    BitPacker packer;
    int codeWidth = kMinCodeSize + 1;
    int nextCode = kEndCode + 1;
    packer.put(kClearCode, codeWidth);
    if (symbols.empty()) {
        packer.put(kEndCode, codeWidth);
        return packer.finish();
    }
    int prefix = symbols[0];
    for (std::size_t i = 1; i < symbols.size(); ++i) {
        const uint8_t symbol = symbols[i];
        const std::size_t slot = static_cast<std::size_t>(prefix) * 256 + symbol;
        if (next[slot] != 0) {
            prefix = next[slot];
            continue;
        }
        packer.put(prefix, codeWidth);
        next[slot] = static_cast<uint16_t>(nextCode);
        // The decoder adds each entry one code later than the encoder does, and widens its
        // codes right after adding; widening here once the new code needs the next width
        // keeps both sides in step.
        if (nextCode == (1 << codeWidth) && codeWidth < 12) {
            ++codeWidth;
        }
        ++nextCode;
        if (nextCode > kMaxCode) {
            // Clear before the decoder would need entry 4096.
            packer.put(kClearCode, codeWidth);
            std::fill(next.begin(), next.end(), 0);
            codeWidth = kMinCodeSize + 1;
            nextCode = kEndCode + 1;
        }
        prefix = symbol;
    }
    packer.put(prefix, codeWidth);
    // Reading that last code makes the decoder add one more entry, which may widen its codes.
    if (nextCode == (1 << codeWidth) && codeWidth < 12) {
        ++codeWidth;
    }
    packer.put(kEndCode, codeWidth);
    return packer.finish();
}

} // namespace

std::vector<uint8_t> encodeGreyGif(int width, int height, std::span<const uint8_t> grey) {
    assert(width >= 1 && height >= 1 && width <= 65535 && height <= 65535);
    assert(grey.size() == static_cast<std::size_t>(width) * height);

    std::vector<uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
    putU16(out, width);
    putU16(out, height);
    out.push_back(0xF7); // global table present, 8-bit colour resolution, 256 entries
    out.push_back(0);    // background colour index
    out.push_back(0);    // pixel aspect ratio: none given
    for (int i = 0; i < 256; ++i) {
        out.insert(out.end(), {static_cast<uint8_t>(i), static_cast<uint8_t>(i), static_cast<uint8_t>(i)});
    }
    out.push_back(0x2C);
    putU16(out, 0);
    putU16(out, 0);
    putU16(out, width);
    putU16(out, height);
    out.push_back(0); // no local table, not interlaced
    out.push_back(kMinCodeSize);
    const std::vector<uint8_t> data = compressLzw(grey);
    for (std::size_t pos = 0; pos < data.size(); pos += 255) {
        const std::size_t n = std::min<std::size_t>(255, data.size() - pos);
        out.push_back(static_cast<uint8_t>(n));
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(pos),
                   data.begin() + static_cast<std::ptrdiff_t>(pos + n));
    }
    out.push_back(0);    // block terminator
    out.push_back(0x3B); // trailer
    return out;
}
