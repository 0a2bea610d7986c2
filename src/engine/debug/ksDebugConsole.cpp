// ksDebugConsole.cpp: coloured trace lines sent to a separate console program, when one listens.
#include "ksDebugConsole.h"

#include <algorithm>
#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

struct Channel {
    std::string name = ksDebugConsole::defaultChannelName();
    int socket = -1;

    ~Channel() {
        if (socket >= 0) {
            ::close(socket);
        }
    }
};

Channel& channel() {
    static Channel instance;
    return instance;
}

void sendRecord(uint32_t kind, const char* payload, std::size_t length) {
    Channel& c = channel();
    if (c.socket < 0) {
        c.socket = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (c.socket < 0) {
            return;
        }
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // Abstract namespace: a leading zero byte, no file on disk, nothing stale left behind.
    const std::size_t nameLength = std::min(c.name.size(), sizeof address.sun_path - 1);
    std::memcpy(address.sun_path + 1, c.name.data(), nameLength);
    const auto addressLength = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + nameLength);

    char datagram[4 + 256];
    for (int i = 0; i < 4; ++i) {
        datagram[i] = static_cast<char>(kind >> (8 * i));
    }
    std::memcpy(datagram + 4, payload, length);
    // Fails at once with no listener; the line is simply dropped.
    (void)::sendto(c.socket, datagram, 4 + length, MSG_DONTWAIT | MSG_NOSIGNAL,
                   reinterpret_cast<const sockaddr*>(&address), addressLength);
}

} // namespace

std::string ksDebugConsole::defaultChannelName() {
    return "zibbet-debug-console-" + std::to_string(::getuid());
}

void ksDebugConsole::setChannelName(const std::string& name) {
    channel().name = name;
}

const std::string& ksDebugConsole::channelName() {
    return channel().name;
}

void debugPrint(uint32_t colour, const char* format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (length < 0) {
        return;
    }

    const char colourRecord[6] = {'^',
                                  ksDebugConsole::kChannel,
                                  static_cast<char>(colour),
                                  static_cast<char>(colour >> 8),
                                  static_cast<char>(colour >> 16),
                                  static_cast<char>(colour >> 24)};
    sendRecord(ksDebugConsole::kColourRecord, colourRecord, sizeof colourRecord);

    char textRecord[256];
    const int shown =
        std::snprintf(textRecord, sizeof textRecord, "^%c%.253s", ksDebugConsole::kChannel, text);
    sendRecord(ksDebugConsole::kTextRecord, textRecord, static_cast<std::size_t>(shown) + 1);
}
