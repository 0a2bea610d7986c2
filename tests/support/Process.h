// Process.h: runs the real game binary from end-to-end tests.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

struct ProcessResult {
    int exitCode = -1; // -1 when it was killed or timed out
    bool timedOut = false;
    std::string output; // standard output and standard error together
    std::chrono::milliseconds elapsed{0};
};

// Runs `program` with `arguments` and extra "NAME=value" environment entries; kills it after
// `timeout`.
ProcessResult runProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                         std::chrono::milliseconds timeout = std::chrono::seconds(60),
                         const std::vector<std::string>& environment = {});

// Starts a process in the background, its output (both streams) going to `output`, with the extra
// "NAME=value" `environment` entries; the caller stops it.
pid_t startProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                   const std::filesystem::path& output = "/dev/null",
                   const std::vector<std::string>& environment = {});
// Waits up to `timeout` for it to end; kills it otherwise. Answers its exit code or -1.
int finishProcess(pid_t pid, std::chrono::milliseconds timeout);
