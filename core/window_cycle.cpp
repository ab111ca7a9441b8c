// The spine of the program: one window at a time, the engine opened on it, and
// the frame loop that drives the engine's phases.
#include "core/window_cycle.h"

#include <array>

#include "core/app_state.h"
#include "core/loop_flags.h"
#include "core/shown_display.h"
#include "engine/engine.h"

namespace {
constexpr int kHotKeyAltTab = 100;
constexpr int kHotKeyAltF4 = 101;
constexpr int kHotKeyResume = 200;
constexpr int kHotKeyQuit = 201;

platform::WindowConfig WindowConfigOf(const AppConfig& config) {
    platform::WindowConfig window;
    window.left = config.left;
    window.top = config.top;
    window.right = config.right;
    window.bottom = config.bottom;
    window.className = config.className;
    window.title = config.title;
    return window;
}
}  // namespace

WindowCycle::WindowCycle(AppConfig& config, Hooks hooks) : config_(config), hooks_(std::move(hooks)) {
    platform::SetWindowProcedure([this](const platform::Message& message) { return WindowProcedure(message); });
}

void WindowCycle::Run() {
    Loop.SuspendRequested = 0;
    while (true) {
        platform::WindowHandle window = platform::CreateMainWindow(WindowConfigOf(config_));
        if (Loop.SuspendRequested != 0) {
            if (Loop.DisplayChanged) {
                Loop.SuspendRequested = 0;
                hooks_.reloadDisplaySettings(config_);
                Loop.DisplayChanged = false;
            } else {
                const WaitResult result = WaitForUser(window);
                if (result == WaitResult::Retry) continue;
                if (result == WaitResult::Leave) return;
            }
        }
        OpenAndRunEngine(window);
        if (Loop.SuspendRequested == 0) return;
    }
}

WindowCycle::WaitResult WindowCycle::WaitForUser(platform::WindowHandle& window) {
    platform::ShowWindow(window, platform::ShowCommand::Hide);
    if (Loop.MinimizedByUser) platform::ShowWindow(window, platform::ShowCommand::Minimize);
    Loop.QuitAfterWait = false;
    platform::Message message;
    while ((lastGetMessageResult_ = platform::GetMessage(message)) > 0 && Loop.WindowProcActive) {
        platform::DispatchMessage(message);
    }
    if (Loop.MinimizedByUser) platform::ShowWindow(window, platform::ShowCommand::ShowNormal);
    Loop.SuspendRequested = 0;
    if (lastGetMessageResult_ < 0) {
        platform::DestroyWindow(window);
        window = nullptr;
        const auto answer = platform::MessageBoxYesNo(
            "Critical error on GetMessage function. Try to reset program? If No, then saved data will be losed!",
            "Fatal error");
        return answer == platform::MessageBoxAnswer::Yes ? WaitResult::Retry : WaitResult::Leave;
    }
    if (Loop.QuitAfterWait) {
        platform::DestroyWindow(window);
        return WaitResult::Leave;
    }
    return WaitResult::Resume;
}

void WindowCycle::OpenAndRunEngine(platform::WindowHandle window) {
    iEngineErrorFlagSet(0);
    Loop.MinimizedByUser = false;
    Loop.WindowProcActive = true;
    if (iEngineOpen(window, 0) != 0) {
        const std::array<int32_t, 6> block = FillEngineSettingsBlock(config_);
        if (iEngineSettings(block.data()) != 0) {
            // A full-screen mode the display lacked may have given another mode or a window.
            if (config_.fullscreen != 0 && KeepSavedSettingsToShownDisplay(iDisplayMode()) &&
                hooks_.reloadDisplaySettings) {
                hooks_.reloadDisplaySettings(config_);
            }
            if (iDisplayMode() > 0) {
                platform::RegisterHotKey(window, kHotKeyAltTab, platform::ModAlt, platform::VirtualKey::Tab);
                if (iDisplayMode() > 0)
                    platform::RegisterHotKey(window, kHotKeyAltF4, platform::ModAlt, platform::VirtualKey::F4);
            }
            FrameLoop();
            iEngineExitBegin();
            iEngineExitEnd();
        }
    }
    if (iDisplayMode() > 0) {
        platform::UnregisterHotKey(window, kHotKeyAltTab);
        if (iDisplayMode() > 0) platform::UnregisterHotKey(window, kHotKeyAltF4);
    }
    iEngineClose();
    platform::DestroyWindow(window);
}

void WindowCycle::FrameLoop() {
    platform::Message message;
    while (iEngineIsRendering() != 0) {
        if (platform::PeekMessage(message)) {
            platform::DispatchMessage(message);
            continue;
        }
        if (iEngineIsActive() == 0 || iEngineIsReady() == 0) {
            platform::Sleep(1);  // minimised: wait for messages without spinning a core
            continue;
        }
        iEngineMain();
        if (iEngineIsExecuting() == 0) continue;
        if (iEngineIsInitializing() != 0) {
            iEngineInitBegin();
            hooks_.initPhase();
            iEngineInitEnd();
            if (iEngineErrorFlag() != 0) break;
        }
        if (iEngineIsRendering() == 0) break;
        if (iEngineIsSkippingRunPhase() == 0) {
            iEngineRunBegin();
            hooks_.runStep();
            iKeyClick(hooks_.bossKey());
            iEngineRunEnd();
            if (Loop.SuspendRequested != 0 || iEngineErrorFlag() != 0) break;
        }
        if (iEngineIsSkippingRenderPhase() == 0) iEngineRender();
    }
}

bool WindowCycle::WindowProcedure(const platform::Message& message) {
    if (!Loop.WindowProcActive) return true;
    switch (message.type) {
        case platform::MessageType::Close:
            iEngineIsRenderingSet(0);
            platform::PostQuitMessage(0);
            return true;
        case platform::MessageType::Activate:
            if (!Loop.MinimizedByUser) return false;
            Loop.QuitAfterWait = false;
            platform::PostQuitMessage(0);
            Loop.WindowProcActive = false;
            return true;
        case platform::MessageType::Paint:
            if (iEngineIsReady() != 0) iScreenWipe(0, 0, 0);
            return false;
        case platform::MessageType::ActivateApp:
            if (message.param == 0 && iEngineIsInitializing() == 0 && iEngineIsRendering() != 0 &&
                iDisplayMode() > 0) {
                Loop.SuspendRequested = -1;
                return true;
            }
            return false;
        case platform::MessageType::HotKey:
            if (AppState == StateBindBossKey) {
                AppState = StateOptions;
                return false;
            }
            if (message.param == kHotKeyResume || message.param == kHotKeyQuit) {
                Loop.QuitAfterWait = message.param == kHotKeyQuit;
                platform::PostQuitMessage(0);
                return true;
            }
            return false;
        default:
            return false;
    }
}
