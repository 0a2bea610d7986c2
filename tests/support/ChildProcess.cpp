// ChildProcess.cpp: a program run beside the caller, ended with its scope.
#include "ChildProcess.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

// The caller's environment with `extra` laid over it.
std::vector<std::string> environmentWith(const std::vector<std::string>& extra) {
    std::vector<std::string> env = extra;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry(*e);
        const std::string name = entry.substr(0, entry.find('=') + 1);
        if (std::none_of(extra.begin(), extra.end(),
                         [&](const std::string& given) { return given.rfind(name, 0) == 0; })) {
            env.push_back(entry);
        }
    }
    return env;
}

std::vector<char*> pointersTo(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& s : strings) {
        pointers.push_back(s.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const Options& options) {
    if (argv.empty()) {
        return;
    }
    std::vector<std::string> args = argv;
    std::vector<std::string> env = environmentWith(options.environment);
    std::vector<char*> argPointers = pointersTo(args);
    std::vector<char*> envPointers = pointersTo(env);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    if (!options.keepStandardError) {
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    }
    if (options.passDescriptor >= 0) {
        posix_spawn_file_actions_adddup2(&actions, options.passDescriptor, 3);
    }
    if (posix_spawn(&m_pid, argPointers[0], &actions, nullptr, argPointers.data(), envPointers.data()) != 0) {
        m_pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
}

ChildProcess::~ChildProcess() {
    if (m_pid <= 0) {
        return;
    }
    using namespace std::chrono_literals;
    kill(m_pid, SIGTERM);
    for (int i = 0; i < 300 && waitpid(m_pid, nullptr, WNOHANG) == 0; ++i) {
        std::this_thread::sleep_for(10ms);
    }
    if (waitpid(m_pid, nullptr, WNOHANG) == 0) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
}
