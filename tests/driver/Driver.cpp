#include "Driver.h"

#include "platform/win32/Gdi.h"
#include "platform/win32/Handles.h"
#include "platform/win32/InputBoxResource.h"

#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <iterator>
#include <thread>
#include <utility>

namespace penderlin::e2e {

using platform::SelectedObject;
using platform::UniqueBitmap;
using platform::UniqueMemoryDc;
using platform::WindowDc;

bool RunningUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

namespace {

int FromEnvironment(const wchar_t* name, int otherwise) {
    wchar_t value[8]{};
    return GetEnvironmentVariableW(name, value, 8) > 0 ? _wtoi(value) : otherwise;
}

} // namespace

// cmake/wine-run names them for the programs it starts.
int PrefixDpi() {
    return FromEnvironment(L"PENDERLIN_WINE_DPI", 96);
}

int PrefixTextPercent() {
    return FromEnvironment(L"PENDERLIN_WINE_TEXT_SIZE", 100);
}

std::wstring Beside(const wchar_t* name) {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    return path.substr(0, path.find_last_of(L'\\') + 1) + name;
}

std::wstring ProgramPath() {
    // The release's tests point PENDERLIN_PROGRAM at the penderlin.exe taken out of its zip.
    const DWORD size = GetEnvironmentVariableW(L"PENDERLIN_PROGRAM", nullptr, 0);
    if (size == 0) {
        return Beside(L"penderlin.exe");
    }
    std::wstring path(size, L'\0');
    path.resize(GetEnvironmentVariableW(L"PENDERLIN_PROGRAM", path.data(), size));
    return path;
}

namespace {

// How long input takes to reach the program's queue.
constexpr auto kInputDelivery = std::chrono::milliseconds(30);

void Send(std::vector<INPUT>& inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    std::this_thread::sleep_for(kInputDelivery);
}

INPUT Key(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

HKEY OpenForWriting(const std::wstring& key) {
    HKEY handle = nullptr;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &handle, nullptr);
    return handle;
}

} // namespace

Image ImageOf(HDC dc, HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<RGBQUAD> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    Image image{width, height, {}};
    image.colours.reserve(pixels.size());
    for (const RGBQUAD& pixel : pixels) {
        image.colours.push_back(RGB(pixel.rgbRed, pixel.rgbGreen, pixel.rgbBlue));
    }
    return image;
}

DWORD StartProcess(const std::wstring& path, std::wstring commandLine,
                   PROCESS_INFORMATION& process) {
    // Now and then, on a busy machine, Wine loses a new process before any of its code has run
    // and CreateProcess fails with ERROR_INTERNAL_ERROR: the program never started, so it is
    // started again. A program that fails by itself ends with a code of its own, never retried.
    constexpr int kStarts = 3;
    DWORD error = ERROR_SUCCESS;
    for (int start = 1; start <= kStarts; ++start) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        if (CreateProcessW(path.c_str(), commandLine.empty() ? nullptr : commandLine.data(),
                           nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
            return ERROR_SUCCESS;
        }
        error = GetLastError();
        if (error != ERROR_INTERNAL_ERROR) {
            break;
        }
        std::fprintf(stderr, "Wine lost %ls while starting it (start %d of %d)\n", path.c_str(),
                     start, kStarts);
    }
    return error;
}

Program::Program(const std::wstring& path) {
    startError_ = StartProcess(path, L"", process_);
    if (startError_ == ERROR_SUCCESS) {
        WaitForInputIdle(process_.hProcess, kStartTimeoutMs);
    }
}

std::string Program::State() const {
    if (process_.hProcess == nullptr) {
        return "penderlin.exe could not be started: error " + std::to_string(startError_);
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process_.hProcess, &exitCode);
    return exitCode == STILL_ACTIVE ? "penderlin.exe is running"
                                    : "penderlin.exe ended with code " + std::to_string(exitCode);
}

Program::~Program() {
    if (process_.hProcess == nullptr) {
        return;
    }
    if (!WaitForExit(0)) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, kTimeoutMs);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool Program::WaitForExit(DWORD timeoutMs) const {
    return WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

std::string Narrow(std::wstring_view text) {
    std::string narrow;
    for (const wchar_t c : text) {
        narrow += c < 128 ? static_cast<char>(c) : '?';
    }
    return narrow;
}

std::string Quoted(std::string_view before, std::wstring_view text, std::string_view after) {
    // Appended piece by piece: GCC 12 takes "text" + std::string for an overlapping copy.
    std::string quoted(before);
    quoted += '"';
    quoted += Narrow(text);
    quoted += '"';
    quoted += after;
    return quoted;
}

bool WaitFor(std::string_view what, const std::function<bool()>& condition, DWORD timeoutMs) {
    const auto start = std::chrono::steady_clock::now();
    const auto deadline = start + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            if (condition()) {
                return true;
            }
            const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now() - start);
            std::fprintf(stderr, "Waited %lld ms for %.*s, and gave up.\n",
                         static_cast<long long>(waited.count()), static_cast<int>(what.size()),
                         what.data());
            return false;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

HWND WaitForWindow(const wchar_t* caption, const wchar_t* className, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitFor(
        Quoted("the window ", caption != nullptr ? caption : className, " to show"),
        [&] {
            found = FindWindowW(className, caption);
            return found != nullptr && IsWindowVisible(found);
        },
        timeoutMs);
    return found != nullptr && IsWindowVisible(found) ? found : nullptr;
}

bool WaitUntilGone(const wchar_t* caption) {
    return WaitFor(Quoted("the window ", caption, " to go"),
                   [&] { return FindWindowW(nullptr, caption) == nullptr; });
}

std::wstring TextOf(HWND window) {
    // Another process's edit control only answers WM_GETTEXT, not GetWindowText.
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, kTimeoutMs, &copied);
    text.resize(copied);
    return text;
}

namespace {

// The first of the window's descendants for which `matches` holds; nullptr if none.
HWND FirstChild(HWND window, const std::function<bool(HWND)>& matches) {
    struct Search {
        const std::function<bool(HWND)>& matches;
        HWND found;
    } search{matches, nullptr};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            s.found = s.matches(child) ? child : nullptr;
            return s.found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

HWND ControlWithText(HWND parent, const std::wstring& text) {
    return FirstChild(parent, [&](HWND child) { return TextOf(child) == text; });
}

HWND ControlWithId(HWND window, int id) {
    return FirstChild(window, [id](HWND child) { return GetDlgCtrlID(child) == id; });
}

RECT RectInParent(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE ClientSize(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return {rect.right, rect.bottom};
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256]{};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

SIZE LargestClientSize(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    const SIZE client = ClientSize(window);
    return {GetSystemMetrics(SM_CXMAXTRACK) - (frame.right - frame.left - client.cx),
            GetSystemMetrics(SM_CYMAXTRACK) - (frame.bottom - frame.top - client.cy)};
}

HWND FocusIn(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

HWND WaitForFocusIn(HWND window) {
    WaitFor(Quoted("the focus in ", TextOf(window)),
            [&] { return IsChild(window, FocusIn(window)); });
    return FocusIn(window);
}

bool BringToFront(HWND window) {
    SetForegroundWindow(window);
    return WaitFor(Quoted("", TextOf(window), " to be the foreground window"),
                   [&] { return GetForegroundWindow() == window; });
}

bool WaitUntilHandledSoFar(HWND window) {
    const HWND focused = FocusIn(window);
    PressKey(VK_TAB);
    return WaitFor(Quoted("a Tab to move the focus in ", TextOf(window)),
                   [&] { return FocusIn(window) != focused; });
}

namespace {

// A block of memory in another process (or this one), for messages whose lParam points to data.
class RemoteMemory {
public:
    RemoteMemory(HWND window, SIZE_T size) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               processId);
        address_ = process_ != nullptr ? VirtualAllocEx(process_, nullptr, size,
                                                        MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)
                                       : nullptr;
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    ~RemoteMemory() {
        if (address_ != nullptr) {
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        }
        if (process_ != nullptr) {
            CloseHandle(process_);
        }
    }

    LPARAM address() const { return reinterpret_cast<LPARAM>(address_); }
    template <typename T> bool Write(const T& value) {
        return WriteProcessMemory(process_, address_, &value, sizeof(value), nullptr) != 0;
    }
    template <typename T> bool Read(T& value) const {
        return ReadProcessMemory(process_, address_, &value, sizeof(value), nullptr) != 0;
    }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

} // namespace

bool ChangeDpi(HWND window, int dpi) {
    RemoteMemory memory(window, sizeof(RECT));
    RECT suggested{};
    GetWindowRect(window, &suggested);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(window, &placement);
    const bool normal = !IsZoomed(window) && !IsIconic(window);
    const RECT& sized = normal ? suggested : placement.rcNormalPosition;
    SIZE size{sized.right - sized.left, sized.bottom - sized.top};
    DWORD_PTR answered = 0;
    if (!memory.Write(size) ||
        !SendMessageTimeoutW(window, WM_GETDPISCALEDSIZE, static_cast<WPARAM>(dpi),
                             memory.address(), SMTO_NORMAL, kTimeoutMs, &answered) ||
        answered == 0 || !memory.Read(size)) {
        return false;
    }
    if (normal) {
        suggested.right = suggested.left + size.cx;
        suggested.bottom = suggested.top + size.cy;
    }
    const auto dpiWord = static_cast<WORD>(dpi);
    return memory.Write(suggested) &&
           SendMessageTimeoutW(window, WM_DPICHANGED, MAKEWPARAM(dpiWord, dpiWord),
                               memory.address(), SMTO_NORMAL, kTimeoutMs, nullptr) != 0;
}

void StoreTextSize(int percent) {
    const auto value = static_cast<DWORD>(percent);
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Accessibility", L"TextScaleFactor",
                    REG_DWORD, &value, sizeof(value));
}

void ChangeTextSize(int percent) {
    StoreTextSize(percent);
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs,
                        nullptr);
}

Image ScreenPixels(const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const WindowDc screen(nullptr);
    const UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    const UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    {
        const SelectedObject selected(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY);
    }
    return ImageOf(memory.get(), bitmap.get(), width, height);
}

Image ScreenOfClientArea(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return ScreenPixels(client);
}

Image PrintedClientArea(HWND window) {
    const SIZE size = ClientSize(window);
    const WindowDc screen(nullptr);
    const UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    const UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
    {
        const SelectedObject selected(memory.get(), bitmap.get());
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()),
                     PRF_CLIENT | PRF_ERASEBKGND);
    }
    return ImageOf(memory.get(), bitmap.get(), size.cx, size.cy);
}

int DifferentPixels(const Image& a, const Image& b) {
    if (a.width != b.width || a.height != b.height) {
        return a.width * a.height;
    }
    int different = 0;
    for (size_t i = 0; i < a.colours.size(); ++i) {
        different += a.colours[i] != b.colours[i] ? 1 : 0;
    }
    return different;
}

int WaitUntilShows(HWND window, const Image& expected) {
    int different = 0;
    WaitFor("the window to show what it showed before", [&] {
        WaitUntilDrawn(window);
        different = DifferentPixels(ScreenOfClientArea(window), expected);
        return different == 0;
    });
    return different;
}

Image ProgramPicture(int resourceId) {
    const HMODULE program = LoadLibraryExW(
        ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    const UniqueBitmap bitmap(static_cast<HBITMAP>(LoadImageW(
        program, MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    Image image;
    if (bitmap) {
        BITMAP size{};
        GetObjectW(bitmap.get(), sizeof(size), &size);
        const WindowDc screen(nullptr);
        image = ImageOf(screen.get(), bitmap.get(), size.bmWidth, size.bmHeight);
    }
    FreeLibrary(program);
    return image;
}

void PressKey(WORD key, bool alt, bool shift) {
    std::vector<INPUT> inputs;
    if (alt) {
        inputs.push_back(Key(VK_MENU, false));
    }
    if (shift) {
        inputs.push_back(Key(VK_SHIFT, false));
    }
    inputs.push_back(Key(key, false));
    inputs.push_back(Key(key, true));
    if (shift) {
        inputs.push_back(Key(VK_SHIFT, true));
    }
    if (alt) {
        inputs.push_back(Key(VK_MENU, true));
    }
    Send(inputs);
}

void PressKeyWithControl(WORD key) {
    std::vector<INPUT> inputs{Key(VK_CONTROL, false), Key(key, false), Key(key, true),
                              Key(VK_CONTROL, true)};
    Send(inputs);
}

void TypeText(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (const wchar_t unit : text) {
        for (const bool up : {false, true}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = static_cast<WORD>(unit);
            input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0u);
            inputs.push_back(input);
        }
    }
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(0, &info);
    Send(inputs);
    // A click posted next would overtake keys still in the program's input queue: when typing
    // into a field, wait until the field holds what was typed.
    if (info.hwndFocus != nullptr && ClassOf(info.hwndFocus) == L"Edit") {
        WaitFor("the field to hold what was typed",
                [&] { return TextOf(info.hwndFocus).find(text) != std::wstring::npos; });
    }
}

void ClickAt(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const POINT target{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    // The pointer must have arrived before the press, or a late motion event loses the click.
    SetCursorPos(target.x, target.y);
    WaitFor("the pointer to arrive", [&] {
        POINT now{};
        GetCursorPos(&now);
        return now.x == target.x && now.y == target.y;
    });
    std::vector<INPUT> inputs(2);
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    Send(inputs);
}

void MovePointerAway() {
    POINT from{};
    GetCursorPos(&from);
    const HWND left = GetAncestor(WindowFromPoint(from), GA_ROOT);
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    // A button keeps its pointed-at look until its thread notices that the pointer has gone, by a
    // timer that a busy machine holds up: a look of the screen taken before then would differ from
    // every later one. The wait is for another process's windows: this thread's own would not be
    // told while it waits here.
    DWORD process = 0;
    if (left == nullptr || GetWindowThreadProcessId(left, &process) == 0 ||
        process == GetCurrentProcessId()) {
        return;
    }
    const auto hot = [](HWND child) {
        DWORD_PTR state = 0;
        return ClassOf(child) == L"Button" &&
               SendMessageTimeoutW(child, BM_GETSTATE, 0, 0, SMTO_NORMAL, kTimeoutMs, &state) &&
               (state & BST_HOT) != 0;
    };
    WaitFor("every button to stop looking pointed at",
            [&] { return FirstChild(left, hot) == nullptr; });
}

namespace {

// Rests the pointer on the control after a few small moves inside it, as a hand makes them.
void PointAt(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    SetCursorPos((rect.left + rect.right) / 2 - 4, (rect.top + rect.bottom) / 2 - 4);
    for (int step = 0; step < 4; ++step) {
        std::vector<INPUT> move(1);
        move[0].type = INPUT_MOUSE;
        move[0].mi.dx = 2;
        move[0].mi.dy = 2;
        move[0].mi.dwFlags = MOUSEEVENTF_MOVE;
        Send(move);
    }
}

HWND VisibleTooltip() {
    const HWND tip = FindWindowW(TOOLTIPS_CLASSW, nullptr);
    return tip != nullptr && IsWindowVisible(tip) ? tip : nullptr;
}

} // namespace

std::wstring TooltipWhenPointingAt(HWND control) {
    PointAt(control);
    HWND tip = nullptr;
    WaitFor("a tooltip", [&] { return (tip = VisibleTooltip()) != nullptr; });
    const std::wstring text = tip != nullptr ? TextOf(tip) : L"";
    MovePointerAway();
    WaitFor("the tooltip to go", [] { return VisibleTooltip() == nullptr; });
    return text;
}

bool NoTooltipWhenPointingAt(HWND control) {
    PointAt(control);
    // Nothing to wait on for what must not come: the time a tooltip takes to appear, twice, with
    // the delay the program's tooltip control uses (Windows' own, the double-click time).
    const HWND tip = FindWindowW(TOOLTIPS_CLASSW, nullptr);
    DWORD_PTR delay = GetDoubleClickTime();
    if (tip != nullptr) {
        SendMessageTimeoutW(tip, TTM_GETDELAYTIME, TTDT_INITIAL, 0, SMTO_NORMAL, kTimeoutMs,
                            &delay);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2 * delay));
    const bool none = VisibleTooltip() == nullptr;
    MovePointerAway();
    return none;
}

std::optional<Dialog> WaitForDialog() {
    const HWND window = WaitForWindow(L"Penderlin", L"#32770");
    if (window == nullptr) {
        return std::nullopt;
    }
    Dialog dialog;
    dialog.window = window;
    dialog.owner = GetWindow(window, GW_OWNER);
    // A message box's text is the control 0xFFFF.
    dialog.field = GetDlgItem(window, IDC_INPUT_TEXT);
    if (dialog.field != nullptr) {
        dialog.prompt = TextOf(GetDlgItem(window, IDC_INPUT_PROMPT));
    } else {
        dialog.text = TextOf(GetDlgItem(window, 0xFFFF));
    }
    return dialog;
}

bool Dismiss(const Dialog& dialog, bool ok) {
    PostMessageW(GetDlgItem(dialog.window, ok ? IDOK : IDCANCEL), BM_CLICK, 0, 0);
    return WaitFor("the box to go", [&] { return !IsWindow(dialog.window); }) &&
           WaitUntilIdle(dialog.owner);
}

bool WaitUntilIdle(HWND window) {
    // A sent message is handled only once the program's thread waits for messages again.
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kTimeoutMs, nullptr) != 0;
}

bool WaitUntilDrawn(HWND window) {
    // Has the program paint now whatever it has left to paint: the screen alone cannot tell a
    // window that is about to repaint from one that is done. For another thread's window the
    // WM_PAINT messages are sent, so this returns once they have been handled.
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    // Drawn once two looks a frame apart find the same pixels.
    Image before = ScreenPixels(client);
    return WaitFor("the window's pixels to stop changing", [&] {
        std::this_thread::sleep_for(kFrame);
        Image now = ScreenPixels(client);
        const bool same = now.colours == before.colours;
        before = std::move(now);
        return same;
    });
}

std::optional<RawValue> ReadRaw(const std::wstring& key, const std::wstring& name) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    RawValue value;
    DWORD size = 0;
    LONG result = RegQueryValueExW(handle, name.c_str(), nullptr, &value.type, nullptr, &size);
    if (result == ERROR_SUCCESS) {
        value.bytes.resize(size);
        result =
            RegQueryValueExW(handle, name.c_str(), nullptr, &value.type, value.bytes.data(), &size);
        value.bytes.resize(size);
    }
    RegCloseKey(handle);
    return result == ERROR_SUCCESS ? std::optional(value) : std::nullopt;
}

void WriteRaw(const std::wstring& key, const std::wstring& name, DWORD type, const void* data,
              DWORD size) {
    const HKEY handle = OpenForWriting(key);
    RegSetValueExW(handle, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(handle);
}

void WriteText(const std::wstring& key, const std::wstring& name, const std::wstring& text) {
    WriteRaw(key, name, REG_SZ, text.c_str(),
             static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

std::optional<std::wstring> ReadText(const std::wstring& key, const std::wstring& name) {
    const auto value = ReadRaw(key, name);
    if (!value || value->type != REG_SZ) {
        return std::nullopt;
    }
    std::wstring text(reinterpret_cast<const wchar_t*>(value->bytes.data()),
                      value->bytes.size() / sizeof(wchar_t));
    if (const auto nul = text.find(L'\0'); nul != std::wstring::npos) {
        text.resize(nul);
    }
    return text;
}

void DeleteValue(const std::wstring& key, const std::wstring& name) {
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), name.c_str());
}

void DeleteKey(const std::wstring& key) {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, key.c_str());
}

} // namespace penderlin::e2e
