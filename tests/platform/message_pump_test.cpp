// The message pump under the offscreen driver: window messages, quitting, input state, hot keys.
#include <string>

#include "pump_fixture.h"

namespace {

using platform::MessageType;

TEST_F(PumpTest, WindowIsFoundByClassAndItsRectangleHoldsCaptionAndClientArea)
{
    EXPECT_EQ(platform::FindWindow("Pebbledash"), window_);
    EXPECT_EQ(platform::FindWindow("Other"), nullptr);
    SDL_Window* native = platform::NativeWindow(window_);
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(SDL_GetWindowFlags(native) & SDL_WINDOW_SHOWN, 0u);  // created hidden

    const platform::Rect outer = platform::GetWindowRect(window_);
    EXPECT_EQ(outer.left, 40);
    EXPECT_EQ(outer.top, 30);
    EXPECT_EQ(outer.right - outer.left, 806);
    EXPECT_EQ(outer.bottom - (outer.top + platform::CaptionHeight()), 606);
    int width = 0, height = 0;
    SDL_GetWindowSize(native, &width, &height);
    EXPECT_EQ(width, 806);
    EXPECT_EQ(height, 606);
}

TEST_F(PumpTest, DestroyedHandlesAreHarmless)
{
    platform::DestroyWindow(window_);
    EXPECT_EQ(platform::FindWindow("Pebbledash"), nullptr);
    EXPECT_EQ(platform::NativeWindow(window_), nullptr);
    platform::ShowWindow(window_, platform::ShowCommand::ShowNormal);
    platform::MinimizeWindow(window_);
    EXPECT_FALSE(platform::RegisterHotKey(window_, 100, platform::ModAlt, platform::VirtualKey::Tab));
    EXPECT_EQ(platform::GetWindowRect(window_).right, 0);
    platform::DestroyWindow(window_);
    platform::DestroyWindow(nullptr);
}

TEST_F(PumpTest, QuitEventAndCloseRequestBecomeClose)
{
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    const auto messages = Drain();
    ASSERT_EQ(Count(messages, MessageType::Close), 2);
    for (const auto& message : messages) {
        if (message.type == MessageType::Close) {
            EXPECT_EQ(message.window, window_);
        }
    }
}

TEST_F(PumpTest, RemovedCloseCommandDropsCloseRequestsButNotTermination)
{
    platform::RemoveCloseCommand(window_);
    PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    EXPECT_EQ(Count(Drain(), MessageType::Close), 0);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    EXPECT_EQ(Count(Drain(), MessageType::Close), 1);
}

TEST_F(PumpTest, FocusRestoreAndExposeBecomeActivationAndPaint)
{
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    PushWindowEvent(SDL_WINDOWEVENT_RESTORED);
    PushWindowEvent(SDL_WINDOWEVENT_EXPOSED);
    const auto messages = Drain();
    EXPECT_EQ(Count(messages, MessageType::Activate), 2);
    EXPECT_EQ(Count(messages, MessageType::ActivateApp, 1), 2);
    EXPECT_EQ(Count(messages, MessageType::ActivateApp, 0), 1);
    EXPECT_EQ(Count(messages, MessageType::Paint), 1);
}

TEST_F(PumpTest, GetMessageDeliversWaitingMessagesThenEndsWithZeroAfterPostQuit)
{
    PushWindowEvent(SDL_WINDOWEVENT_EXPOSED);
    platform::PostQuitMessage(7);
    platform::Message message;
    int result = platform::GetMessage(message);
    while (result > 0) {
        result = platform::GetMessage(message);
        if (result > 0) {
            EXPECT_NE(message.type, MessageType::Quit);
        }
    }
    EXPECT_EQ(result, 0);
    EXPECT_EQ(message.type, MessageType::Quit);
    EXPECT_EQ(message.param, 7);
    EXPECT_FALSE(platform::PeekMessage(message));  // the quit is taken once
}

TEST_F(PumpTest, DispatchReachesTheProcedureOnlyForLiveWindows)
{
    std::vector<platform::Message> seen;
    platform::SetWindowProcedure([&](const platform::Message& m) {
        seen.push_back(m);
        return true;
    });
    PushWindowEvent(SDL_WINDOWEVENT_EXPOSED);
    for (const auto& message : Drain()) {
        platform::DispatchMessage(message);
    }
    ASSERT_EQ(Count(seen, MessageType::Paint), 1);

    PushWindowEvent(SDL_WINDOWEVENT_EXPOSED);
    const auto late = Drain();
    ASSERT_EQ(Count(late, MessageType::Paint), 1);
    platform::DestroyWindow(window_);
    seen.clear();
    for (const auto& message : late) {
        platform::DispatchMessage(message);
    }
    EXPECT_EQ(Count(seen, MessageType::Paint), 0);
}

TEST_F(PumpTest, KeysAreTrackedWithPressEdges)
{
    PushKey(true, SDL_SCANCODE_UP);
    PushKey(true, SDL_SCANCODE_SPACE);
    PushKey(false, SDL_SCANCODE_SPACE);  // pressed and released between two looks
    Drain();
    const platform::InputState& input = platform::CurrentInput();
    EXPECT_TRUE(input.keyDown[SDL_SCANCODE_UP]);
    EXPECT_TRUE(input.keyPressed[SDL_SCANCODE_UP]);
    EXPECT_FALSE(input.keyDown[SDL_SCANCODE_SPACE]);
    EXPECT_TRUE(input.keyPressed[SDL_SCANCODE_SPACE]);

    platform::ConsumeInputPresses();
    EXPECT_TRUE(input.keyDown[SDL_SCANCODE_UP]);
    EXPECT_FALSE(input.keyPressed[SDL_SCANCODE_UP]);
    EXPECT_FALSE(input.keyPressed[SDL_SCANCODE_SPACE]);

    PushKey(true, SDL_SCANCODE_UP);  // still held: no new edge
    Drain();
    EXPECT_FALSE(input.keyPressed[SDL_SCANCODE_UP]);
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);  // releases will not come once focus is gone
    Drain();
    EXPECT_FALSE(input.keyDown[SDL_SCANCODE_UP]);
}

TEST_F(PumpTest, MouseIsTrackedInClientPixelsWithButtonEdges)
{
    PushMouseMotion(120, 45);
    PushMouseButton(true, SDL_BUTTON_LEFT, 121, 46);
    PushMouseButton(true, SDL_BUTTON_RIGHT, 121, 46);
    PushMouseButton(false, SDL_BUTTON_RIGHT, 121, 46);
    Drain();
    const platform::InputState& input = platform::CurrentInput();
    EXPECT_EQ(input.mouseX, 121);
    EXPECT_EQ(input.mouseY, 46);
    EXPECT_TRUE(input.buttonDown[0]);
    EXPECT_TRUE(input.buttonPressed[0]);
    EXPECT_FALSE(input.buttonDown[1]);
    EXPECT_TRUE(input.buttonPressed[1]);
    EXPECT_FALSE(input.buttonPressed[2]);
    platform::ConsumeInputPresses();
    EXPECT_FALSE(input.buttonPressed[0]);
    EXPECT_TRUE(input.buttonDown[0]);

    // Without a global pointer the desktop position is the client corner plus the tracked point.
    int x = 0, y = 0;
    SDL_GetWindowPosition(platform::NativeWindow(window_), &x, &y);
    const platform::Point pointer = platform::CursorPosition();
    EXPECT_EQ(pointer.x, x + 121);
    EXPECT_EQ(pointer.y, y + 46);
    const platform::Rect outer = platform::GetWindowRect(window_);
    EXPECT_EQ(pointer.y - (outer.top + platform::CaptionHeight()), 46);
}

TEST_F(PumpTest, RegisteredAltF4IsAHotKeyAndNeverACloseRequest)
{
    ASSERT_TRUE(platform::RegisterHotKey(window_, 100, platform::ModAlt, platform::VirtualKey::Tab));
    ASSERT_TRUE(platform::RegisterHotKey(window_, 101, platform::ModAlt, platform::VirtualKey::F4));
    PushKey(true, SDL_SCANCODE_LALT, KMOD_LALT);
    PushKey(true, SDL_SCANCODE_F4, KMOD_LALT);
    PushWindowEvent(SDL_WINDOWEVENT_CLOSE);  // a window manager's own Alt+F4 for the same keys
    PushKey(false, SDL_SCANCODE_F4, KMOD_LALT);
    auto messages = Drain();
    EXPECT_EQ(Count(messages, MessageType::HotKey, 101), 1);
    EXPECT_EQ(Count(messages, MessageType::Close), 0);
    EXPECT_FALSE(platform::CurrentInput().keyPressed[SDL_SCANCODE_F4]);

    PushKey(false, SDL_SCANCODE_LALT);
    Drain();

    // A window manager that keeps F4 to itself sends only a close request while Alt is held.
    PushKey(true, SDL_SCANCODE_LALT, KMOD_LALT);
    PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    PushWindowEvent(SDL_WINDOWEVENT_CLOSE);  // one hold of Alt, one hot key
    PushKey(true, SDL_SCANCODE_TAB, KMOD_LALT);
    messages = Drain();
    EXPECT_EQ(Count(messages, MessageType::HotKey, 101), 1);
    EXPECT_EQ(Count(messages, MessageType::HotKey, 100), 1);
    EXPECT_EQ(Count(messages, MessageType::Close), 0);
    PushKey(false, SDL_SCANCODE_LALT);
    Drain();

    // Other modifiers, or no registration, leave the keys alone.
    PushKey(true, SDL_SCANCODE_F4, KMOD_LALT | KMOD_LCTRL);
    PushKey(false, SDL_SCANCODE_F4);
    platform::UnregisterHotKey(window_, 101);
    PushKey(true, SDL_SCANCODE_F4, KMOD_LALT);
    PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    messages = Drain();
    EXPECT_EQ(Count(messages, MessageType::HotKey), 0);
    EXPECT_EQ(Count(messages, MessageType::Close), 1);
    EXPECT_TRUE(platform::CurrentInput().keyPressed[SDL_SCANCODE_F4]);
}

TEST_F(PumpTest, OneCombinationBelongsToOneIdentifier)
{
    EXPECT_TRUE(platform::RegisterHotKey(window_, 100, platform::ModAlt, platform::VirtualKey::Tab));
    EXPECT_FALSE(platform::RegisterHotKey(window_, 102, platform::ModAlt, platform::VirtualKey::Tab));
    EXPECT_TRUE(platform::RegisterHotKey(window_, 100, platform::ModAlt, platform::VirtualKey::Tab));
    platform::UnregisterHotKey(window_, 100);
    EXPECT_TRUE(platform::RegisterHotKey(window_, 102, platform::ModAlt, platform::VirtualKey::Tab));
}

TEST_F(PumpTest, QuestionWithoutAScreenAnswersNo)
{
    testing::internal::CaptureStderr();
    const auto answer = platform::MessageBoxYesNo("Try to reset program?", "Fatal error");
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(answer, platform::MessageBoxAnswer::No);
    EXPECT_NE(printed.find("Try to reset program?"), std::string::npos);
}

}  // namespace
