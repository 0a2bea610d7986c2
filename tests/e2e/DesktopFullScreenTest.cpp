// The real game full screen on a private X server (Xvfb), with and without a window manager:
// the window covers the display and the whole picture shows, and F11 brings the window back.
#include "support/ChildProcess.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

// After the test framework: Xlib's macros None and Bool would rename its names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#undef None
#undef Bool

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

// The X libraries keep caches for the life of the process; under the leak checker they are not
// this test's leaks.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libX11\nleak:libxcb\nleak:libXext\nleak:libXtst\n";
}

namespace {

using namespace std::chrono_literals;

constexpr int kScreenWidth = 1280, kScreenHeight = 1024;

bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds limit = 20s) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (done()) {
            return true;
        }
        std::this_thread::sleep_for(50ms);
    }
    return done();
}

// Xvfb on a free display number, optionally with openbox running on it.
class XServer {
public:
    explicit XServer(bool windowManager) {
        // The server picks a free display itself and writes its number to a pipe, so tests
        // running side by side never share one.
        int fds[2] = {-1, -1};
        if (pipe(fds) != 0) {
            return;
        }
        ChildProcess::Options serverOptions;
        serverOptions.passDescriptor = fds[1];
        m_server.emplace(std::vector<std::string>{"/usr/bin/Xvfb", "-displayfd", "3", "-screen", "0",
                                                  std::to_string(kScreenWidth) + "x" +
                                                      std::to_string(kScreenHeight) + "x24",
                                                  "-nolisten", "tcp"},
                         serverOptions);
        close(fds[1]);
        std::string number;
        char c = 0;
        while (read(fds[0], &c, 1) == 1 && c != '\n') {
            number.push_back(c);
        }
        close(fds[0]);
        if (number.empty()) {
            return;
        }
        m_name = std::string(1, ':').append(number);
        waitFor([&] { return (m_display = XOpenDisplay(m_name.c_str())) != nullptr; }, 5s);
        if (windowManager && m_display != nullptr) {
            m_manager.emplace(std::vector<std::string>{"/usr/bin/openbox"},
                              ChildProcess::Options{.environment = {"DISPLAY=" + m_name}});
            const Atom check = XInternAtom(m_display, "_NET_SUPPORTING_WM_CHECK", False);
            waitFor([&] {
                Atom type = 0;
                int format = 0;
                unsigned long count = 0, after = 0;
                unsigned char* data = nullptr;
                XGetWindowProperty(m_display, DefaultRootWindow(m_display), check, 0, 1, False,
                                   AnyPropertyType, &type, &format, &count, &after, &data);
                if (data != nullptr) {
                    XFree(data);
                }
                return count == 1;
            });
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

    // The game's window: the top-level window titled "Zibbet" (under a window manager, the
    // client inside its frame), or 0.
    Window gameWindow() const { return find(DefaultRootWindow(m_display)); }
    // The window's place on the screen and its size.
    bool geometry(Window window, int& x, int& y, int& width, int& height) const {
        XWindowAttributes attributes{};
        Window child = 0;
        if (XGetWindowAttributes(m_display, window, &attributes) == 0 ||
            XTranslateCoordinates(m_display, window, DefaultRootWindow(m_display), 0, 0, &x, &y, &child) ==
                0) {
            return false;
        }
        width = attributes.width;
        height = attributes.height;
        return true;
    }
    // The screen's pixel at (x, y), 0xRRGGBB.
    unsigned long pixel(int x, int y) const {
        XImage* image = XGetImage(m_display, DefaultRootWindow(m_display), x, y, 1, 1, AllPlanes, ZPixmap);
        if (image == nullptr) {
            return 0;
        }
        const unsigned long value = XGetPixel(image, 0, 0) & 0xFFFFFF;
        XDestroyImage(image);
        return value;
    }
    void pressF11(Window window) {
        int x = 0, y = 0, w = 0, h = 0;
        geometry(window, x, y, w, h);
        XTestFakeMotionEvent(m_display, -1, x + w / 2, y + h / 2, CurrentTime);
        const KeyCode key = XKeysymToKeycode(m_display, XK_F11);
        XTestFakeKeyEvent(m_display, key, True, CurrentTime);
        XTestFakeKeyEvent(m_display, key, False, CurrentTime);
        XSync(m_display, False);
    }

private:
    Window find(Window parent) const {
        Window root = 0, up = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(m_display, parent, &root, &up, &children, &count) == 0) {
            return 0;
        }
        Window found = 0;
        for (unsigned int i = 0; i < count && found == 0; ++i) {
            char* name = nullptr;
            if (XFetchName(m_display, children[i], &name) != 0 && name != nullptr) {
                found = std::string(name) == "Zibbet" ? children[i] : 0;
                XFree(name);
            }
            if (found == 0) {
                found = find(children[i]);
            }
        }
        if (children != nullptr) {
            XFree(children);
        }
        return found;
    }

    std::string m_name;
    std::optional<ChildProcess> m_server;
    std::optional<ChildProcess> m_manager;
    Display* m_display = nullptr;
};

bool isDark(unsigned long pixel) {
    return ((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF) < 24;
}

class DesktopFullScreen : public ::testing::TestWithParam<bool> {};

TEST_P(DesktopFullScreen, TheWholePictureFillsTheDisplayAndF11BringsTheWindowBack) {
    if (!std::filesystem::exists("/usr/bin/Xvfb") ||
        (GetParam() && !std::filesystem::exists("/usr/bin/openbox"))) {
        GTEST_SKIP() << "needs Xvfb (and openbox); scripts/install-deps.sh installs them";
    }
    XServer server(GetParam());
    ASSERT_NE(server.display(), nullptr);
    TempDir home;
    // Not the first start: the full-screen tip stays away.
    std::filesystem::create_directories(home / "config");
    writeText(home / "config/fullscreen-tip", "shown\n");
    ChildProcess game({ZIBBET_BINARY, "--home", home.path().string(), "--fullscreen"},
                      {.environment = {"DISPLAY=" + server.name(), "SDL_VIDEODRIVER=x11",
                                       "SDL_AUDIODRIVER=dummy", "ASAN_OPTIONS=detect_leaks=0"}});

    Window window = 0;
    int x = 0, y = 0, width = 0, height = 0;
    const bool covers = waitFor([&] {
        window = server.gameWindow();
        return window != 0 && server.geometry(window, x, y, width, height) && x == 0 && y == 0 &&
               width == kScreenWidth && height == kScreenHeight;
    });
    ASSERT_TRUE(covers) << "window at " << x << "," << y << " size " << width << "x" << height;
    // 1280 x 1024 shows the picture 1280 x 960 between two bars of 32 rows: its four corners show
    // the title's sky and tent, the bars stay black.
    const std::vector<std::pair<int, int>> corners = {{8, 40}, {1271, 40}, {8, 983}, {1271, 983}};
    EXPECT_TRUE(waitFor([&] {
        for (const auto& [px, py] : corners) {
            if (isDark(server.pixel(px, py))) {
                return false;
            }
        }
        return true;
    })) << "a corner of the picture is missing";
    EXPECT_TRUE(isDark(server.pixel(640, 10)));
    EXPECT_TRUE(isDark(server.pixel(640, 1015)));

    server.pressF11(window);
    EXPECT_TRUE(waitFor([&] {
        window = server.gameWindow();
        return server.geometry(window, x, y, width, height) && width == 640 && height == 480;
    })) << "after F11: "
        << width << "x" << height;
    EXPECT_TRUE(waitFor([&] { return isDark(server.pixel(8, 40)) && !isDark(server.pixel(x + 8, y + 8)); }))
        << "the window shows the picture and nothing else is drawn";
}

INSTANTIATE_TEST_SUITE_P(WindowManager, DesktopFullScreen, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Openbox" : "BareServer"; });

} // namespace
