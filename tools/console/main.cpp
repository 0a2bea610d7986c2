// zibbet-console: listens for the game's debug lines and prints them in their colours.
#include "engine/debug/ksDebugConsole.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

void printUsage() {
    std::puts("Usage: zibbet-console [--name CHANNEL]\n"
              "Prints the debug lines a running Zibbet sends, each in its colour.\n"
              "The default channel is the current user's; stop with Ctrl+C.");
}

uint32_t readU32(const unsigned char* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

} // namespace

int main(int argc, char** argv) {
    std::string name = ksDebugConsole::defaultChannelName();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            printUsage();
            return 0;
        }
        if (arg == "--name" && i + 1 < argc) {
            name = argv[++i];
            continue;
        }
        std::fprintf(stderr, "zibbet-console: unknown argument '%s' (try --help)\n", arg.c_str());
        return 2;
    }

    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t nameLength = std::min(name.size(), sizeof address.sun_path - 1);
    std::memcpy(address.sun_path + 1, name.data(), nameLength);
    const auto addressLength = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + nameLength);
    if (fd < 0 || ::bind(fd, reinterpret_cast<const sockaddr*>(&address), addressLength) != 0) {
        std::fprintf(stderr, "zibbet-console: cannot listen on '%s' (is another console running?)\n",
                     name.c_str());
        return 1;
    }
    std::printf("Zibbet debug console listening on '%s'\n", name.c_str());
    std::fflush(stdout);

    uint32_t colour = 0xFFFFFF;
    unsigned char datagram[1024];
    for (;;) {
        const ssize_t n = ::recv(fd, datagram, sizeof datagram, 0);
        if (n < 6 || datagram[4] != '^') {
            continue;
        }
        const uint32_t kind = readU32(datagram);
        if (kind == ksDebugConsole::kColourRecord && n >= 10) {
            colour = readU32(datagram + 6);
        } else if (kind == ksDebugConsole::kTextRecord) {
            const std::string text(
                reinterpret_cast<const char*>(datagram + 6),
                strnlen(reinterpret_cast<const char*>(datagram + 6), static_cast<std::size_t>(n) - 6));
            std::printf("\x1b[38;2;%u;%u;%um%s\x1b[0m", (colour >> 16) & 0xFF, (colour >> 8) & 0xFF,
                        colour & 0xFF, text.c_str());
            if (text.empty() || text.back() != '\n') {
                std::putchar('\n');
            }
            std::fflush(stdout);
        }
    }
}
