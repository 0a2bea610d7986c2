// SdlGamepads.cpp: the game controllers SDL finds, plugged in before or during the game.
#include "SdlGamepads.h"

#include "engine/core/ksLog.h"
#include "engine/input/InputEventQueue.h"

#include <SDL.h>

namespace {

GamepadKeys::Button buttonOf(uint8_t button) {
    using Button = GamepadKeys::Button;
    switch (button) {
    case SDL_CONTROLLER_BUTTON_A:
        return Button::A;
    case SDL_CONTROLLER_BUTTON_B:
        return Button::B;
    case SDL_CONTROLLER_BUTTON_BACK:
        return Button::Back;
    case SDL_CONTROLLER_BUTTON_START:
        return Button::Start;
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
        return Button::LeftShoulder;
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
        return Button::RightShoulder;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return Button::Up;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return Button::Down;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return Button::Left;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return Button::Right;
    default:
        return Button::Other;
    }
}

} // namespace

SdlGamepads::SdlGamepads() {
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        trace("SdlGamepads - no game controller support: %s", SDL_GetError());
        return;
    }
    m_ready = true;
}

SdlGamepads::~SdlGamepads() {
    for (SDL_GameController*& controller : m_controllers) {
        if (controller != nullptr) {
            SDL_GameControllerClose(controller);
            controller = nullptr;
        }
    }
    if (m_ready) {
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }
}

void SdlGamepads::open(int deviceIndex) {
    if (!SDL_IsGameController(deviceIndex)) {
        return;
    }
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    for (SDL_GameController* controller : m_controllers) {
        if (controller != nullptr &&
            SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller)) == id) {
            return; // already open
        }
    }
    for (SDL_GameController*& slot : m_controllers) {
        if (slot == nullptr) {
            slot = SDL_GameControllerOpen(deviceIndex);
            if (slot == nullptr) {
                trace("SdlGamepads - could not open controller %d: %s", deviceIndex, SDL_GetError());
            }
            return;
        }
    }
    trace("SdlGamepads - more than %d controllers, one is ignored", kMaxControllers);
}

void SdlGamepads::close(int instanceId, InputEventQueue& queue) {
    for (SDL_GameController*& controller : m_controllers) {
        if (controller != nullptr &&
            SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller)) == instanceId) {
            SDL_GameControllerClose(controller);
            controller = nullptr;
            m_keys.releaseAll(queue);
        }
    }
}

bool SdlGamepads::handle(const SDL_Event& event, InputEventQueue& queue) {
    if (!m_ready) {
        return false;
    }
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        open(event.cdevice.which);
        return true;
    case SDL_CONTROLLERDEVICEREMOVED:
        close(event.cdevice.which, queue);
        return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        m_keys.button(buttonOf(event.cbutton.button), event.type == SDL_CONTROLLERBUTTONDOWN, queue);
        return true;
    case SDL_CONTROLLERAXISMOTION:
        if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) {
            m_keys.stickX(event.caxis.value, queue);
        } else if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) {
            m_keys.stickY(event.caxis.value, queue);
        }
        return true;
    default:
        return false;
    }
}
