#pragma once

// Drives penderlin.exe from a second process as a user would: finds its windows by caption,
// reads their controls, types and clicks with SendInput, and reads the registry directly.
#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace penderlin::e2e {

// How long any wait for the program may take before the test fails.
constexpr DWORD kTimeoutMs = 10000;
// How long the program may take to show its first window: the first program in a wineserver
// just started waits for Wine's desktop process, which a busy machine can hold up for seconds.
constexpr DWORD kStartTimeoutMs = 30000;
// How often a wait looks again, and how long the screen takes to show a change.
constexpr auto kPollInterval = std::chrono::milliseconds(10);
constexpr auto kFrame = std::chrono::milliseconds(50);

// True when this process runs under Wine: what rewrites registration values refuses otherwise.
bool RunningUnderWine();
// The DPI and the text size (a percentage) of the desktop the test prefix was made as.
int PrefixDpi();
int PrefixTextPercent();
// A file in the folder of this program, and the penderlin.exe to test: the one there, or the one
// the environment variable PENDERLIN_PROGRAM names (a Windows path).
std::wstring Beside(const wchar_t* name);
std::wstring ProgramPath();

// Looks until the condition holds or the time is up; returns the condition's last value. A wait
// that times out says on stderr what it waited for and how long, so that the test's output says
// where the time went.
bool WaitFor(std::string_view what, const std::function<bool()>& condition,
             DWORD timeoutMs = kTimeoutMs);
// The text in ASCII, anything else as '?': for messages.
std::string Narrow(std::wstring_view text);
// The text in quotes between two others: for messages.
std::string Quoted(std::string_view before, std::wstring_view text, std::string_view after = "");

// CreateProcessW of the program at this path, with this command line if any; ERROR_SUCCESS or
// the error.
DWORD StartProcess(const std::wstring& path, std::wstring commandLine,
                   PROCESS_INFORMATION& process);

// A running penderlin.exe, ended when this goes out of scope if it has not ended by itself.
class Program {
public:
    // ProgramPath(), or the program at this path.
    explicit Program(const std::wstring& path = ProgramPath());
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program();

    // True once the process has ended within the timeout.
    bool WaitForExit(DWORD timeoutMs = kTimeoutMs) const;
    DWORD ThreadId() const { return process_.dwThreadId; }
    HANDLE Process() const { return process_.hProcess; }
    // Whether the process could be started, is running or has ended, and how: for a failure.
    std::string State() const;

private:
    PROCESS_INFORMATION process_{};
    DWORD startError_ = ERROR_SUCCESS;
};

// A top-level window of the program with this caption, waited for; nullptr after the timeout.
HWND WaitForWindow(const wchar_t* caption, const wchar_t* className = nullptr,
                   DWORD timeoutMs = kTimeoutMs);
// True once no such window exists any more.
bool WaitUntilGone(const wchar_t* caption);

std::wstring TextOf(HWND window);
// The child control with exactly this text; nullptr if none.
HWND ControlWithText(HWND parent, const std::wstring& text);
// The control with this ID among the window's children and theirs; nullptr if none.
HWND ControlWithId(HWND window, int id);
// A window's rectangle relative to its parent's client area.
RECT RectInParent(HWND window);
SIZE ClientSize(HWND window);
std::wstring ClassOf(HWND window);
// The largest client area the window can have: no larger than the system lets any window be (on
// Windows as under Wine, a little more than the screen), less the window's frame.
SIZE LargestClientSize(HWND window);
HWND FocusIn(HWND window);
// Waits until the focus is on one of the window's controls, and returns that control.
HWND WaitForFocusIn(HWND window);

// True once the window is the foreground window.
bool BringToFront(HWND window);
// For checks that something does not happen: presses Tab and waits until the focus has moved in
// the window, which it does only once the program has handled every key, click and posted message
// that came before (GetMessage takes posted messages before input, and input in order).
bool WaitUntilHandledSoFar(HWND window);
// Does what Windows does when a window moves to a monitor of another scale, which Wine never
// does: asks the window for its frame size at the new DPI (WM_GETDPISCALEDSIZE, given the size it
// has, or has when restored if it is maximized or minimized) and sends it WM_DPICHANGED, in the
// window's own process's memory, with the rectangle Windows suggests: that size at the window's
// place, or, maximized or minimized, the rectangle it has in that state (there is one monitor).
bool ChangeDpi(HWND window, int dpi);
// Stores the text size (Settings, Accessibility, Text size) as Windows does, as a percentage.
void StoreTextSize(int percent);
// Does what Windows does when the user changes the text size: stores it and tells every window
// (WM_SETTINGCHANGE). Wine's programs then see it only through what is stored.
void ChangeTextSize(int percent);
// Waits until the window's thread waits for messages again, having done what came before.
bool WaitUntilIdle(HWND window);
// Waits until what the screen shows of the window's client area stops changing.
bool WaitUntilDrawn(HWND window);

// An image as rows of COLORREFs, top row first.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colours;
    COLORREF At(int x, int y) const {
        return colours[static_cast<size_t>(y) * static_cast<size_t>(width) +
                       static_cast<size_t>(x)];
    }
};
// The pixels of a bitmap selected into no DC, or compatible with this one.
Image ImageOf(HDC dc, HBITMAP bitmap, int width, int height);
// What the screen shows in this rectangle of screen coordinates.
Image ScreenPixels(const RECT& area);
// What the screen shows of the window's client area.
Image ScreenOfClientArea(HWND window);
// What a window of this process draws of its client area, asked to draw it into memory
// (WM_PRINTCLIENT), whether or not it is on screen.
Image PrintedClientArea(HWND window);
// How many pixels of two images differ; every pixel when their sizes differ.
int DifferentPixels(const Image& a, const Image& b);
// Waits until the window's client area shows `expected` again, allowing a repaint to come in
// more than one go; gives how many pixels still differ.
int WaitUntilShows(HWND window, const Image& expected);
// A bitmap resource of penderlin.exe, at its own size.
Image ProgramPicture(int resourceId);
void PressKey(WORD key, bool alt = false, bool shift = false);
void PressKeyWithControl(WORD key);
// Types the text; into a field, returns once the field holds it.
void TypeText(const std::wstring& text);
void ClickAt(HWND window);
// Puts the pointer in the screen's bottom-right corner, away from every window and tooltip.
void MovePointerAway();
// Rests the pointer on the control; gives the text of the tooltip that appears, or nothing.
std::wstring TooltipWhenPointingAt(HWND control);
// Rests the pointer on the control; true if no tooltip appears within twice its delay.
bool NoTooltipWhenPointingAt(HWND control);

// The message box or the input box (both titled "Penderlin"), waited for.
struct Dialog {
    HWND window = nullptr;
    HWND owner = nullptr;
    std::wstring text;   // a message box's message
    std::wstring prompt; // an input box's prompt
    HWND field = nullptr;
    bool IsInputBox() const { return field != nullptr; }
};
std::optional<Dialog> WaitForDialog();
// Presses the dialog's OK (or Cancel) button and waits for it to go and for the program to have
// done what the button asked for.
bool Dismiss(const Dialog& dialog, bool ok = true);

// Registry contents, read and written without the program.
struct RawValue {
    DWORD type = 0;
    std::vector<BYTE> bytes;
    bool operator==(const RawValue&) const = default;
};
std::optional<RawValue> ReadRaw(const std::wstring& key, const std::wstring& name);
void WriteRaw(const std::wstring& key, const std::wstring& name, DWORD type, const void* data,
              DWORD size);
void WriteText(const std::wstring& key, const std::wstring& name, const std::wstring& text);
// The value as a REG_SZ text read with the W functions, without its NUL.
std::optional<std::wstring> ReadText(const std::wstring& key, const std::wstring& name);
void DeleteValue(const std::wstring& key, const std::wstring& name);
void DeleteKey(const std::wstring& key);

} // namespace penderlin::e2e
