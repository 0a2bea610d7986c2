// The debug console channel carries a colour record and then a text record per line.
#include "engine/debug/ksDebugConsole.h"

#include <cstddef>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

class Listener {
public:
    explicit Listener(const std::string& name) {
        m_fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path + 1, name.data(), name.size());
        ::bind(m_fd, reinterpret_cast<sockaddr*>(&address),
               static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size()));
    }
    ~Listener() { ::close(m_fd); }
    std::string receive() {
        char buffer[1024];
        const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, MSG_DONTWAIT);
        return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
    }

private:
    int m_fd;
};

TEST(DebugConsole, EachLineArrivesAsColourThenTextRecordLongLinesAreCutAndNobodyListeningIsHarmless) {
    const std::string name = "zibbet-test-console-" + std::to_string(::getpid());
    ksDebugConsole::setChannelName(name + "-nobody");
    debugPrint(0x00FF00, "%s", std::string(2000, 'x').c_str()); // dropped at once

    ksDebugConsole::setChannelName(name);
    Listener listener(name);
    debugPrint(0xFFFFFF, "PRINTABLE: %d\n", 65);
    const std::string colour = listener.receive();
    ASSERT_EQ(colour.size(), 4u + 6u);
    EXPECT_EQ(colour.substr(0, 4), std::string("\x02\x30\x00\x00", 4));
    EXPECT_EQ(colour.substr(4), std::string("^\x01\xFF\xFF\xFF\x00", 6));
    const std::string text = listener.receive();
    ASSERT_EQ(text.size(), 4u + 17u);
    EXPECT_EQ(text.substr(0, 4), std::string("\x01\x30\x00\x00", 4));
    EXPECT_EQ(text.substr(4), std::string("^\x01PRINTABLE: 65\n\0", 17));

    debugPrint(0x00FF00, "%s", std::string(600, 'y').c_str());
    listener.receive();
    EXPECT_EQ(listener.receive().size(), 4u + 2u + 253u + 1u);
    ksDebugConsole::setChannelName(ksDebugConsole::defaultChannelName());
}

} // namespace
