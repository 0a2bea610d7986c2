// ProcessSignals.cpp: how the game answers the signals a desktop session sends it.
#include "ProcessSignals.h"

#include <csignal>
#include <unistd.h>

namespace {

// Passes the hang-up on as a termination request, to whichever handler that signal has when
// it arrives (the window layer turns it into a quit). kill() is safe inside a handler.
void onHangUp(int) {
    ::kill(::getpid(), SIGTERM);
}

} // namespace

void installProcessSignalHandlers() {
    struct sigaction hangUp {};
    hangUp.sa_handler = onHangUp;
    sigemptyset(&hangUp.sa_mask);
    hangUp.sa_flags = SA_RESTART;
    sigaction(SIGHUP, &hangUp, nullptr);

    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGXFSZ, &ignore, nullptr);
}
