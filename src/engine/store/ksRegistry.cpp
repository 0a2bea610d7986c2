// ksRegistry.cpp: the persistent settings store (window and display settings, raw named values).
#include "ksRegistry.h"

#include "LittleEndianBytes.h"
#include "engine/core/FileIo.h"

#include <array>
#include <memory>
#include <system_error>

namespace {

std::unique_ptr<ksRegistry>& singleton() {
    static std::unique_ptr<ksRegistry> instance;
    return instance;
}

} // namespace

ksRegistry::ksRegistry(const std::string& applicationName, uint8_t versionMajor, uint8_t versionMinor,
                       std::filesystem::path configDir)
    : m_versionMajor(versionMajor)
    , m_versionMinor(versionMinor)
    , m_applicationName(applicationName)
    , m_configDir(std::move(configDir)) {
    resetSettings();
}

ksRegistry& ksRegistry::create(const std::string& applicationName, uint8_t versionMajor, uint8_t versionMinor,
                               const std::filesystem::path& configDir) {
    if (!singleton()) {
        singleton() = std::make_unique<ksRegistry>(applicationName, versionMajor, versionMinor, configDir);
    }
    return *singleton();
}

ksRegistry& ksRegistry::instance() {
    return *singleton();
}

void ksRegistry::resetSettings() {
    m_windowRect = ScreenRect{};
    m_windowRect.setPosition(1, 1);
    m_windowRect.setSize(640, 480);
    m_windowed = 0;
    m_enhancedCursor = 0;
    m_fullScreenDepth = 32;
    m_desktopDepth = 0;
    if (m_applicationName.empty()) {
        m_applicationName = "default";
    }
}

bool ksRegistry::versionMatches() {
    std::array<uint8_t, 2> version{};
    std::size_t read = 0;
    return readValue("Version", version, &read) && read == 2 && version[0] == m_versionMajor &&
           version[1] == m_versionMinor;
}

bool ksRegistry::loadSettings() {
    if (!versionMatches() || valueSize("Settings") != kSettingsSize) {
        return false;
    }
    std::array<uint8_t, kSettingsSize> record{};
    std::size_t read = 0;
    if (!readValue("Settings", record, &read) || read != kSettingsSize) {
        return false;
    }
    decodeSettings(record);
    return true;
}

bool ksRegistry::saveSettings() {
    const std::array<uint8_t, 2> version{m_versionMajor, m_versionMinor};
    std::array<uint8_t, kSettingsSize> record{};
    encodeSettings(record);
    const bool versionSaved = writeValue("Version", version);
    return writeValue("Settings", record) && versionSaved;
}

bool ksRegistry::loadCustom(std::span<uint8_t> buffer) {
    if (!versionMatches() || valueSize("Custom") > buffer.size()) {
        return false;
    }
    return readValue("Custom", buffer);
}

bool ksRegistry::saveCustom(std::span<const uint8_t> data) {
    return writeValue("Custom", data);
}

bool ksRegistry::writeValue(const std::string& name, std::span<const uint8_t> data) {
    std::error_code ignored;
    std::filesystem::create_directories(m_configDir, ignored);
    return writeFileAtomically(m_configDir / name, data);
}

bool ksRegistry::readValue(const std::string& name, std::span<uint8_t> buffer, std::size_t* read) {
    const auto bytes = readFileBytes(m_configDir / name, buffer.size());
    if (!bytes) {
        return false;
    }
    std::copy(bytes->begin(), bytes->end(), buffer.begin());
    if (read != nullptr) {
        *read = bytes->size();
    }
    return true;
}

std::size_t ksRegistry::valueSize(const std::string& name) {
    std::error_code error;
    const auto size = std::filesystem::file_size(m_configDir / name, error);
    return error ? 0 : static_cast<std::size_t>(size);
}

void ksRegistry::encodeSettings(std::span<uint8_t, kSettingsSize> out) const {
    putI32(out, 0, m_windowRect.top);
    putI32(out, 4, m_windowRect.left);
    putI32(out, 8, m_windowRect.right);
    putI32(out, 12, m_windowRect.bottom);
    putI32(out, 16, m_windowRect.width);
    putI32(out, 20, m_windowRect.height);
    out[24] = m_windowed;
    out[25] = m_windowedUnavailable;
    out[26] = m_enhancedCursor;
    out[27] = 0; // padding
    putU32(out, 28, m_fullScreenDepth);
    putU32(out, 32, m_desktopDepth);
}

void ksRegistry::decodeSettings(std::span<const uint8_t, kSettingsSize> in) {
    // Every edge is checked before any arithmetic: a damaged or crafted record may hold values
    // near the int32 limits. The stored right and bottom edges are derived, so they are rebuilt
    // from the position and size rather than trusted.
    const int32_t top = getI32(in, 0), left = getI32(in, 4), width = getI32(in, 16), height = getI32(in, 20);
    m_windowed = in[24];
    m_windowedUnavailable = in[25];
    m_enhancedCursor = in[26];
    m_fullScreenDepth = getU32(in, 28);
    m_desktopDepth = getU32(in, 32);

    // A damaged record must not produce an unusable window: fall back to the defaults for
    // values no display accepts (the OS layer re-centres a window that is on no display).
    const bool sizeUsable =
        width >= 160 && width <= kMaxWindowExtent && height >= 120 && height <= kMaxWindowExtent;
    const bool positionUsable = left >= -kMaxWindowCoordinate && left <= kMaxWindowCoordinate &&
                                top >= -kMaxWindowCoordinate && top <= kMaxWindowCoordinate;
    m_windowRect = ScreenRect{};
    m_windowRect.setSize(sizeUsable ? width : 640, sizeUsable ? height : 480);
    m_windowRect.setPosition(positionUsable ? left : 1, positionUsable ? top : 1);
    m_windowed = m_windowed != 0 ? 1 : 0;
    m_windowedUnavailable = m_windowedUnavailable != 0 ? 1 : 0;
    m_enhancedCursor = m_enhancedCursor != 0 ? 1 : 0;
    if (m_fullScreenDepth != 16 && m_fullScreenDepth != 32) {
        m_fullScreenDepth = 32;
    }
}
