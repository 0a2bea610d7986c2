// DesktopBench.cpp: what the game costs on a desktop, measured beside a same-game peer.
//
// Starts a private X server (Xvfb), runs the game in a window on it and measures from outside,
// as a desktop would see it: start until the first picture, windows mapped, resident memory at
// rest, processor time and wake-ups while nobody plays (on the title and on a resting Classic
// board), processor time for 50 clicks, and click until the first changed pixels (XDamage).
// When Debian's sgt-samegame is installed it gets the same treatment in the same run.
#include "support/ChildProcess.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Processor time (user + system) and context switches of the whole process and of its main
// thread. A context switch is a wake-up: the thread slept and ran again.
struct CpuSample {
    double processSeconds = 0;
    double mainSeconds = 0;
    long processSwitches = 0;
    long mainSwitches = 0;
};

double ticksOf(const std::string& statPath) {
    std::ifstream in(statPath);
    std::string line;
    std::getline(in, line);
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos) {
        return 0;
    }
    std::istringstream fields(line.substr(close + 2));
    std::string field;
    double utime = 0, stime = 0;
    for (int i = 3; fields >> field; ++i) {
        if (i == 14) {
            utime = std::stod(field);
        } else if (i == 15) {
            stime = std::stod(field);
            break;
        }
    }
    return (utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

long switchesOf(const std::string& statusPath) {
    std::ifstream in(statusPath);
    std::string line;
    long total = 0;
    while (std::getline(in, line)) {
        if (line.rfind("voluntary_ctxt_switches:", 0) == 0 ||
            line.rfind("nonvoluntary_ctxt_switches:", 0) == 0) {
            total += std::stol(line.substr(line.find(':') + 1));
        }
    }
    return total;
}

CpuSample sampleCpu(pid_t pid) {
    CpuSample sample;
    const std::string base = "/proc/" + std::to_string(pid);
    sample.processSeconds = ticksOf(base + "/stat");
    sample.mainSeconds = ticksOf(base + "/task/" + std::to_string(pid) + "/stat");
    sample.mainSwitches = switchesOf(base + "/task/" + std::to_string(pid) + "/status");
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(base + "/task", error)) {
        sample.processSwitches += switchesOf(task.path().string() + "/status");
    }
    return sample;
}

long residentKiB(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

// A private X server on display :number.
class XServer {
public:
    XServer(int number, int width, int height, bool windowManager)
        : m_name(std::string(":").append(std::to_string(number)))
        , m_server({"/usr/bin/Xvfb", m_name, "-screen", "0",
                    std::to_string(width) + "x" + std::to_string(height) + "x24", "-nolisten", "tcp"},
                   {}) {
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
        for (int i = 0; i < 500 && !std::filesystem::exists(socket); ++i) {
            std::this_thread::sleep_for(10ms);
        }
        for (int i = 0; i < 100 && m_display == nullptr; ++i) {
            m_display = XOpenDisplay(m_name.c_str());
            if (m_display == nullptr) {
                std::this_thread::sleep_for(20ms);
            }
        }
        if (windowManager && m_display != nullptr) {
            m_manager.emplace(std::vector<std::string>{"/usr/bin/openbox"},
                              ChildProcess::Options{.environment = {"DISPLAY=" + m_name}});
            std::this_thread::sleep_for(1s);
        }
    }
    ~XServer() {
        m_manager.reset();
        if (m_display != nullptr) {
            XCloseDisplay(m_display);
        }
    }
    Display* display() const { return m_display; }
    const std::string& name() const { return m_name; }

private:
    std::string m_name;
    ChildProcess m_server;
    std::optional<ChildProcess> m_manager;
    Display* m_display = nullptr;
};

std::optional<pid_t> windowPid(Display* display, Window window) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::optional<pid_t> pid;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
        data != nullptr && count == 1 && format == 32) {
        pid = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
    }
    if (data != nullptr) {
        XFree(data);
    }
    return pid;
}

// The viewable window of the process, searched through the whole tree (a window manager
// reparents it); None while there is none.
Window findWindow(Display* display, Window from, pid_t pid) {
    XWindowAttributes attributes;
    if (windowPid(display, from) == pid && XGetWindowAttributes(display, from, &attributes) &&
        attributes.map_state == IsViewable) {
        return from;
    }
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    Window found = None;
    if (XQueryTree(display, from, &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && found == None; ++i) {
            found = findWindow(display, children[i], pid);
        }
        if (children != nullptr) {
            XFree(children);
        }
    }
    return found;
}

int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

// The windows of the measured process mapped so far; every event loop passes events through here.
struct MapCount {
    pid_t pid = -1;
    int maps = 0;
    void see(Display* display, const XEvent& event) {
        if (event.type == MapNotify && windowPid(display, event.xmap.window) == pid) {
            ++maps;
        }
    }
};
MapCount g_maps;

void drainEvents(Display* display) {
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        g_maps.see(display, event);
    }
}

// True once the window shows more than one colour.
bool isPainted(Display* display, Window window) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) {
        return false;
    }
    XImage* image = XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return false;
    }
    const unsigned long first = XGetPixel(image, 0, 0);
    bool painted = false;
    for (int y = 0; y < image->height && !painted; y += 7) {
        for (int x = 0; x < image->width && !painted; x += 7) {
            painted = XGetPixel(image, x, y) != first;
        }
    }
    XDestroyImage(image);
    return painted;
}

struct WindowSize {
    int width = 0;
    int height = 0;
};

WindowSize sizeOf(Display* display, Window window) {
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    return {attributes.width, attributes.height};
}

void moveTo(Display* display, Window window, int x, int y) {
    Window child = 0;
    int rootX = 0, rootY = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &rootX, &rootY, &child);
    XTestFakeMotionEvent(display, -1, rootX, rootY, CurrentTime);
    XFlush(display);
}

void click(Display* display, Window window, int x, int y) {
    moveTo(display, window, x, y);
    std::this_thread::sleep_for(5ms);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);
}

void pressKey(Display* display, KeySym key) {
    const KeyCode code = XKeysymToKeycode(display, key);
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    XFlush(display);
}

// Milliseconds from a click until the window's pixels first change; nothing when they do not
// change within half a second.
std::optional<double> clickToDamage(Display* display, Window window, int damageBase, int x, int y) {
    moveTo(display, window, x, y);
    std::this_thread::sleep_for(300ms); // a hover reaction is not what is measured
    const Damage damage = XDamageCreate(display, window, XDamageReportNonEmpty);
    XSync(display, False);
    drainEvents(display);
    XDamageSubtract(display, damage, None, None);
    XSync(display, False);
    const auto start = Clock::now();
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);
    std::optional<double> latency;
    while (!latency && msSince(start) < 500) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            g_maps.see(display, event);
            if (event.type == damageBase + XDamageNotify) {
                latency = msSince(start);
                break;
            }
        }
        if (!latency) {
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
    }
    XDamageDestroy(display, damage);
    XSync(display, False);
    return latency;
}

// Where a program's game area lies in its window, and where to click.
struct Program {
    std::string name;
    std::vector<std::string> argv;
    std::vector<std::string> env;
    int gameWidth = 0; // the picture's own size, letterboxed into the window
    int gameHeight = 0;
    // Opens a resting board from the first screen (nothing for a peer that starts on one).
    bool opensBoard = false;
    // The board area in game coordinates, for clicks.
    int boardLeft = 0, boardTop = 0, boardRight = 0, boardBottom = 0;
};

struct Point {
    int x, y;
};

Point toWindow(const Program& program, WindowSize window, int x, int y) {
    if (program.gameWidth == 0) {
        return {x, y};
    }
    const double scale = std::min(static_cast<double>(window.width) / program.gameWidth,
                                  static_cast<double>(window.height) / program.gameHeight);
    const int offsetX = static_cast<int>((window.width - program.gameWidth * scale) / 2);
    const int offsetY = static_cast<int>((window.height - program.gameHeight * scale) / 2);
    return {offsetX + static_cast<int>(x * scale), offsetY + static_cast<int>(y * scale)};
}

struct Result {
    double firstPictureMs = NAN;
    int windowMaps = 0;
    long restingKiB = 0;
    CpuSample titleIdle, boardIdle, clicks, fade;
    double clickToPixelsP50 = NAN;
    int latencySamples = 0;
};

CpuSample operator-(const CpuSample& a, const CpuSample& b) {
    return {a.processSeconds - b.processSeconds, a.mainSeconds - b.mainSeconds,
            a.processSwitches - b.processSwitches, a.mainSwitches - b.mainSwitches};
}

CpuSample idleFor(pid_t pid, std::chrono::seconds length) {
    const CpuSample before = sampleCpu(pid);
    std::this_thread::sleep_for(length);
    return sampleCpu(pid) - before;
}

std::optional<Result> measure(const Program& program, XServer& server, std::chrono::seconds idle) {
    Display* display = server.display();
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    drainEvents(display);
    std::vector<std::string> env = program.env;
    env.push_back("DISPLAY=" + server.name());
    const auto start = Clock::now();
    ChildProcess child(program.argv, {.environment = env,
                                      .keepStandardError = std::getenv("DESKTOP_BENCH_STDERR") != nullptr});
    if (child.pid() <= 0) {
        std::fprintf(stderr, "desktop-bench: cannot start %s\n", program.argv[0].c_str());
        return std::nullopt;
    }
    Result result;
    g_maps = MapCount{child.pid(), 0};
    Window window = None;
    while (window == None && msSince(start) < 10000) {
        drainEvents(display);
        window = findWindow(display, DefaultRootWindow(display), child.pid());
        if (window == None) {
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
    }
    if (window == None) {
        std::fprintf(stderr, "desktop-bench: %s showed no window\n", program.name.c_str());
        return std::nullopt;
    }
    while (!isPainted(display, window) && msSince(start) < 10000) {
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    result.firstPictureMs = msSince(start);

    std::this_thread::sleep_for(3s);
    result.restingKiB = residentKiB(child.pid());
    result.titleIdle = idleFor(child.pid(), idle);

    const WindowSize size = sizeOf(display, window);
    if (program.opensBoard) {
        const CpuSample before = sampleCpu(child.pid());
        const Point classic = toWindow(program, size, 78, 297);
        click(display, window, classic.x, classic.y);
        std::this_thread::sleep_for(1500ms);
        result.fade = sampleCpu(child.pid()) - before;
        pressKey(display, XK_Return);    // the intro picture
        std::this_thread::sleep_for(5s); // the mascot floats in on its balloons

        moveTo(display, window, toWindow(program, size, 100, 470).x, toWindow(program, size, 100, 470).y);
        std::this_thread::sleep_for(1s);
        result.boardIdle = idleFor(child.pid(), idle);
    } else {
        result.boardIdle = result.titleIdle;
    }

    // Fifty clicks over eleven seconds on the board.
    std::mt19937 random(7);
    std::uniform_int_distribution<int> column(program.boardLeft, program.boardRight);
    std::uniform_int_distribution<int> row(program.boardTop, program.boardBottom);
    const CpuSample beforeClicks = sampleCpu(child.pid());
    for (int i = 0; i < 50; ++i) {
        const Point at = toWindow(program, size, column(random), row(random));
        click(display, window, at.x, at.y);
        std::this_thread::sleep_for(215ms);
    }
    result.clicks = sampleCpu(child.pid()) - beforeClicks;

    // Click to changed pixels, at rest.
    int damageBase = 0, damageError = 0;
    if (XDamageQueryExtension(display, &damageBase, &damageError)) {
        std::vector<double> latencies;
        for (int i = 0; i < 40 && latencies.size() < 15; ++i) {
            const Point at = toWindow(program, size, column(random), row(random));
            std::this_thread::sleep_for(700ms);
            if (const auto latency = clickToDamage(display, window, damageBase, at.x, at.y)) {
                latencies.push_back(*latency);
            }
        }
        if (!latencies.empty()) {
            std::sort(latencies.begin(), latencies.end());
            result.clickToPixelsP50 = latencies[latencies.size() / 2];
            result.latencySamples = static_cast<int>(latencies.size());
        }
    }

    // Windows the process mapped (a window manager's frames are not the program's).
    drainEvents(display);
    result.windowMaps = g_maps.maps;
    return result;
}

void printTable(const std::vector<std::pair<std::string, Result>>& results, int idleSeconds) {
    std::printf("\n| |");
    for (const auto& [name, result] : results) {
        std::printf(" %s |", name.c_str());
    }
    std::printf("\n|---|");
    for (std::size_t i = 0; i < results.size(); ++i) {
        std::printf("---:|");
    }
    std::printf("\n");
    auto row = [&](const char* label, auto value) {
        std::printf("| %s |", label);
        for (const auto& entry : results) {
            std::printf(" %s |", value(entry.second).c_str());
        }
        std::printf("\n");
    };
    auto format = [](const char* pattern, double value) {
        char text[64];
        std::snprintf(text, sizeof text, pattern, value);
        return std::string(text);
    };
    row("start → first picture (ms)", [&](const Result& r) { return format("%.0f", r.firstPictureMs); });
    row("windows mapped per start", [&](const Result& r) { return std::to_string(r.windowMaps); });
    row("resident memory at rest (MiB)",
        [&](const Result& r) { return format("%.1f", r.restingKiB / 1024.0); });
    const std::string idle = std::to_string(idleSeconds) + " s";
    row(("CPU idle on the title, " + idle + " (ms, process / main thread)").c_str(), [&](const Result& r) {
        return format("%.0f", r.titleIdle.processSeconds * 1000) + " / " +
               format("%.0f", r.titleIdle.mainSeconds * 1000);
    });
    row(("wake-ups idle on the title, " + idle + " (process / main thread)").c_str(), [&](const Result& r) {
        return std::to_string(r.titleIdle.processSwitches) + " / " + std::to_string(r.titleIdle.mainSwitches);
    });
    row(("CPU idle on a resting board, " + idle + " (ms, process / main thread)").c_str(),
        [&](const Result& r) {
            return format("%.0f", r.boardIdle.processSeconds * 1000) + " / " +
                   format("%.0f", r.boardIdle.mainSeconds * 1000);
        });
    row(("wake-ups idle on a resting board, " + idle + " (process / main thread)").c_str(),
        [&](const Result& r) {
            return std::to_string(r.boardIdle.processSwitches) + " / " +
                   std::to_string(r.boardIdle.mainSwitches);
        });
    row("CPU entering the board, 1.5 s with its fade (ms)",
        [&](const Result& r) { return format("%.0f", r.fade.processSeconds * 1000); });
    row("CPU for 50 clicks over 11 s (ms)",
        [&](const Result& r) { return format("%.0f", r.clicks.processSeconds * 1000); });
    row("click → first changed pixels, p50 (ms)", [&](const Result& r) {
        return format("%.1f", r.clickToPixelsP50) + " (" + std::to_string(r.latencySamples) + ")";
    });
}

void usage() {
    std::puts("Usage: zibbet-desktop-bench [--game PATH] [--peer PATH|none] [--screen WxH] [--fullscreen]\n"
              "                            [--sound] [--idle SECONDS] [--display N]\n"
              "Runs the game (and sgt-samegame when installed) on a private Xvfb and prints a table.\n"
              "  --fullscreen  full screen under a window manager (openbox), to measure the scaling\n"
              "  --sound       give the game SDL's dummy sound device, so the music is mixed");
}

} // namespace

int main(int argc, char** argv) {
    std::string game = std::filesystem::path(argv[0]).parent_path() / "zibbet";
    std::string peer = "/usr/games/sgt-samegame";
    int width = 1280, height = 1024, displayNumber = 93;
    int idleSeconds = 10;
    bool fullscreen = false, sound = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : std::string(); };
        if (arg == "--game") {
            game = next();
        } else if (arg == "--peer") {
            peer = next();
        } else if (arg == "--screen") {
            if (std::sscanf(next().c_str(), "%dx%d", &width, &height) != 2) {
                usage();
                return 2;
            }
        } else if (arg == "--display") {
            displayNumber = std::atoi(next().c_str());
        } else if (arg == "--idle") {
            idleSeconds = std::max(1, std::atoi(next().c_str()));
        } else if (arg == "--fullscreen") {
            fullscreen = true;
        } else if (arg == "--sound") {
            sound = true;
        } else {
            usage();
            return arg == "--help" ? 0 : 2;
        }
    }
    if (!std::filesystem::exists("/usr/bin/Xvfb") ||
        (fullscreen && !std::filesystem::exists("/usr/bin/openbox"))) {
        std::fputs(
            "desktop-bench: needs Xvfb (and openbox for --fullscreen); make bench-desktop installs them\n",
            stderr);
        return 1;
    }
    XSetErrorHandler(ignoreErrors);

    const auto home =
        std::filesystem::temp_directory_path() / ("zibbet-desktop-bench-" + std::to_string(getpid()));
    std::filesystem::remove_all(home);
    std::filesystem::create_directories(home);

    std::vector<Program> programs;
    Program zibbet{"Zibbet", {game, "--home", home.string(), fullscreen ? "--fullscreen" : "--windowed"},
                   {},       640,
                   480,      true,
                   215,      40,
                   560,      200};
    if (!sound) {
        zibbet.env.push_back("SDL_AUDIODRIVER=none"); // no sound device, as on a silent desktop
    } else {
        zibbet.env.push_back("SDL_AUDIODRIVER=dummy");
    }
    programs.push_back(zibbet);
    if (peer != "none" && std::filesystem::exists(peer)) {
        // Its 15 x 10 board fills the window; clicks go to its middle part.
        programs.push_back({"sgt-samegame 15 × 10", {peer, "15x10c3s2"}, {}, 0, 0, false, 40, 40, 380, 250});
    }

    std::vector<std::pair<std::string, Result>> results;
    for (const Program& program : programs) {
        XServer server(displayNumber++, width, height, fullscreen);
        if (server.display() == nullptr) {
            std::fputs("desktop-bench: the X server did not start\n", stderr);
            return 1;
        }
        std::fprintf(stderr, "desktop-bench: measuring %s on a %dx%d screen%s...\n", program.name.c_str(),
                     width, height, fullscreen ? ", full screen" : "");
        if (auto result = measure(program, server, std::chrono::seconds(idleSeconds))) {
            results.emplace_back(program.name, *result);
        }
    }
    std::filesystem::remove_all(home);
    if (results.empty()) {
        return 1;
    }
    std::printf("Screen %dx%d%s%s, %d cores\n", width, height, fullscreen ? ", full screen" : ", window",
                sound ? ", with a sound device" : "", static_cast<int>(std::thread::hardware_concurrency()));
    printTable(results, idleSeconds);
    return 0;
}
