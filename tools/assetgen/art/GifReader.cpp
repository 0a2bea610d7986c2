// GifReader.cpp: decodes the first image of a GIF file, for checks and review sheets.
#include "GifReader.h"

#include <array>
#include <vector>

namespace {

class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> bytes)
        : m_bytes(bytes) {}
    bool has(std::size_t n) const { return m_pos + n <= m_bytes.size(); }
    uint8_t u8() { return has(1) ? m_bytes[m_pos++] : (m_failed = true, 0); }
    int u16() {
        const int lo = u8();
        return lo | (u8() << 8);
    }
    void skip(std::size_t n) {
        if (!has(n)) {
            m_failed = true;
            m_pos = m_bytes.size();
            return;
        }
        m_pos += n;
    }
    bool failed() const { return m_failed; }

private:
    std::span<const uint8_t> m_bytes;
    std::size_t m_pos = 0;
    bool m_failed = false;
};

using Palette = std::vector<uint32_t>;

Palette readPalette(ByteReader& in, int flags) {
    Palette palette(static_cast<std::size_t>(1) << ((flags & 7) + 1));
    for (uint32_t& entry : palette) {
        const uint32_t r = in.u8();
        const uint32_t g = in.u8();
        const uint32_t b = in.u8();
        entry = packArgb(255, r, g, b);
    }
    return palette;
}

std::optional<std::vector<uint8_t>> decodeLzw(const std::vector<uint8_t>& data, int minCodeSize,
                                              std::size_t pixelCount) {
    if (minCodeSize < 2 || minCodeSize > 11) {
        return std::nullopt;
    }
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    std::array<uint16_t, 4096> prefix{};
    std::array<uint8_t, 4096> suffix{};
    std::array<uint8_t, 4097> stack{};
    for (int i = 0; i < clearCode; ++i) {
        suffix[i] = static_cast<uint8_t>(i);
    }
    std::vector<uint8_t> out;
    out.reserve(pixelCount);
    int width = minCodeSize + 1;
    int available = endCode + 1;
    int previous = -1;
    uint8_t firstOfPrevious = 0;
    uint32_t buffer = 0;
    int bits = 0;
    std::size_t pos = 0;
    while (out.size() < pixelCount) {
        while (bits < width) {
            if (pos >= data.size()) {
                return std::nullopt;
            }
            buffer |= static_cast<uint32_t>(data[pos++]) << bits;
            bits += 8;
        }
        const int code = static_cast<int>(buffer & ((1u << width) - 1));
        buffer >>= width;
        bits -= width;
        if (code == clearCode) {
            width = minCodeSize + 1;
            available = endCode + 1;
            previous = -1;
            continue;
        }
        if (code == endCode) {
            break;
        }
        if (previous < 0) {
            if (code >= clearCode) {
                return std::nullopt;
            }
            out.push_back(static_cast<uint8_t>(code));
            previous = code;
            firstOfPrevious = static_cast<uint8_t>(code);
            continue;
        }
        int current = code;
        std::size_t depth = 0;
        if (code > available || code == available + 1) {
            return std::nullopt;
        }
        if (code == available) {
            stack[depth++] = firstOfPrevious;
            current = previous;
        }
        while (current >= clearCode) {
            stack[depth++] = suffix[current];
            current = prefix[current];
        }
        stack[depth++] = static_cast<uint8_t>(current);
        firstOfPrevious = static_cast<uint8_t>(current);
        while (depth > 0) {
            out.push_back(stack[--depth]);
        }
        if (available < 4096) {
            prefix[available] = static_cast<uint16_t>(previous);
            suffix[available] = firstOfPrevious;
            ++available;
            if (available == (1 << width) && width < 12) {
                ++width;
            }
        }
        previous = code;
    }
    out.resize(pixelCount, 0);
    return out;
}

} // namespace

std::optional<Raster> decodeGifRaster(std::span<const uint8_t> bytes) {
    ByteReader in(bytes);
    if (!in.has(13) || bytes[0] != 'G' || bytes[1] != 'I' || bytes[2] != 'F') {
        return std::nullopt;
    }
    in.skip(6);
    const int screenWidth = in.u16();
    const int screenHeight = in.u16();
    const int flags = in.u8();
    in.skip(2);
    if (screenWidth < 1 || screenHeight < 1) {
        return std::nullopt;
    }
    Palette global;
    if (flags & 0x80) {
        global = readPalette(in, flags);
    } else {
        global.resize(256);
        for (uint32_t i = 0; i < 256; ++i) {
            global[i] = packArgb(255, i, i, i);
        }
    }
    while (!in.failed()) {
        const uint8_t block = in.u8();
        if (block == 0x21) {
            in.skip(1);
            for (uint8_t n = in.u8(); n != 0 && !in.failed(); n = in.u8()) {
                in.skip(n);
            }
            continue;
        }
        if (block != 0x2C) {
            return std::nullopt;
        }
        const int left = in.u16();
        const int top = in.u16();
        const int width = in.u16();
        const int height = in.u16();
        const int imageFlags = in.u8();
        const Palette palette = (imageFlags & 0x80) ? readPalette(in, imageFlags) : global;
        const int minCodeSize = in.u8();
        std::vector<uint8_t> data;
        for (uint8_t n = in.u8(); n != 0 && !in.failed(); n = in.u8()) {
            for (int i = 0; i < n; ++i) {
                data.push_back(in.u8());
            }
        }
        if (in.failed() || width < 1 || height < 1) {
            return std::nullopt;
        }
        const auto indices = decodeLzw(data, minCodeSize, static_cast<std::size_t>(width) * height);
        if (!indices) {
            return std::nullopt;
        }
        std::vector<int> rowOrder;
        if (imageFlags & 0x40) {
            for (int pass = 0; pass < 4; ++pass) {
                static constexpr int kStart[4] = {0, 4, 2, 1};
                static constexpr int kStep[4] = {8, 8, 4, 2};
                for (int y = kStart[pass]; y < height; y += kStep[pass]) {
                    rowOrder.push_back(y);
                }
            }
        } else {
            for (int y = 0; y < height; ++y) {
                rowOrder.push_back(y);
            }
        }
        Raster out(screenWidth, screenHeight, packArgb(255, 0, 0, 0));
        for (int r = 0; r < height; ++r) {
            const int y = top + rowOrder[r];
            for (int x = 0; x < width; ++x) {
                const uint8_t index = (*indices)[static_cast<std::size_t>(r) * width + x];
                if (y < screenHeight && left + x < screenWidth && index < palette.size()) {
                    out.set(left + x, y, palette[index]);
                }
            }
        }
        return out;
    }
    return std::nullopt;
}
