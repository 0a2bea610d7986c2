// GifDecoder.cpp: decodes the first image of a GIF file from its bytes.
#include "GifDecoder.h"

#include <algorithm>
#include <array>
#include <new>

namespace {

constexpr std::size_t kSignatureSize = 6;
constexpr std::size_t kScreenDescriptorSize = 7;
constexpr std::size_t kImageDescriptorSize = 9;
constexpr uint8_t kExtension = 0x21;
constexpr uint8_t kImage = 0x2C;
constexpr uint8_t kTrailer = 0x3B;
constexpr int kMaxCodeBits = 12;
constexpr int kMaxCodes = 1 << kMaxCodeBits;

using Palette = std::array<uint32_t, 256>;

// A cursor over the file that answers nothing once the data runs out.
class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> bytes)
        : m_bytes(bytes) {}

    bool read(uint8_t& value) {
        if (m_pos >= m_bytes.size()) {
            return false;
        }
        value = m_bytes[m_pos++];
        return true;
    }
    std::span<const uint8_t> take(std::size_t count) {
        if (m_bytes.size() - m_pos < count) {
            return {};
        }
        const auto part = m_bytes.subspan(m_pos, count);
        m_pos += count;
        return part;
    }
    bool skip(std::size_t count) { return take(count).size() == count; }
    std::size_t remaining() const { return m_bytes.size() - m_pos; }

private:
    std::span<const uint8_t> m_bytes;
    std::size_t m_pos = 0;
};

int le16(std::span<const uint8_t> bytes, std::size_t at) {
    return bytes[at] | (bytes[at + 1] << 8);
}

// Reads a colour table of 2^((flags & 7) + 1) entries over black; false when it is cut short.
bool readPalette(ByteReader& in, uint8_t flags, Palette& palette) {
    const std::size_t entries = std::size_t{2} << (flags & 7);
    const auto table = in.take(entries * 3);
    if (table.size() != entries * 3) {
        return false;
    }
    palette.fill(0);
    for (std::size_t i = 0; i < entries; ++i) {
        palette[i] = (uint32_t{table[i * 3]} << 16) | (uint32_t{table[i * 3 + 1]} << 8) | table[i * 3 + 2];
    }
    return true;
}

// Skips data sub-blocks up to and including the empty one that ends them.
bool skipSubBlocks(ByteReader& in) {
    uint8_t size = 0;
    do {
        if (!in.read(size) || !in.skip(size)) {
            return false;
        }
    } while (size != 0);
    return true;
}

// Collects the LZW data sub-blocks. A file cut inside them keeps what was there; whether that is
// enough is up to the decoder.
std::vector<uint8_t> collectSubBlocks(ByteReader& in) {
    std::vector<uint8_t> data;
    data.reserve(in.remaining());
    uint8_t size = 0;
    while (in.read(size) && size != 0) {
        const auto block = in.take(std::min<std::size_t>(size, in.remaining()));
        data.insert(data.end(), block.begin(), block.end());
        if (block.size() != size) {
            break;
        }
    }
    return data;
}

// Where the pixels of the image's rows go: rows in stream order, mapped through the four
// interlace passes when the image is interlaced.
class RowOrder {
public:
    RowOrder(int height, bool interlaced)
        : m_height(height)
        , m_interlaced(interlaced) {}

    int rowFor(int streamRow) const {
        if (!m_interlaced) {
            return streamRow;
        }
        static constexpr int kStart[4] = {0, 4, 2, 1};
        static constexpr int kStep[4] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass) {
            const int rows =
                m_height > kStart[pass] ? (m_height - kStart[pass] + kStep[pass] - 1) / kStep[pass] : 0;
            if (streamRow < rows) {
                return kStart[pass] + streamRow * kStep[pass];
            }
            streamRow -= rows;
        }
        return m_height;
    }

private:
    int m_height;
    bool m_interlaced;
};

// Receives the decoded colour indices in stream order and writes them into the picture, with the
// image's width as row length, dropping whatever falls outside the screen's pixels.
class PixelSink {
public:
    PixelSink(Picture& picture, const Palette& palette, int imageWidth, int imageHeight, bool interlaced)
        : m_pixels(picture.pixels.data())
        , m_limit(picture.pixelCount())
        , m_palette(palette)
        , m_width(imageWidth)
        , m_total(static_cast<uint64_t>(imageWidth) * static_cast<uint64_t>(imageHeight))
        , m_rows(imageHeight, interlaced)
        , m_interlaced(interlaced) {
        startRow();
    }

    bool full() const { return m_written >= m_total; }
    // Past the screen for good: a plain image writes its rows in order, so nothing later lands.
    bool nothingMoreVisible() const { return !m_interlaced && m_rowBase >= m_limit; }

    void put(uint8_t index) {
        if (m_rowBase + m_column < m_limit) {
            m_pixels[m_rowBase + m_column] = m_palette[index];
        }
        ++m_written;
        if (++m_column == m_width) {
            ++m_streamRow;
            startRow();
        }
    }

private:
    void startRow() {
        m_column = 0;
        m_rowBase = static_cast<uint64_t>(m_rows.rowFor(m_streamRow)) * static_cast<uint64_t>(m_width);
    }

    uint32_t* m_pixels;
    uint64_t m_limit;
    const Palette& m_palette;
    int m_width;
    uint64_t m_total;
    RowOrder m_rows;
    bool m_interlaced;
    uint64_t m_written = 0;
    int m_streamRow = 0;
    int m_column = 0;
    uint64_t m_rowBase = 0;
};

// Reads variable-width codes, least significant bit first.
class CodeReader {
public:
    explicit CodeReader(std::span<const uint8_t> data)
        : m_data(data) {}

    bool read(int bits, int& code) {
        while (m_count < bits) {
            if (m_pos >= m_data.size()) {
                return false;
            }
            m_buffer |= uint32_t{m_data[m_pos++]} << m_count;
            m_count += 8;
        }
        code = static_cast<int>(m_buffer & ((1u << bits) - 1));
        m_buffer >>= bits;
        m_count -= bits;
        return true;
    }

private:
    std::span<const uint8_t> m_data;
    std::size_t m_pos = 0;
    uint32_t m_buffer = 0;
    int m_count = 0;
};

// The standard GIF LZW decoder over a fixed table of 4096 codes. Every code is checked against
// the table before use, so corrupt data ends the decode instead of reaching outside the table.
class LzwDecoder {
public:
    // False on a bad code size or a bad code, or when the data ends before the image is full.
    bool decode(int minCodeSize, std::span<const uint8_t> data, PixelSink& sink) {
        if (minCodeSize < 1 || minCodeSize > 8) {
            return false;
        }
        const int clear = 1 << minCodeSize;
        const int endOfData = clear + 1;
        for (int i = 0; i < clear; ++i) {
            m_prefix[i] = -1;
            m_suffix[i] = static_cast<uint8_t>(i);
            m_first[i] = static_cast<uint8_t>(i);
        }
        CodeReader codes(data);
        int width = minCodeSize + 1;
        int next = clear + 2;
        int previous = -1;
        int code = 0;
        while (!sink.full() && !sink.nothingMoreVisible()) {
            if (!codes.read(width, code)) {
                return false;
            }
            if (code == clear) {
                width = minCodeSize + 1;
                next = clear + 2;
                previous = -1;
                continue;
            }
            if (code == endOfData) {
                return false;
            }
            if (previous < 0) {
                if (code >= clear) {
                    return false;
                }
                sink.put(static_cast<uint8_t>(code));
                previous = code;
                continue;
            }
            uint8_t first = 0;
            if (code < next) {
                first = m_first[code];
                emit(code, sink);
            } else if (code == next && next < kMaxCodes) {
                first = m_first[previous];
                emit(previous, sink);
                if (!sink.full()) {
                    sink.put(first);
                }
            } else {
                return false;
            }
            if (next < kMaxCodes) {
                m_prefix[next] = static_cast<int16_t>(previous);
                m_suffix[next] = first;
                m_first[next] = m_first[previous];
                ++next;
                if (next == (1 << width) && width < kMaxCodeBits) {
                    ++width;
                }
            }
            previous = code;
        }
        return true;
    }

private:
    // Writes the string of `code` in order, as far as the image still needs pixels.
    void emit(int code, PixelSink& sink) {
        int length = 0;
        for (int c = code; c >= 0; c = m_prefix[c]) {
            m_stack[length++] = m_suffix[c];
        }
        while (length > 0 && !sink.full()) {
            sink.put(m_stack[--length]);
        }
    }

    std::array<int16_t, kMaxCodes> m_prefix{};
    std::array<uint8_t, kMaxCodes> m_suffix{};
    std::array<uint8_t, kMaxCodes> m_first{};
    std::array<uint8_t, kMaxCodes> m_stack{};
};

} // namespace

bool looksLikeGif(std::span<const uint8_t> bytes) {
    return bytes.size() >= kSignatureSize + kScreenDescriptorSize && bytes[0] == 'G' && bytes[1] == 'I';
}

std::optional<Picture> decodeGif(std::span<const uint8_t> bytes) {
    if (!looksLikeGif(bytes)) {
        return std::nullopt;
    }
    ByteReader in(bytes);
    in.skip(kSignatureSize);
    const auto screen = in.take(kScreenDescriptorSize);
    const int screenWidth = le16(screen, 0);
    const int screenHeight = le16(screen, 2);
    if (!isValidImageSize(screenWidth, screenHeight)) {
        return std::nullopt;
    }
    Palette palette;
    if ((screen[4] & 0x80) != 0) {
        if (!readPalette(in, screen[4], palette)) {
            return std::nullopt;
        }
    } else {
        for (uint32_t i = 0; i < palette.size(); ++i) {
            palette[i] = (i << 16) | (i << 8) | i;
        }
    }
    for (;;) {
        uint8_t block = 0;
        if (!in.read(block)) {
            return std::nullopt;
        }
        if (block == kExtension) {
            // Graphic control (transparency) and every other extension are skipped alike.
            if (!in.skip(1) || !skipSubBlocks(in)) {
                return std::nullopt;
            }
            continue;
        }
        if (block == kTrailer) {
            return std::nullopt; // the file ends before its first image
        }
        if (block != kImage) {
            return std::nullopt; // a block this format does not have
        }
        break;
    }
    const auto descriptor = in.take(kImageDescriptorSize);
    if (descriptor.size() != kImageDescriptorSize) {
        return std::nullopt;
    }
    const int imageWidth = le16(descriptor, 4);
    const int imageHeight = le16(descriptor, 6);
    const uint8_t flags = descriptor[8];
    if (!isValidImageSize(imageWidth, imageHeight)) {
        return std::nullopt;
    }
    if ((flags & 0x80) != 0 && !readPalette(in, flags, palette)) {
        return std::nullopt;
    }
    uint8_t minCodeSize = 0;
    if (!in.read(minCodeSize)) {
        return std::nullopt;
    }
    // The block is allocated only once the file has shown its structure up to the image data.
    std::optional<Picture> picture;
    try {
        const std::vector<uint8_t> data = collectSubBlocks(in);
        picture = makeBlankPicture(screenWidth, screenHeight);
        if (!picture) {
            return std::nullopt;
        }
        PixelSink sink(*picture, palette, imageWidth, imageHeight, (flags & 0x40) != 0);
        LzwDecoder lzw;
        if (!lzw.decode(minCodeSize, data, sink)) {
            return std::nullopt;
        }
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    return picture;
}
