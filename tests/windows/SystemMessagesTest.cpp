// What Windows tells every window and what the windows make of it: the keyboard cues' state,
// set before a window is first shown, and the settings broadcasts, of which only a change of
// text size lays the windows out again.
#include "Driver.h"
#include "MessageHook.h"
#include "forms/MainWindow.h"
#include "forms/Win98Window.h"
#include "platform/Scale.h"
#include "platform/win32/Form.h"
#include "platform/win32/Win32Dialogs.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace penderlin::platform {
namespace {

// Per window: told to set its keyboard cues from the last input, and first shown after that.
struct Cues {
    bool initialized = false;
    bool shownInitialized = false;
    bool shown = false;
};
std::map<HWND, Cues> cues;

// Windows' dialogs hide the access keys' underlines and the focus rectangle in a window opened
// with the mouse, until Alt or Tab, and show them in one opened from the keyboard: each window is
// told to take them from the last input (UIS_INITIALIZE) before it is first shown. Wine keeps no
// such state, so the message itself is what is checked.
TEST(KeyboardCues, EachWindowIsToldToTakeThemFromTheLastInputBeforeItShows) {
    Form::PrepareWindowing();
    Win32Dialogs dialogs;
    ProgramWindows windows(dialogs);
    const SentMessages watch([](const CWPSTRUCT& message) {
        Cues& window = cues[message.hwnd];
        if (message.message == WM_CHANGEUISTATE && LOWORD(message.wParam) == UIS_INITIALIZE) {
            window.initialized = true;
        } else if (message.message == WM_SHOWWINDOW && message.wParam != FALSE && !window.shown) {
            window.shown = true;
            window.shownInitialized = window.initialized;
        }
    });
    for (const FormDescription* description : {&forms::frmMain, &forms::win98}) {
        Form form(*description, windows);
        const HWND window = form.Window();
        // Closed as soon as its modal loop runs, once shown.
        PostMessageW(window, WM_CLOSE, 0, 0);
        form.ShowModal();
        EXPECT_TRUE(cues[window].shown);
        EXPECT_TRUE(cues[window].shownInitialized)
            << std::string(description->name.begin(), description->name.end());
    }
}

// How often a window's controls took a font (each layout gives every control its font again),
// by the window that holds them.
std::map<HWND, int> fontsTaken;

void HandOutMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// A window or one of its controls is waiting to be painted.
bool WaitsForPaint(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) {
        return true;
    }
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (WaitsForPaint(child)) {
            return true;
        }
    }
    return false;
}

// Windows broadcasts WM_SETTINGCHANGE to every window for settings of every kind; the windows
// follow the text size alone. Twenty broadcasts of other settings lay nothing out and paint
// nothing again; one change of text size lays every open window out again.
TEST(SettingsBroadcasts, OnlyAChangeOfTextSizeLaysTheWindowsOutAgain) {
    Form::PrepareWindowing();
    Win32Dialogs dialogs;
    ProgramWindows program(dialogs);
    const Form main(forms::frmMain, program);
    const Form family(forms::win98, program, main.Window());
    const std::vector<HWND> windows{main.Window(), family.Window()};
    for (const HWND window : windows) {
        ShowWindow(window, SW_SHOWNOACTIVATE);
        UpdateWindow(window);
    }
    HandOutMessages();
    const SentMessages watch([](const CWPSTRUCT& message) {
        if (message.message == WM_SETFONT) {
            ++fontsTaken[GetAncestor(message.hwnd, GA_ROOT)];
        }
    });
    const auto broadcast = [&](WPARAM setting, const wchar_t* area) {
        for (const HWND window : windows) {
            SendMessageW(window, WM_SETTINGCHANGE, setting, reinterpret_cast<LPARAM>(area));
        }
    };

    const struct {
        WPARAM setting;
        const wchar_t* area;
    } others[] = {
        {SPI_SETMOUSESPEED, nullptr},
        {0, L"intl"},
        {0, L"Environment"},
        {0, L"ImmersiveColorSet"},
        {SPI_SETWORKAREA, nullptr},
        {0, L"Policy"},
        {SPI_SETKEYBOARDSPEED, nullptr},
        {SPI_SETBEEP, nullptr},
        {0, L"TraySettings"},
        {SPI_SETDOUBLECLICKTIME, nullptr},
    };
    for (int round = 0; round < 2; ++round) {
        for (const auto& other : others) {
            broadcast(other.setting, other.area);
        }
    }
    for (const HWND window : windows) {
        EXPECT_FALSE(WaitsForPaint(window));
        EXPECT_EQ(fontsTaken[window], 0);
    }

    const int text = e2e::PrefixTextPercent();
    const int larger = text == 150 ? 175 : 150;
    e2e::StoreTextSize(larger);
    broadcast(0, nullptr);
    e2e::StoreTextSize(text);
    for (const HWND window : windows) {
        EXPECT_GT(fontsTaken[window], 0);
    }
    const SIZE client = e2e::ClientSize(family.Window());
    EXPECT_EQ(client.cx,
              (Scale{e2e::PrefixDpi(), larger}.FromTwips(forms::win98.clientSize.width)));
    broadcast(0, nullptr);
}

} // namespace
} // namespace penderlin::platform
