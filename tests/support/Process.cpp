// Process.cpp: runs the real game binary from end-to-end tests.
#include "Process.h"

#include "TestSupport.h"

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

std::vector<char*> argv(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                        std::vector<std::string>& storage) {
    storage.clear();
    storage.push_back(program.string());
    storage.insert(storage.end(), arguments.begin(), arguments.end());
    std::vector<char*> result;
    for (std::string& s : storage) {
        result.push_back(s.data());
    }
    result.push_back(nullptr);
    return result;
}

int waitWithTimeout(pid_t pid, std::chrono::milliseconds timeout, bool& timedOut) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            timedOut = true;
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace

ProcessResult runProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                         std::chrono::milliseconds timeout, const std::vector<std::string>& environment) {
    TempDir dir;
    const auto outputFile = dir / "output.txt";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);

    // The extra entries replace inherited ones of the same name.
    std::vector<std::string> envStorage(environment);
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        bool replaced = false;
        for (const std::string& extra : environment) {
            replaced = replaced || extra.rfind(name + "=", 0) == 0;
        }
        if (!replaced) {
            envStorage.push_back(entry);
        }
    }
    std::vector<char*> envp;
    for (std::string& s : envStorage) {
        envp.push_back(s.data());
    }
    envp.push_back(nullptr);

    std::vector<std::string> storage;
    auto args = argv(program, arguments, storage);
    ProcessResult result;
    const auto started = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, args.data(), envp.data()) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        result.output = "could not start " + program.string();
        return result;
    }
    posix_spawn_file_actions_destroy(&actions);
    result.exitCode = waitWithTimeout(pid, timeout, result.timedOut);
    result.elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
    result.output = readTextFile(outputFile);
    return result;
}

pid_t startProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    std::vector<std::string> storage;
    auto args = argv(program, arguments, storage);
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, args.data(), environ) != 0) {
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

int finishProcess(pid_t pid, std::chrono::milliseconds timeout) {
    bool timedOut = false;
    return waitWithTimeout(pid, timeout, timedOut);
}
