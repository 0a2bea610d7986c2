// ksRegistry.h: the persistent settings store (window and display settings, raw named values).
#pragma once

#include "GameSettings.h"
#include "engine/core/ScreenRect.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

// Named binary values kept as one file each in the configuration directory: "Version"
// (2 bytes), "Settings" (36 bytes) and "Custom" (the 496-byte player profile). Every write is
// atomic. The store also carries the engine's window and display settings and the game's table
// of tuning values.
class ksRegistry {
public:
    static constexpr std::size_t kSettingsSize = 36;
    // Bounds a stored window rectangle must keep to be used as it is.
    static constexpr int32_t kMaxWindowExtent = 16384;
    static constexpr int32_t kMaxWindowCoordinate = 1 << 20;

    ksRegistry(const std::string& applicationName, uint8_t versionMajor, uint8_t versionMinor,
               std::filesystem::path configDir);

    // The game's one store: created on first use (later calls return it unchanged).
    static ksRegistry& create(const std::string& applicationName, uint8_t versionMajor, uint8_t versionMinor,
                              const std::filesystem::path& configDir);
    static ksRegistry& instance();

    void resetSettings();
    // Reads "Version" and "Settings"; true when the stored record was taken.
    bool loadSettings();
    bool saveSettings();
    // Reads "Custom" into the front of `buffer`; false when the version differs, the value is
    // missing or larger than the buffer.
    bool loadCustom(std::span<uint8_t> buffer);
    bool saveCustom(std::span<const uint8_t> data);

    bool writeValue(const std::string& name, std::span<const uint8_t> data);
    // True when the value exists and fits into `buffer`; `read` receives the stored size.
    bool readValue(const std::string& name, std::span<uint8_t> buffer, std::size_t* read = nullptr);
    // 0 when the value does not exist.
    std::size_t valueSize(const std::string& name);

    // The 36-byte "Settings" record of the current members, and the reverse.
    void encodeSettings(std::span<uint8_t, kSettingsSize> out) const;
    void decodeSettings(std::span<const uint8_t, kSettingsSize> in);

    const ScreenRect& windowRect() const { return m_windowRect; }
    void setWindowPosition(int x, int y) { m_windowRect.setPosition(x, y); }
    void setWindowSize(int width, int height) { m_windowRect.setSize(width, height); }
    bool isWindowed() const { return m_windowed != 0; }
    void setWindowed(bool on) { m_windowed = on ? 1 : 0; }
    bool isWindowedUnavailable() const { return m_windowedUnavailable != 0; }
    void setWindowedUnavailable(bool on) { m_windowedUnavailable = on ? 1 : 0; }
    bool isEnhancedCursor() const { return m_enhancedCursor != 0; }
    void setEnhancedCursor(bool on) { m_enhancedCursor = on ? 1 : 0; }
    uint32_t fullScreenDepth() const { return m_fullScreenDepth; }
    void setFullScreenDepth(uint32_t depth) { m_fullScreenDepth = depth; }
    uint32_t desktopDepth() const { return m_desktopDepth; }
    void setDesktopDepth(uint32_t depth) { m_desktopDepth = depth; }
    // The colour depth in force: the desktop's in a window, the full-screen setting otherwise.
    uint32_t depthInUse() const { return isWindowed() ? m_desktopDepth : m_fullScreenDepth; }
    const std::string& applicationName() const { return m_applicationName; }

    // The tuning values (see GameSettings).
    void setGameSettings(std::string text) { m_gameSettings.setGameSettings(std::move(text)); }
    std::string getString(std::string_view name) const { return m_gameSettings.getString(name); }
    int32_t getInt(std::string_view name) const { return m_gameSettings.getInt(name); }
    void getIntArray(std::string_view name, std::span<int32_t> values) const {
        m_gameSettings.getIntArray(name, values);
    }
    const GameSettings& gameSettings() const { return m_gameSettings; }
    const std::filesystem::path& configDir() const { return m_configDir; }

private:
    bool versionMatches();

    uint8_t m_versionMajor;
    uint8_t m_versionMinor;
    ScreenRect m_windowRect;
    uint8_t m_windowed = 0;
    uint8_t m_windowedUnavailable = 0;
    uint8_t m_enhancedCursor = 0;
    uint32_t m_fullScreenDepth = 32;
    uint32_t m_desktopDepth = 0;
    std::string m_applicationName;
    std::filesystem::path m_configDir;
    GameSettings m_gameSettings;
};
