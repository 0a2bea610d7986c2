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

// Starts `program` with its output (both streams) in `output` and the inherited environment, whose
// entries the "NAME=value" entries of `environment` replace. Answers the process id or -1.
pid_t spawn(const std::filesystem::path& program, const std::vector<std::string>& arguments,
            const char* output, const std::vector<std::string>& environment) {
    std::vector<std::string> envStorage(environment);
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('=') + 1);
        bool replaced = false;
        for (const std::string& extra : environment) {
            replaced = replaced || extra.starts_with(name);
        }
        if (!replaced) {
            envStorage.push_back(entry);
        }
    }
    std::vector<std::string> argStorage{program.string()};
    argStorage.insert(argStorage.end(), arguments.begin(), arguments.end());
    auto pointers = [](std::vector<std::string>& strings) {
        std::vector<char*> result;
        for (std::string& s : strings) {
            result.push_back(s.data());
        }
        result.push_back(nullptr);
        return result;
    };
    auto args = pointers(argStorage);
    auto envp = pointers(envStorage);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, args.data(), envp.data()) != 0) {
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return pid;
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
    ProcessResult result;
    const auto started = std::chrono::steady_clock::now();
    const pid_t pid = spawn(program, arguments, outputFile.c_str(), environment);
    if (pid < 0) {
        result.output = "could not start " + program.string();
        return result;
    }
    result.exitCode = waitWithTimeout(pid, timeout, result.timedOut);
    result.elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
    result.output = readTextFile(outputFile);
    return result;
}

pid_t startProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                   const std::filesystem::path& output, const std::vector<std::string>& environment) {
    return spawn(program, arguments, output.c_str(), environment);
}

int finishProcess(pid_t pid, std::chrono::milliseconds timeout) {
    bool timedOut = false;
    return waitWithTimeout(pid, timeout, timedOut);
}
