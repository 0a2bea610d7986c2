// TestEnvironment.cpp: every test program runs with SDL's dummy video and audio drivers, so no
// test ever needs (or opens) a display or a sound device.
#include <cstdlib>

namespace {

const bool g_dummyDrivers = [] {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    return true;
}();

} // namespace
