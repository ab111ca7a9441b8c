// A live game window under SDL's offscreen driver, and helpers that push events and collect messages.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "platform/sdl_bridge.h"

class PumpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::WindowConfig config;
        config.left = 40;
        config.top = 30;
        config.right = config.left + 806;
        config.bottom = config.top + 606 + platform::CaptionHeight();
        window_ = platform::CreateMainWindow(config);
        ASSERT_NE(window_, nullptr) << SDL_GetError();
        Drain();
        platform::ConsumeInputPresses();
    }
    void TearDown() override
    {
        platform::SetWindowProcedure(nullptr);
        platform::DestroyWindow(window_);
        Drain();
    }

    // Every message waiting now, in order.
    static std::vector<platform::Message> Drain()
    {
        std::vector<platform::Message> messages;
        platform::Message message;
        while (platform::PeekMessage(message)) {
            messages.push_back(message);
        }
        return messages;
    }

    static int Count(const std::vector<platform::Message>& messages, platform::MessageType type, int param = -1)
    {
        int count = 0;
        for (const auto& message : messages) {
            if (message.type == type && (param < 0 || message.param == param)) {
                ++count;
            }
        }
        return count;
    }

    void PushWindowEvent(Uint8 kind) const
    {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.event = kind;
        event.window.windowID = SDL_GetWindowID(platform::NativeWindow(window_));
        SDL_PushEvent(&event);
    }

    void PushKey(bool down, SDL_Scancode code, Uint16 mod = KMOD_NONE) const
    {
        SDL_Event event{};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.key.windowID = SDL_GetWindowID(platform::NativeWindow(window_));
        event.key.keysym.scancode = code;
        event.key.keysym.sym = SDL_GetKeyFromScancode(code);
        event.key.keysym.mod = mod;
        SDL_PushEvent(&event);
    }

    void PushMouseButton(bool down, Uint8 button, int x, int y) const
    {
        SDL_Event event{};
        event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.windowID = SDL_GetWindowID(platform::NativeWindow(window_));
        event.button.button = button;
        event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.button.x = x;
        event.button.y = y;
        SDL_PushEvent(&event);
    }

    void PushMouseMotion(int x, int y) const
    {
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.windowID = SDL_GetWindowID(platform::NativeWindow(window_));
        event.motion.x = x;
        event.motion.y = y;
        SDL_PushEvent(&event);
    }

    platform::WindowHandle window_ = nullptr;
};
