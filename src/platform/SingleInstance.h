// SingleInstance.h: makes sure one game runs per state directory, and hands the focus to it.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <thread>

// The first start holds an exclusive lock on "zibbet.lock" in the state directory (released by
// the system when the process ends, so no stale locks) and listens on a local socket named after
// that directory. A second start finds the lock taken, asks the first to come to the front and
// exits. Two different homes are two independent games.
class SingleInstance {
public:
    explicit SingleInstance(const std::filesystem::path& stateDir);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this process holds the lock (or no lock could be made at all: then the game runs
    // unguarded rather than not at all).
    bool isFirst() const { return m_first; }
    // Second start: asks the first to raise its window. False when it could not be reached.
    bool notifyFirst() const;
    // First start: calls `onRaise` (on a background thread) whenever a second start knocks.
    void listen(std::function<void()> onRaise);

private:
    std::string m_socketName;
    int m_lockFd = -1;
    int m_listenFd = -1;
    bool m_first = true;
    std::thread m_listener;
};
