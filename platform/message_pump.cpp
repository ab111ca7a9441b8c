// The message pump: SDL events and external hot-key datagrams become window messages
// and the keyboard, pad and mouse state.
#include <algorithm>
#include <deque>
#include <vector>

#include "platform/external_hot_key_listener.h"
#include "platform/input_tracker.h"
#include "platform/pad_tracker.h"
#include "platform/platform_local.h"
#include "platform/sdl_bridge.h"

namespace platform {

namespace {

// How long GetMessage sleeps in SDL between looks at the hot-key socket, in ms.
constexpr int kWaitSliceMs = 50;

struct Pump {
    WindowProcedure procedure;
    std::deque<Message> queue;
    bool quitPosted = false;
    int quitCode = 0;
    InputTracker input;
    PadTracker pads;
    ExternalHotKeyListener listener;
    // The Alt+F4 hot key has fired during the current hold of Alt, so a close
    // request the window manager sends for the same keys is dropped.
    bool altF4Fired = false;
};

Pump& ThePump()
{
    static Pump pump;
    return pump;
}

void Post(MessageType type, WindowHandle window, int param = 0)
{
    ThePump().queue.push_back(Message{type, window, param});
}

Window* EventWindow(Uint32 windowId)
{
    Window* window = WindowById(windowId);
    return window != nullptr ? window : CurrentWindow();
}

void TranslateKey(const SDL_Event& event)
{
    Pump& pump = ThePump();
    const SDL_Scancode code = event.key.keysym.scancode;
    if (event.type == SDL_KEYDOWN) {
        int id = 0;
        Window* window = EventWindow(event.key.windowID);
        const unsigned held = pump.input.HeldModifiers(event.key.keysym);
        if (window != nullptr && MatchHotKey(window, code, held, id)) {
            // A hot key replaces the keystroke: it reaches neither the input state nor anything else.
            if (event.key.repeat == 0) {
                Post(MessageType::HotKey, window, id);
            }
            if (code == SDL_SCANCODE_F4) {
                pump.altF4Fired = true;
            }
            return;
        }
    }
    pump.input.Apply(event);
    if (event.type == SDL_KEYUP && !pump.input.AltHeld()) {
        pump.altF4Fired = false;
    }
}

void TranslateCloseRequest(Window* window)
{
    Pump& pump = ThePump();
    int id = 0;
    // A window manager that keeps Alt+F4 for itself turns it into a close request
    // while Alt is down: with the combination registered, that is the hot key.
    if (pump.input.AltHeld() && MatchHotKey(window, SDL_SCANCODE_F4, ModAlt, id)) {
        if (!pump.altF4Fired) {
            Post(MessageType::HotKey, window, id);
            pump.altF4Fired = true;
        }
        return;
    }
    if (!window->closeRemoved) {
        Post(MessageType::Close, window);
    }
}

void TranslateWindowEvent(const SDL_Event& event)
{
    Pump& pump = ThePump();
    Window* window = WindowById(event.window.windowID);
    if (window == nullptr) {
        return;  // a window already destroyed
    }
    pump.input.Apply(event);
    switch (event.window.event) {
    case SDL_WINDOWEVENT_CLOSE:
        TranslateCloseRequest(window);
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
        window->minimised = true;
        break;
    case SDL_WINDOWEVENT_MAXIMIZED:
        window->minimised = false;
        break;
    case SDL_WINDOWEVENT_RESTORED:
        window->minimised = false;
        Post(MessageType::Activate, window);
        Post(MessageType::ActivateApp, window, 1);
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        Post(MessageType::Activate, window);
        Post(MessageType::ActivateApp, window, 1);
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        pump.pads.ReleaseAll(pump.input);
        pump.input.ReleaseAll();
        pump.altF4Fired = false;
        Post(MessageType::ActivateApp, window, 0);
        break;
    case SDL_WINDOWEVENT_EXPOSED:
        Post(MessageType::Paint, window);
        break;
    default:
        break;
    }
}

void Translate(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_QUIT:
        // Only a termination request reaches here (closing a window does not
        // quit SDL), so it asks to close even when the close command is removed.
        Post(MessageType::Close, CurrentWindow());
        break;
    case SDL_WINDOWEVENT:
        TranslateWindowEvent(event);
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        TranslateKey(event);
        break;
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        ThePump().input.Apply(event);
        break;
    default:
        ThePump().pads.Apply(event, ThePump().input);
        break;
    }
}

void PollExternalHotKeys()
{
    std::vector<int> identifiers;
    ThePump().listener.Poll(identifiers);
    for (int id : identifiers) {
        Post(MessageType::HotKey, CurrentWindow(), id);
    }
}

// Turns everything pending now into queued messages.
void TakePending()
{
    SDL_Event event;
    while (SDL_PollEvent(&event) == 1) {
        Translate(event);
    }
    PollExternalHotKeys();
}

// The next message, or Quit once the queue is empty and PostQuitMessage was called.
bool TakeMessage(Message& message)
{
    Pump& pump = ThePump();
    if (!pump.queue.empty()) {
        message = pump.queue.front();
        pump.queue.pop_front();
        return true;
    }
    if (pump.quitPosted) {
        pump.quitPosted = false;
        message = Message{MessageType::Quit, nullptr, pump.quitCode};
        return true;
    }
    return false;
}

}  // namespace

void SetWindowProcedure(WindowProcedure procedure)
{
    ThePump().procedure = std::move(procedure);
}

bool PeekMessage(Message& message)
{
    if (!EnsureVideo()) {
        return false;
    }
    TakePending();
    return TakeMessage(message);
}

int GetMessage(Message& message)
{
    if (!EnsureVideo()) {
        return -1;
    }
    TakePending();
    while (!TakeMessage(message)) {
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, kWaitSliceMs) == 1) {
            Translate(event);
        }
        TakePending();
    }
    return message.type == MessageType::Quit ? 0 : 1;
}

void DispatchMessage(const Message& message)
{
    Pump& pump = ThePump();
    if (!pump.procedure) {
        return;
    }
    // Messages of a window destroyed since they were taken go nowhere.
    if (message.window != nullptr && LiveWindow(message.window) == nullptr) {
        return;
    }
    pump.procedure(message);
}

void PostQuitMessage(int code)
{
    ThePump().quitPosted = true;
    ThePump().quitCode = code;
}

void ForgetMessagesOf(WindowHandle window)
{
    auto& queue = ThePump().queue;
    queue.erase(std::remove_if(queue.begin(), queue.end(),
                               [&](const Message& m) { return m.window == window; }),
                queue.end());
}

void ListenForExternalHotKeys()
{
    ThePump().listener.Listen(ExternalHotKeyListener::DefaultPath());
}

std::string ExternalHotKeyAddress()
{
    return ExternalHotKeyListener::DefaultPath();
}

const InputState& CurrentInput()
{
    return ThePump().input.State();
}

void ConsumeInputPresses()
{
    ThePump().input.ConsumePresses();
}

void SetPadKeyMap(const PadKeyMap& map)
{
    ThePump().pads.SetMap(map, ThePump().input);
}

int ConnectedPads()
{
    return ThePump().pads.Count();
}

Point TrackedClientPointer()
{
    const InputState& state = ThePump().input.State();
    return Point{state.mouseX, state.mouseY};
}

}  // namespace platform
