// ImageFixtures.cpp: picture files made in code for the image tests: GIF and JPEG.
#include "ImageFixtures.h"

#include <map>
#include <stdexcept>

#include <turbojpeg.h>

namespace {

class BitWriter {
public:
    void put(int code, int width) {
        m_buffer |= static_cast<uint32_t>(code) << m_count;
        m_count += width;
        while (m_count >= 8) {
            m_bytes.push_back(static_cast<uint8_t>(m_buffer & 0xFF));
            m_buffer >>= 8;
            m_count -= 8;
        }
    }
    std::vector<uint8_t> finish() {
        if (m_count > 0) {
            m_bytes.push_back(static_cast<uint8_t>(m_buffer & 0xFF));
        }
        return m_bytes;
    }

private:
    std::vector<uint8_t> m_bytes;
    uint32_t m_buffer = 0;
    int m_count = 0;
};

void put16(std::vector<uint8_t>& out, int value) {
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

// The flags' size field for a table of at least `entries` colours, and the padded size.
int tableBits(std::size_t entries) {
    int bits = 0;
    while ((std::size_t{2} << bits) < entries) {
        ++bits;
    }
    return bits;
}

void putTable(std::vector<uint8_t>& out, const std::vector<uint32_t>& palette) {
    const std::size_t size = std::size_t{2} << tableBits(palette.size());
    for (std::size_t i = 0; i < size; ++i) {
        const uint32_t c = i < palette.size() ? palette[i] : 0;
        out.push_back(static_cast<uint8_t>(c >> 16));
        out.push_back(static_cast<uint8_t>(c >> 8));
        out.push_back(static_cast<uint8_t>(c));
    }
}

void putSubBlocks(std::vector<uint8_t>& out, const std::vector<uint8_t>& data) {
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, data.size() - at);
        out.push_back(static_cast<uint8_t>(n));
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
                   data.begin() + static_cast<std::ptrdiff_t>(at + n));
    }
    out.push_back(0);
}

// Display order to the order of the four interlace passes.
std::vector<uint8_t> interlace(const std::vector<uint8_t>& indices, int width, int height) {
    std::vector<uint8_t> out;
    static constexpr int kStart[4] = {0, 4, 2, 1};
    static constexpr int kStep[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        for (int row = kStart[pass]; row < height; row += kStep[pass]) {
            out.insert(out.end(), indices.begin() + row * width, indices.begin() + (row + 1) * width);
        }
    }
    return out;
}

// The variable-width LZW stream of GIF for colour indices (clear code first, end code last).
// When the table fills, the encoder either starts over with a clear code or keeps using the
// full table, as some encoders do.
std::vector<uint8_t> lzwEncode(const std::vector<uint8_t>& indices, int minCodeSize, bool clearWhenFull) {
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    BitWriter bits;
    std::map<std::pair<int, int>, int> table;
    int width = minCodeSize + 1;
    int next = clear + 2;
    bits.put(clear, width);
    if (indices.empty()) {
        bits.put(end, width);
        return bits.finish();
    }
    int prefix = indices[0];
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const int c = indices[i];
        const auto found = table.find({prefix, c});
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        bits.put(prefix, width);
        if (next < 4096) {
            table[{prefix, c}] = next++;
            if (next > (1 << width) && width < 12) {
                ++width;
            }
            if (next == 4096 && clearWhenFull) {
                bits.put(clear, width);
                table.clear();
                width = minCodeSize + 1;
                next = clear + 2;
            }
        }
        prefix = c;
    }
    bits.put(prefix, width);
    if (next < 4096) {
        ++next;
        if (next > (1 << width) && width < 12) {
            ++width;
        }
    }
    bits.put(end, width);
    return bits.finish();
}

} // namespace

std::vector<uint8_t> packCodes(const std::vector<std::pair<int, int>>& codes) {
    BitWriter bits;
    for (const auto& [code, width] : codes) {
        bits.put(code, width);
    }
    return bits.finish();
}

std::vector<uint8_t> encodeGif(const GifSpec& gif) {
    const int imageWidth = gif.imageWidth < 0 ? gif.screenWidth : gif.imageWidth;
    const int imageHeight = gif.imageHeight < 0 ? gif.screenHeight : gif.imageHeight;
    std::vector<uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
    put16(out, gif.screenWidth);
    put16(out, gif.screenHeight);
    out.push_back(
        gif.globalPalette.empty() ? 0 : static_cast<uint8_t>(0x80 | tableBits(gif.globalPalette.size())));
    out.push_back(0);
    out.push_back(0);
    if (!gif.globalPalette.empty()) {
        putTable(out, gif.globalPalette);
    }
    if (gif.comment) {
        out.insert(out.end(), {0x21, 0xFE, 5, 'h', 'e', 'l', 'l', 'o', 0});
    }
    if (gif.graphicControl) {
        out.insert(out.end(), {0x21, 0xF9, 4, 0x01, 0, 0, 0, 0}); // transparent index 0
    }
    out.push_back(0x2C);
    put16(out, 0);
    put16(out, 0);
    put16(out, imageWidth);
    put16(out, imageHeight);
    uint8_t flags = gif.interlaced ? 0x40 : 0;
    if (!gif.localPalette.empty()) {
        flags |= static_cast<uint8_t>(0x80 | tableBits(gif.localPalette.size()));
    }
    out.push_back(flags);
    if (!gif.localPalette.empty()) {
        putTable(out, gif.localPalette);
    }
    out.push_back(static_cast<uint8_t>(gif.minCodeSize));
    std::vector<uint8_t> data = gif.lzwData;
    if (data.empty()) {
        const std::vector<uint8_t> order =
            gif.interlaced ? interlace(gif.indices, imageWidth, imageHeight) : gif.indices;
        data = lzwEncode(order, gif.minCodeSize, gif.clearWhenFull);
    }
    putSubBlocks(out, data);
    out.push_back(0x3B);
    return out;
}

std::vector<uint8_t> encodeJpeg(int width, int height, const std::vector<uint32_t>& rgb) {
    std::vector<unsigned char> packed;
    packed.reserve(rgb.size() * 3);
    for (const uint32_t c : rgb) {
        packed.push_back(static_cast<unsigned char>(c >> 16));
        packed.push_back(static_cast<unsigned char>(c >> 8));
        packed.push_back(static_cast<unsigned char>(c));
    }
    tjhandle handle = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    const int status =
        tjCompress2(handle, packed.data(), width, 0, height, TJPF_RGB, &jpeg, &size, TJSAMP_444, 100, 0);
    tjDestroy(handle);
    if (status != 0) {
        tjFree(jpeg);
        throw std::runtime_error("JPEG encoding failed");
    }
    std::vector<uint8_t> bytes(jpeg, jpeg + size);
    tjFree(jpeg);
    return bytes;
}

std::vector<uint8_t> withFrameSize(std::vector<uint8_t> jpeg, int width, int height) {
    for (std::size_t i = 0; i + 8 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
            jpeg[i + 5] = static_cast<uint8_t>(height >> 8);
            jpeg[i + 6] = static_cast<uint8_t>(height);
            jpeg[i + 7] = static_cast<uint8_t>(width >> 8);
            jpeg[i + 8] = static_cast<uint8_t>(width);
            return jpeg;
        }
    }
    throw std::runtime_error("no frame header");
}
