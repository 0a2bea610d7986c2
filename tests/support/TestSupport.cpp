// TestSupport.cpp: temporary directories and log capture for the tests.
#include "TestSupport.h"

#include "engine/core/ksLog.h"
#include "engine/video/PngFile.h"
#include "engine/video/ksCanvas.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zibbet-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

LogCapture::LogCapture() {
    ksLog::open(m_dir / "log.txt");
}

LogCapture::~LogCapture() {
    ksLog::close();
}

std::vector<std::string> LogCapture::lines() const {
    std::istringstream in(readTextFile(m_dir / "log.txt"));
    std::vector<std::string> result;
    std::string line;
    int index = 0;
    while (std::getline(in, line)) {
        if (index++ >= 2) {
            result.push_back(line);
        }
    }
    return result;
}

int LogCapture::count(const std::string& text) const {
    int n = 0;
    for (const std::string& line : lines()) {
        n += line.find(text) != std::string::npos ? 1 : 0;
    }
    return n;
}

std::string readTextFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::vector<uint8_t> bytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

void writeBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void writeText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

int changesOutsideDirty(const ksCanvas& canvas) {
    const uint32_t* frame = canvas.buffer(ksCanvas::Buffer::Frame);
    const uint32_t* background = canvas.buffer(ksCanvas::Buffer::Background);
    int outside = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            bool covered = frame[y * canvas.width() + x] == background[y * canvas.width() + x];
            for (const ScreenRect& r : canvas.dirtyList()) {
                covered = covered || r.contains(x, y);
            }
            outside += covered ? 0 : 1;
        }
    }
    return outside;
}

std::optional<Screenshot> readScreenshot(const std::filesystem::path& path) {
    auto picture = readPng(path);
    if (!picture) {
        return std::nullopt;
    }
    Screenshot shot{picture->width, picture->height, std::move(picture->pixels)};
    for (uint32_t& p : shot.pixels) {
        p &= 0xFFFFFF;
    }
    return shot;
}
