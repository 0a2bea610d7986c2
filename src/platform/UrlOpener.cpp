// UrlOpener.cpp: handing a web address to the desktop's opener program, without a shell.
#include "UrlOpener.h"

#include "engine/core/ksLog.h"

#include <array>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

// Openers that outlived the patience; collected when they end.
std::array<pid_t, 8> g_running{};

void collectEndedOpeners() {
    for (pid_t& pid : g_running) {
        if (pid > 0 && waitpid(pid, nullptr, WNOHANG) != 0) {
            pid = 0;
        }
    }
}

void remember(pid_t pid) {
    for (pid_t& slot : g_running) {
        if (slot <= 0) {
            slot = pid;
            return;
        }
    }
}

} // namespace

bool launchUrlOpener(const char* program, const std::string& address, std::chrono::milliseconds patience) {
    collectEndedOpeners();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::array<char*, 3> argv{const_cast<char*>(program), const_cast<char*>(address.c_str()), nullptr};
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, program, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        trace("launchUrlOpener - %s could not be started", program);
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        int status = 0;
        const pid_t ended = waitpid(pid, &status, WNOHANG);
        if (ended == pid) {
            const bool opened = WIFEXITED(status) && WEXITSTATUS(status) == 0;
            if (!opened) {
                trace("launchUrlOpener - %s found nothing to open the address with", program);
            }
            return opened;
        }
        if (ended < 0 || std::chrono::steady_clock::now() >= deadline) {
            remember(pid);
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}
