// ksDebugConsole.h: coloured trace lines sent to a separate console program, when one listens.
#pragma once

#include <cstdint>
#include <string>

// Lines travel as datagrams over a local socket in the abstract namespace. Each line is two
// records, colour first: the colour record (kind 0x3002) holds '^', the channel byte 1 and the
// colour as a 32-bit little-endian value; the text record (kind 0x3001) holds '^', the channel
// byte, at most 253 characters of text and a terminating zero. Every datagram starts with its
// kind as a 32-bit little-endian value. With no console listening, lines are dropped at once;
// sending never blocks the game.
class ksDebugConsole {
public:
    static constexpr uint32_t kColourRecord = 0x3002;
    static constexpr uint32_t kTextRecord = 0x3001;
    static constexpr char kChannel = 1;

    // The default channel name for this user; the console program listens on the same.
    static std::string defaultChannelName();
    // Switches to another channel name (tests, or several consoles side by side).
    static void setChannelName(const std::string& name);
    static const std::string& channelName();
};

// Formats a line (at most 511 characters) and sends it in `colour` (0xRRGGBB).
[[gnu::format(printf, 2, 3)]] void debugPrint(uint32_t colour, const char* format, ...);
