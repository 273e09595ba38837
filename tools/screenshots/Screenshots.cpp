// Opens each window of the program under Wine and saves what the screen shows of it as a BMP,
// for the README's pictures: penderlin_screenshots.exe FOLDER (see scripts/screenshots).
#include "Driver.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace penderlin::e2e;

// Saves the screen's pixels under the window's rectangle as a 24-bit bottom-up BMP.
bool Save(HWND window, const std::wstring& path) {
    if (!WaitUntilDrawn(window)) {
        return false;
    }
    RECT rect{};
    GetWindowRect(window, &rect);
    const Image image = ScreenPixels(rect);

    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = image.width;
    info.biHeight = image.height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    const int stride = (image.width * 3 + 3) & ~3;
    std::string pixels(static_cast<size_t>(stride) * static_cast<size_t>(image.height), '\0');
    for (int y = 0; y < image.height; ++y) {
        char* row =
            pixels.data() + static_cast<size_t>(stride) * static_cast<size_t>(image.height - 1 - y);
        for (int x = 0; x < image.width; ++x) {
            const COLORREF colour = image.At(x, y);
            row[3 * x] = static_cast<char>(GetBValue(colour));
            row[3 * x + 1] = static_cast<char>(GetGValue(colour));
            row[3 * x + 2] = static_cast<char>(GetRValue(colour));
        }
    }

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(std::filesystem::path(path), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info), sizeof(info));
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return static_cast<bool>(out);
}

HWND Open(HWND parent, const wchar_t* button, const wchar_t* caption) {
    PostMessageW(ControlWithText(parent, button), BM_CLICK, 0, 0);
    const HWND window = WaitForWindow(caption);
    BringToFront(window);
    return window;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: penderlin_screenshots FOLDER\n", stderr);
        return 2;
    }
    if (!RunningUnderWine()) {
        std::fputs("Refusing to run: it rewrites registration values and runs only under Wine.\n",
                   stderr);
        return 1;
    }
    const std::wstring folder = std::wstring(argv[1]) + L"\\";
    WriteText(L"Software\\Microsoft\\Windows\\CurrentVersion", L"RegisteredOwner", L"Jane Doe");

    Program program;
    const HWND main = WaitForWindow(L"Oskavel");
    bool saved = main != nullptr && Save(main, folder + L"main-window.bmp");

    const HWND win98 = Open(main, L"Click here for Win98/95", L"Windows 98/95 Version");
    saved = saved && win98 != nullptr && Save(win98, folder + L"win98-window.bmp");
    PostMessageW(ControlWithText(win98, L"Check Current User"), BM_CLICK, 0, 0);
    auto dialog = WaitForDialog();
    saved = saved && dialog && Save(dialog->window, folder + L"message-box.bmp");
    Dismiss(*dialog);
    PostMessageW(ControlWithText(win98, L"Replace User"), BM_CLICK, 0, 0);
    dialog = WaitForDialog();
    TypeText(L"Jane Doe");
    {
        // A blinking caret would make the picture depend on the moment it is taken.
        const UINT blink = GetCaretBlinkTime();
        SetCaretBlinkTime(INFINITE);
        saved = saved && dialog && Save(dialog->window, folder + L"input-box.bmp");
        SetCaretBlinkTime(blink);
    }
    Dismiss(*dialog, false);
    PressKey('C', true);
    WaitUntilGone(L"Windows 98/95 Version");

    const HWND nt = Open(main, L"Click here for Windows 2000/NT", L"Windows 2000/ NT 4.0 Version");
    saved = saved && nt != nullptr && Save(nt, folder + L"nt-window.bmp");
    return saved ? 0 : 1;
}
