// SdlKestrinOS.cpp: the OS layer's window-system primitives over SDL2.
#include "SdlKestrinOS.h"

#include "BareDesktop.h"
#include "RendererVideo.h"
#include "SdlKeys.h"
#include "SurfaceVideo.h"
#include "UrlOpener.h"
#include "engine/core/ksLog.h"
#include "engine/store/ksRegistry.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include <SDL.h>

namespace {

constexpr int kGameWidth = 640;
constexpr int kGameHeight = 480;
// How long a click on the web link may wait for the desktop's opener to say it found no browser.
constexpr std::chrono::milliseconds kOpenerPatience{1500};

Uint32 raiseEventType() {
    static const Uint32 type = SDL_RegisterEvents(1);
    return type;
}

// Decodes UTF-8 text into code points; malformed bytes are skipped.
template <typename Emit>
void forEachCodePoint(const char* text, Emit emit) {
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p != 0) {
        unsigned int cp = 0;
        int extra = 0;
        if (*p < 0x80) {
            cp = *p;
        } else if ((*p & 0xE0) == 0xC0) {
            cp = *p & 0x1F;
            extra = 1;
        } else if ((*p & 0xF0) == 0xE0) {
            cp = *p & 0x0F;
            extra = 2;
        } else if ((*p & 0xF8) == 0xF0) {
            cp = *p & 0x07;
            extra = 3;
        } else {
            ++p;
            continue;
        }
        ++p;
        bool valid = true;
        for (int i = 0; i < extra; ++i, ++p) {
            if ((*p & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            cp = (cp << 6) | (*p & 0x3F);
        }
        if (valid) {
            emit(cp);
        }
    }
}

} // namespace

SdlKestrinOS::SdlKestrinOS(ksRegistry& settings, SdlOptions options)
    : KestrinOS(settings)
    , m_options(options) {
    SDL_SetHint(SDL_HINT_APP_NAME, "Zibbet");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    if (!options.gpu) {
        // The window surface must stay plain memory: otherwise SDL backs it with an OpenGL
        // texture, and without a graphics processor that loads a software rasteriser.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    }
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        trace("SdlKestrinOS - SDL could not start: %s", SDL_GetError());
        return;
    }
    raiseEventType();
    m_sdlReady = true;
    m_gamepads = std::make_unique<SdlGamepads>();
}

SdlKestrinOS::~SdlKestrinOS() {
    m_gamepads.reset();
    m_video.reset();
    if (m_window != nullptr) {
        SDL_DestroyWindow(m_window);
    }
    if (m_sdlReady) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    }
}

void SdlKestrinOS::setWindowIcon(const uint32_t* pixels, int width, int height) {
    if (m_window == nullptr || pixels == nullptr) {
        return;
    }
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(pixels), width, height, 32,
                                                           width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (icon != nullptr) {
        SDL_SetWindowIcon(m_window, icon);
        SDL_FreeSurface(icon);
    }
}

void SdlKestrinOS::requestRaise() {
    SDL_Event event{};
    event.type = raiseEventType();
    SDL_PushEvent(&event);
}

KestrinOS::DesktopInfo SdlKestrinOS::queryDesktop() {
    SDL_DisplayMode mode{};
    DesktopInfo info;
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0) {
        info.width = mode.w;
        info.height = mode.h;
    } else {
        info.width = kGameWidth;
        info.height = kGameHeight;
    }
    // The window always gets a 32-bit surface; 16-bit output is emulated by the texture format.
    info.depth = 32;
    return info;
}

bool SdlKestrinOS::isPlacementOnDesktop(int x, int y) {
    const int displays = SDL_GetNumVideoDisplays();
    for (int i = 0; i < displays; ++i) {
        SDL_Rect bounds{};
        if (SDL_GetDisplayUsableBounds(i, &bounds) == 0 && x >= bounds.x && y >= bounds.y &&
            x <= bounds.x + bounds.w - kGameWidth && y <= bounds.y + bounds.h - kGameHeight) {
            return true;
        }
    }
    return false;
}

bool SdlKestrinOS::createWindow() {
    const ScreenRect& placement = settings().windowRect();
    // Hidden until the first picture is shown, so the desktop never maps an empty window.
    Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN;
    if (m_options.gpu) {
        flags |= SDL_WINDOW_OPENGL | SDL_WINDOW_ALLOW_HIGHDPI; // the renderer never re-creates it
    }
    if (!settings().isWindowed()) {
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    }
    m_window = SDL_CreateWindow("Zibbet", placement.left, placement.top, kGameWidth, kGameHeight, flags);
    if (m_window == nullptr) {
        trace("SdlKestrinOS - SDL_CreateWindow: %s", SDL_GetError());
        return false;
    }
    SDL_SetWindowMinimumSize(m_window, kGameWidth / 2, kGameHeight / 2);
    if (m_options.gpu) {
        m_video = std::make_unique<RendererVideo>(m_window, kGameWidth, kGameHeight);
    } else {
        m_video = std::make_unique<SurfaceVideo>(m_window, kGameWidth, kGameHeight);
    }
    if (!m_video->hasDevice()) {
        return false;
    }
    // Frames while something moves follow the display's refresh; nothing waits for it.
    SDL_DisplayMode mode{};
    const int index = std::max(SDL_GetWindowDisplayIndex(m_window), 0);
    setFrameRate(SDL_GetDesktopDisplayMode(index, &mode) == 0 && mode.refresh_rate > 0 ? mode.refresh_rate
                                                                                       : 60);
    SDL_StartTextInput();
    return true;
}

bool SdlKestrinOS::initVideo(int depth, bool windowed) {
    if (m_window == nullptr || !m_video) {
        return false;
    }
    if (!m_options.headless) {
        SDL_SetWindowFullscreen(m_window, windowed ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
        if (windowed && baredesktop::lacksWindowManager(m_window)) {
            // No window manager gives the window its old size back; SDL keeps the display's.
            SDL_SetWindowSize(m_window, kGameWidth, kGameHeight);
        }
        baredesktop::matchWindowToReportedGeometry(m_window);
    }
    return m_video->init(depth == 16 ? 16 : 32);
}

void SdlKestrinOS::releaseVideo() {
    if (m_video) {
        m_video->release();
    }
}

void SdlKestrinOS::placeWindow(int x, int y) {
    if (m_window != nullptr && !m_options.headless) {
        SDL_SetWindowPosition(m_window, x, y);
    }
}

void SdlKestrinOS::restoreWindow() {
    if (m_window != nullptr) {
        SDL_RestoreWindow(m_window);
    }
}

void SdlKestrinOS::raiseWindow() {
    if (m_window != nullptr) {
        SDL_ShowWindow(m_window);
        SDL_RestoreWindow(m_window);
        SDL_RaiseWindow(m_window);
    }
}

void SdlKestrinOS::pumpEvents(InputEventQueue& queue, std::optional<Clock::time_point> waitUntil) {
    SDL_Event event;
    if (waitUntil) {
        int waited = 0;
        if (*waitUntil == Clock::time_point::max()) {
            waited = SDL_WaitEvent(&event);
        } else {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(*waitUntil - Clock::now()).count();
            waited = left > 0
                         ? SDL_WaitEventTimeout(&event, static_cast<int>(std::min<int64_t>(left, 60'000)))
                         : 0;
        }
        if (waited == 1) {
            translate(event, queue);
        }
    }
    // Each SDL event yields at most three game events; whatever does not fit stays queued in SDL.
    while (queue.freeSpace() >= 3 && SDL_PollEvent(&event) == 1) {
        translate(event, queue);
    }
}

void SdlKestrinOS::refreshDisplay() {
    if (m_video) {
        m_video->refreshWindow();
        m_video->show();
    }
}

bool SdlKestrinOS::eventToGame(int windowX, int windowY, float& x, float& y) const {
    // Clicks in the letterbox bars lie outside the game.
    m_video->eventToGame(windowX, windowY, x, y);
    return x >= 0 && y >= 0 && x < kGameWidth && y < kGameHeight;
}

void SdlKestrinOS::translate(const SDL_Event& event, InputEventQueue& queue) {
    using Kind = InputEvent::Kind;
    float x = 0, y = 0;
    switch (event.type) {
    case SDL_QUIT:
        queue.push(InputEvent::simple(Kind::Quit));
        break;
    case SDL_WINDOWEVENT:
        switch (event.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            queue.push(InputEvent::simple(Kind::FocusGained));
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            queue.push(InputEvent::simple(Kind::FocusLost));
            break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            queue.push(InputEvent::simple(Kind::Exposed));
            break;
        case SDL_WINDOWEVENT_CLOSE:
            queue.push(InputEvent::simple(Kind::Quit));
            break;
        case SDL_WINDOWEVENT_MAXIMIZED:
            queue.push(InputEvent::simple(Kind::Maximized));
            break;
        case SDL_WINDOWEVENT_MOVED:
            queue.push({Kind::Moved, 0, static_cast<float>(event.window.data1),
                        static_cast<float>(event.window.data2)});
            break;
        default:
            break;
        }
        break;
    case SDL_MOUSEMOTION:
        if (eventToGame(event.motion.x, event.motion.y, x, y)) {
            queue.push(InputEvent::pointerMove(x, y));
        }
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        const int index = event.button.button == SDL_BUTTON_LEFT    ? 0
                          : event.button.button == SDL_BUTTON_RIGHT ? 1
                                                                    : -1;
        if (index < 0) {
            break;
        }
        const bool inside = eventToGame(event.button.x, event.button.y, x, y);
        if (event.type == SDL_MOUSEBUTTONUP) {
            queue.push(InputEvent::button(index, false)); // a release always counts
        } else if (inside) {
            queue.push(InputEvent::pointerMove(x, y));
            queue.push(InputEvent::button(index, true));
            if (event.button.clicks == 2) {
                queue.push({Kind::DoubleClick, index, x, y});
            }
        }
        break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        const KeyTranslation key = translateKey(event.key.keysym.sym);
        const bool down = event.type == SDL_KEYDOWN;
        if (down && event.key.repeat != 0 && (event.key.keysym.mod & KMOD_ALT) != 0 &&
            key.kind == KeyTranslation::Kind::Character && key.code == 13) {
            break; // a held Alt+Enter switches the mode once, not at the key-repeat rate
        }
        if (key.kind == KeyTranslation::Kind::Character && down) {
            queue.push(InputEvent::character(key.code));
        } else if (key.kind == KeyTranslation::Kind::VirtualKey) {
            queue.push(InputEvent::key(key.code, down));
        }
        break;
    }
    case SDL_TEXTINPUT:
        forEachCodePoint(event.text.text, [&queue](unsigned int cp) {
            if (cp >= 32 && cp <= 255 && cp != 127) {
                queue.push(InputEvent::character(static_cast<int>(cp)));
            }
        });
        break;
    default:
        if (m_gamepads && m_gamepads->handle(event, queue)) {
            break;
        }
        if (event.type == raiseEventType()) {
            queue.push(InputEvent::simple(Kind::Raise));
        }
        break;
    }
}

void SdlKestrinOS::setSystemCursorVisible(bool visible) {
    if (!m_options.headless) {
        SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
    }
}

bool SdlKestrinOS::pointerPosition(int& x, int& y) const {
    if (m_window == nullptr || SDL_GetMouseFocus() != m_window || m_video == nullptr) {
        return false;
    }
    int wx = 0, wy = 0;
    SDL_GetMouseState(&wx, &wy);
    float lx = 0, ly = 0;
    m_video->windowToGame(wx, wy, lx, ly);
    x = static_cast<int>(lx);
    y = static_cast<int>(ly);
    return lx >= 0 && ly >= 0 && x < kGameWidth && y < kGameHeight;
}

void SdlKestrinOS::warpPointer(int x, int y) {
    if (m_options.headless || m_window == nullptr || m_video == nullptr || SDL_GetMouseFocus() != m_window) {
        return;
    }
    int wx = 0, wy = 0;
    m_video->gameToWindow(static_cast<float>(x), static_cast<float>(y), wx, wy);
    SDL_WarpMouseInWindow(m_window, wx, wy);
}

bool SdlKestrinOS::captureShownPicture(std::span<uint32_t> out) {
    if (!m_video || out.size() < static_cast<std::size_t>(kGameWidth) * kGameHeight) {
        return false;
    }
    m_video->copyShownPicture(out);
    return true;
}

void SdlKestrinOS::showMessage(MessageIcon icon, const std::string& caption, const std::string& text) {
    const Uint32 flags = icon == MessageIcon::Error ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
    if (m_options.headless || SDL_ShowSimpleMessageBox(flags, caption.c_str(), text.c_str(), m_window) != 0) {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    }
}

bool SdlKestrinOS::openUrl(const std::string& url) {
    if (url.rfind("http://", 0) != 0 && url.rfind("https://", 0) != 0) {
        trace("SdlKestrinOS::openUrl - refused to open '%s'", url.c_str());
        return false;
    }
    if (m_options.headless) {
        trace("SdlKestrinOS::openUrl - no browser in a headless run");
        return false;
    }
    return launchUrlOpener("xdg-open", url, kOpenerPatience);
}
