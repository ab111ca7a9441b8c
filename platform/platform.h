// The operating-system services the game uses: window, messages, pointer, time, files, shell, thread.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

// ---- Window ---------------------------------------------------------------
// One top-level window at a time. A handle stays valid until DestroyWindow;
// every function accepts nullptr and a destroyed handle and does nothing.
struct Window;
using WindowHandle = Window*;

struct WindowConfig {
    int left = 0, top = 0, right = 806, bottom = 606;  // outer rectangle, desktop pixels
    std::string className = "Pebbledash";
    std::string title = "Pebbledash";
};

struct Rect { int left = 0, top = 0, right = 0, bottom = 0; };
struct Point { int x = 0, y = 0; };

enum class ShowCommand { Hide, Minimize, ShowNormal };

WindowHandle CreateMainWindow(const WindowConfig& config);  // created hidden; nullptr on failure
void DestroyWindow(WindowHandle window);
void ShowWindow(WindowHandle window, ShowCommand command);
WindowHandle FindWindow(const std::string& className);     // the live window of that class, or nullptr
void MinimizeWindow(WindowHandle window);                  // as a minimise command from the system menu
void RemoveCloseCommand(WindowHandle window);              // the title bar's close command is disabled
Rect GetWindowRect(WindowHandle window);                   // outer rectangle in desktop pixels
Point DesktopSize();                                       // of the display the window is on
int CaptionHeight();                                       // title bar height in pixels (23 when unknown)
// rgba: width x height pixels, rows top first; each value holds the bytes R, G, B, A
// in memory order (as an RGBA image buffer copied in). Too few pixels: nothing happens.
void SetWindowIcon(WindowHandle window, const std::vector<uint32_t>& rgba, int width, int height);

// ---- Messages -------------------------------------------------------------
// SDL's events become the window messages the game's window procedure handles.
enum class MessageType {
    None,
    Close,        // the user asked to close the window
    Activate,     // the window was activated (restored or focused)
    ActivateApp,  // the application gained (param 1) or lost (param 0) focus
    Paint,        // the window needs redrawing
    HotKey,       // a registered hot key or an external 200/201 message; param = identifier
    Quit,         // PostQuitMessage was called; ends GetMessage
};

struct Message {
    MessageType type = MessageType::None;
    WindowHandle window = nullptr;
    int param = 0;
};

// The game's window procedure; returns true when it handled the message.
using WindowProcedure = std::function<bool(const Message&)>;
void SetWindowProcedure(WindowProcedure procedure);

bool PeekMessage(Message& message);      // takes one pending message; false when none waits
int GetMessage(Message& message);        // waits for one: >0 a message, 0 Quit, <0 failure
void DispatchMessage(const Message& message);  // hands it to the window procedure
void PostQuitMessage(int code);

// Hot keys: key combinations that arrive as HotKey messages instead of their usual effect.
enum HotKeyModifier : unsigned { ModAlt = 1, ModControl = 2, ModShift = 4 };
enum class VirtualKey { Tab, F4 };
bool RegisterHotKey(WindowHandle window, int id, unsigned modifiers, VirtualKey key);
void UnregisterHotKey(WindowHandle window, int id);

// Another program can post hot-key messages 200 (resume) and 201 (quit) to a
// running game; see platform/README.md for the mechanism. Returns the address used.
std::string ExternalHotKeyAddress();

// ---- Dialogs and shell ----------------------------------------------------
enum class MessageBoxAnswer { Yes, No };
MessageBoxAnswer MessageBoxYesNo(const std::string& text, const std::string& caption);

// Opens a web address, a mailto: link, a local file, or a ".url" file (whose
// URL= line is opened) with the desktop's default handler. Never waits.
void OpenWithDefaultHandler(const std::string& target);

// Test seam: while a recorder is set, OpenWithDefaultHandler only records the
// target (resolved address) instead of starting anything.
void SetOpenRecorder(std::vector<std::string>* recorder);

// ---- HTTP ------------------------------------------------------------------
// Bounds of one GET: a dead or silent server, a huge reply or a redirect loop ends
// the request as a failure instead of holding it open.
struct HttpLimits {
    long connectTimeoutMs = 3000;       // until the connection stands
    long requestTimeoutMs = 5000;       // the whole exchange, connection included
    size_t maxReplyBytes = 16 * 1024;   // a longer body fails the request
    long maxRedirects = 3;              // followed over http and https only
};

struct HttpReply {
    bool ok = false;     // a 2xx reply within the limits
    std::string body;    // what arrived (partial on failure)
    std::string error;   // why it failed, for logs and tests
};

// One blocking GET at a time per call; safe to use from any thread once made.
// Made on the main thread before any thread uses it (the library's global set-up).
class HttpClient {
public:
    explicit HttpClient(HttpLimits limits = {});
    HttpReply Get(const std::string& url) const;
    const HttpLimits& Limits() const { return limits_; }

private:
    HttpLimits limits_;
};

// ---- Pointer --------------------------------------------------------------
Point CursorPosition();                  // desktop pixels
void ShowSystemPointer(bool visible);

// ---- Time -----------------------------------------------------------------
uint64_t PerformanceCounter();
uint64_t PerformanceFrequency();         // counts per second
uint32_t TickCount();                    // milliseconds
void Sleep(uint32_t milliseconds);

// Test seam: a hand-driven clock. While on, the counter and tick only move
// through AdvanceClock and Sleep, which then returns at once.
void UseManualClock(uint32_t startTickMs);
void AdvanceClock(double seconds);
bool ManualClockActive();

// ---- Files ----------------------------------------------------------------
// The program's folder: where data/, sound/, wdata/ and play.url live.
// Defaults to the executable's folder; when that has no "data" but
// <executable folder>/../share/pebbledash/data exists (an installed game:
// <prefix>/games/pebbledash or <prefix>/bin/pebbledash), it is <prefix>/share/pebbledash.
// The headless runner may point it elsewhere.
void SetProgramFolder(const std::string& folder);
std::string ProgramFolder();
// Turns a program path ("data\\Sprite.x") into a real one: backslashes become
// slashes, it is taken relative to the program folder, and a component that
// does not exist as written is matched case-insensitively.
std::string ResolvePath(const std::string& programPath);
bool DeleteFile(const std::string& programPath);

// The folder the saved files live in. The program folder's "data" (as ResolvePath
// finds it) unless one of these holds, and then $XDG_DATA_HOME/pebbledash
// (~/.local/share/pebbledash when the variable is unset, empty or relative), made
// with its parents when missing:
// - the program folder was found through the installed layout (see above);
// - "data" is a folder this user may not write: its file system is read-only, or its
//   permission bits deny it. For root the bits decide too, so a folder marked
//   read-only is treated as such even though root could write it.
// A "data" that is missing or not a folder stays the answer, and writes there fail
// as they would. Worked out on every call; nothing is cached.
std::string SaveFolder();
// True when SaveFolder() is the program folder's own "data".
bool SavesInProgramFolder();
// The real path of the saved file `name` ("settings.dat") inside SaveFolder().
std::string SavedFilePath(const std::string& name);

// Small whole files at real paths (the saved files).
// The first `size` bytes of a file; nothing when it cannot be opened or read or is
// shorter. Bytes past `size` are not read.
std::optional<std::vector<uint8_t>> ReadFileStart(const std::string& path, size_t size);
bool FileExists(const std::string& path);
// Deletes the file at a real path; false when it could not.
bool RemoveFile(const std::string& path);
// The temporary file a replacement is written to first: beside the target, so the
// final rename stays within one file system.
std::string TemporaryPathFor(const std::string& path);
// Writes bytes to the temporary file, flushes it to disk and only then renames it
// over `path`: a crash or a full disk never leaves a half-written file. On failure
// the old file is left as it was, the temporary file is removed and the cause
// ("No space left on device") is stored in `reason` when given.
bool ReplaceFile(const std::string& path, std::span<const uint8_t> bytes, std::string* reason = nullptr);

// ---- Worker thread --------------------------------------------------------
// One background thread at the lowest priority. Created suspended; Resume
// starts the procedure once. Join waits for it; the destructor joins.
class WorkerThread {
public:
    explicit WorkerThread(std::function<void()> procedure);
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;
    void Resume();
    bool Finished() const;
    void Join();

private:
    struct State;
    State* state_;
};

}  // namespace platform
