// SingleInstance.cpp: makes sure one game runs per state directory, and hands the focus to it.
#include "SingleInstance.h"

#include "engine/core/ksLog.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Abstract-namespace address: no file on disk and no path-length limit on the state directory.
socklen_t makeAddress(const std::string& name, sockaddr_un& address) {
    address = sockaddr_un{};
    address.sun_family = AF_UNIX;
    const std::size_t length = std::min(name.size(), sizeof address.sun_path - 1);
    std::memcpy(address.sun_path + 1, name.data(), length);
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
}

std::string socketNameFor(const std::filesystem::path& stateDir) {
    std::error_code error;
    const auto canonical = std::filesystem::weakly_canonical(stateDir, error);
    const std::string key = error ? stateDir.string() : canonical.string();
    // FNV-1a: stable across runs and builds, unlike std::hash.
    uint64_t hash = 1469598103934665603ull;
    for (unsigned char c : key) {
        hash = (hash ^ c) * 1099511628211ull;
    }
    char name[64];
    std::snprintf(name, sizeof name, "zibbet-instance-%016llx", static_cast<unsigned long long>(hash));
    return name;
}

} // namespace

SingleInstance::SingleInstance(const std::filesystem::path& stateDir)
    : m_socketName(socketNameFor(stateDir)) {
    m_lockFd = ::open((stateDir / "zibbet.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (m_lockFd < 0) {
        trace("SingleInstance - could not open the lock file in %s", stateDir.c_str());
        return;
    }
    if (::flock(m_lockFd, LOCK_EX | LOCK_NB) != 0) {
        m_first = errno != EWOULDBLOCK;
    }
}

SingleInstance::~SingleInstance() {
    if (m_listenFd >= 0) {
        ::shutdown(m_listenFd, SHUT_RDWR); // wakes the listener's accept
    }
    if (m_listener.joinable()) {
        m_listener.join();
    }
    if (m_listenFd >= 0) {
        ::close(m_listenFd);
    }
    if (m_lockFd >= 0) {
        ::close(m_lockFd);
    }
}

bool SingleInstance::notifyFirst() const {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    sockaddr_un address;
    const socklen_t length = makeAddress(m_socketName, address);
    const bool sent = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0 &&
                      ::send(fd, "raise\n", 6, MSG_NOSIGNAL) == 6;
    ::close(fd);
    return sent;
}

void SingleInstance::listen(std::function<void()> onRaise) {
    if (!m_first || m_listener.joinable()) {
        return;
    }
    m_listenFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address;
    const socklen_t length = makeAddress(m_socketName, address);
    if (m_listenFd < 0 || ::bind(m_listenFd, reinterpret_cast<const sockaddr*>(&address), length) != 0 ||
        ::listen(m_listenFd, 4) != 0) {
        trace("SingleInstance - could not listen for other starts");
        if (m_listenFd >= 0) {
            ::close(m_listenFd);
            m_listenFd = -1;
        }
        return;
    }
    m_listener = std::thread([fd = m_listenFd, onRaise = std::move(onRaise)] {
        for (;;) {
            const int client = ::accept4(fd, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return; // shut down
            }
            char request[16] = {};
            const ssize_t n = ::recv(client, request, sizeof request - 1, 0);
            ::close(client);
            if (n > 0 && std::strncmp(request, "raise", 5) == 0) {
                onRaise();
            }
        }
    });
}
