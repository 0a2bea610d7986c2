// TestSupport.h: temporary directories and log capture for the tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A fresh directory under the system's temporary directory, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// Opens the game log in a temporary directory for the lifetime of the object, so a test can read
// back exactly the lines it caused.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();

    // The trace lines written so far (without the start line and the blank line after it).
    std::vector<std::string> lines() const;
    // How many lines contain `text`.
    int count(const std::string& text) const;

private:
    TempDir m_dir;
};

std::string readTextFile(const std::filesystem::path& path);
std::vector<uint8_t> bytesOf(std::string_view text);
void writeBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes);
void writeText(const std::filesystem::path& path, const std::string& text);

class ksCanvas;
// How many pixels of the frame differ from the background outside every reported dirty rectangle.
int changesOutsideDirty(const ksCanvas& canvas);

// A decoded screenshot as 0x00RRGGBB pixels.
struct Screenshot {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};
std::optional<Screenshot> readScreenshot(const std::filesystem::path& path);
