// ChildProcess.h: a program run beside the caller (an X server, a window manager, the game),
// for the desktop test and the desktop benchmark.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// Started by the constructor; ended with its scope: SIGTERM, then SIGKILL if it has not gone
// after three seconds. Its standard output goes nowhere, and so does its standard error unless
// asked for.
class ChildProcess {
public:
    struct Options {
        // "NAME=value" entries; each replaces an inherited variable of the same name.
        std::vector<std::string> environment;
        // When 0 or more, this descriptor of the caller becomes the child's descriptor 3.
        int passDescriptor = -1;
        bool keepStandardError = false;
    };

    // `argv[0]` is the program's path.
    ChildProcess(const std::vector<std::string>& argv, const Options& options);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Above 0 once started.
    pid_t pid() const { return m_pid; }

private:
    pid_t m_pid = -1;
};
