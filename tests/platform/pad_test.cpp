// Game pads through the message pump: a virtual pad plugged in, pressing mapped keys with
// dead zones and press edges, a map change while held, the keyboard beside it, and a pad
// pulled out while it holds keys.
#include "pump_fixture.h"

namespace {

class PadTest : public PumpTest {
protected:
    void SetUp() override
    {
        PumpTest::SetUp();
        // The offscreen window never holds the keyboard focus, without which SDL drops pad input.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        platform::PadKeyMap map;
        map.keys[platform::PadA] = SDL_SCANCODE_RETURN;
        map.keys[platform::PadLeft] = SDL_SCANCODE_LEFT;
        map.keys[platform::PadRightTrigger] = SDL_SCANCODE_UP;
        platform::SetPadKeyMap(map);
        Attach();
    }
    void TearDown() override
    {
        Detach();
        platform::SetPadKeyMap({});
        PumpTest::TearDown();
    }
    void Attach()
    {
        const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                    SDL_CONTROLLER_BUTTON_MAX, 0);
        ASSERT_GE(index, 0) << SDL_GetError();
        joystick_ = SDL_JoystickOpen(index);
        ASSERT_NE(joystick_, nullptr);
        // A released trigger is the lowest raw value: SDL maps the whole raw range onto 0..32767.
        Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -32768);
    }
    void Detach()
    {
        if (joystick_ == nullptr) {
            return;
        }
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i) {
            if (SDL_JoystickGetDeviceInstanceID(i) == id) {
                SDL_JoystickDetachVirtual(i);
            }
        }
        Drain();
    }
    void Button(SDL_GameControllerButton button, bool down)
    {
        SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
        Drain();
    }
    void Axis(SDL_GameControllerAxis axis, Sint16 value)
    {
        SDL_JoystickSetVirtualAxis(joystick_, axis, value);
        Drain();
    }
    static bool Down(SDL_Scancode code) { return platform::CurrentInput().keyDown[code]; }
    static bool Pressed(SDL_Scancode code) { return platform::CurrentInput().keyPressed[code]; }

    SDL_Joystick* joystick_ = nullptr;
};

TEST_F(PadTest, ControlsPressTheirKeysPastTheDeadZones)
{
    Drain();
    EXPECT_EQ(platform::ConnectedPads(), 1);
    EXPECT_FALSE(Down(SDL_SCANCODE_UP)) << "a released trigger presses nothing";

    Button(SDL_CONTROLLER_BUTTON_A, true);
    EXPECT_TRUE(Down(SDL_SCANCODE_RETURN));
    EXPECT_TRUE(Pressed(SDL_SCANCODE_RETURN));
    Button(SDL_CONTROLLER_BUTTON_A, false);
    EXPECT_FALSE(Down(SDL_SCANCODE_RETURN));
    EXPECT_FALSE(Down(SDL_SCANCODE_SPACE)) << "unmapped keys stay up";

    // The stick presses past half way and lets go below a third.
    Axis(SDL_CONTROLLER_AXIS_LEFTX, -13000);
    EXPECT_FALSE(Down(SDL_SCANCODE_LEFT));
    Axis(SDL_CONTROLLER_AXIS_LEFTX, -20000);
    EXPECT_TRUE(Down(SDL_SCANCODE_LEFT));
    Axis(SDL_CONTROLLER_AXIS_LEFTX, -13000);
    EXPECT_TRUE(Down(SDL_SCANCODE_LEFT)) << "still past a third";
    Axis(SDL_CONTROLLER_AXIS_LEFTX, -9000);
    EXPECT_FALSE(Down(SDL_SCANCODE_LEFT));
    Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    EXPECT_TRUE(Down(SDL_SCANCODE_LEFT)) << "the D-pad is the same direction";
    Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);

    // Trigger raw -32768..32767 is 0..32767 to SDL: raw -20000 is about a fifth pulled.
    Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -20000);
    EXPECT_FALSE(Down(SDL_SCANCODE_UP));
    Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0);
    EXPECT_TRUE(Down(SDL_SCANCODE_UP));
}

TEST_F(PadTest, AControlHeldOverAMapChangeWaitsForItsRelease)
{
    Button(SDL_CONTROLLER_BUTTON_A, true);
    ASSERT_TRUE(Down(SDL_SCANCODE_RETURN));
    platform::PadKeyMap map;
    map.keys[platform::PadA] = SDL_SCANCODE_SPACE;
    platform::SetPadKeyMap(map);
    EXPECT_FALSE(Down(SDL_SCANCODE_RETURN)) << "the old key is let go";
    EXPECT_FALSE(Down(SDL_SCANCODE_SPACE)) << "the new key waits";
    Button(SDL_CONTROLLER_BUTTON_A, false);
    platform::ConsumeInputPresses();
    Button(SDL_CONTROLLER_BUTTON_A, true);
    EXPECT_TRUE(Down(SDL_SCANCODE_SPACE));
    EXPECT_TRUE(Pressed(SDL_SCANCODE_SPACE));
}

TEST_F(PadTest, KeyboardAndPadHoldAKeyTogetherAndAPulledPadLetsGo)
{
    Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
    ASSERT_TRUE(Down(SDL_SCANCODE_UP));
    platform::ConsumeInputPresses();
    PushKey(true, SDL_SCANCODE_UP);
    Drain();
    EXPECT_FALSE(Pressed(SDL_SCANCODE_UP)) << "already held by the pad: no second press";
    Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -32768);
    EXPECT_TRUE(Down(SDL_SCANCODE_UP)) << "the keyboard still holds it";
    PushKey(false, SDL_SCANCODE_UP);
    Drain();
    EXPECT_FALSE(Down(SDL_SCANCODE_UP));

    // Pulled out while holding the trigger and the stick: the keys go up, nothing breaks,
    // and a pad plugged in again works at once.
    Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
    Axis(SDL_CONTROLLER_AXIS_LEFTX, -32768);
    ASSERT_TRUE(Down(SDL_SCANCODE_UP));
    Detach();
    EXPECT_EQ(platform::ConnectedPads(), 0);
    EXPECT_FALSE(Down(SDL_SCANCODE_UP));
    EXPECT_FALSE(Down(SDL_SCANCODE_LEFT));
    Attach();
    Drain();
    EXPECT_EQ(platform::ConnectedPads(), 1);
    Button(SDL_CONTROLLER_BUTTON_A, true);
    EXPECT_TRUE(Down(SDL_SCANCODE_RETURN));
}

}  // namespace
