#include "Frame.h"

#include "Check.h"
#include "Gdi.h"
#include "WindowClasses.h"

#include <string>

namespace penderlin::platform {

namespace {

// Where the frame keeps the font that WM_SETFONT gives it, and its DPI.
constexpr int kFontSlot = 0;
constexpr int kDpiSlot = sizeof(LONG_PTR);

void Paint(HWND frame) {
    const PaintScope paint(frame);
    const HDC dc = paint.dc();
    const auto background = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(frame), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(frame)));
    RECT bounds{};
    GetClientRect(frame, &bounds);
    FillRect(dc, &bounds, background);

    const SelectedObject font(dc, reinterpret_cast<HGDIOBJ>(GetWindowLongPtrW(frame, kFontSlot)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT border = bounds;
    border.top += metrics.tmHeight / 2;
    DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);

    // The caption interrupts the border's top edge, with a little room on either side.
    std::wstring caption(static_cast<size_t>(GetWindowTextLengthW(frame)) + 1, L'\0');
    caption.resize(static_cast<size_t>(
        GetWindowTextW(frame, caption.data(), static_cast<int>(caption.size()))));
    const int dpi = static_cast<int>(GetWindowLongPtrW(frame, kDpiSlot));
    RECT captionBounds{MulDiv(6, dpi, 96), 0, bounds.right, metrics.tmHeight};
    DrawTextW(dc, caption.c_str(), -1, &captionBounds, DT_SINGLELINE | DT_CALCRECT);
    captionBounds.right += MulDiv(4, dpi, 96);
    FillRect(dc, &captionBounds, background);
    SetBkMode(dc, TRANSPARENT);
    OffsetRect(&captionBounds, MulDiv(2, dpi, 96), 0);
    DrawTextW(dc, caption.c_str(), -1, &captionBounds, DT_SINGLELINE);
}

LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT:
        Paint(frame);
        return 0;
    case WM_SETFONT:
        SetWindowLongPtrW(frame, kFontSlot, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam) != 0) {
            InvalidateRect(frame, nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT:
        return GetWindowLongPtrW(frame, kFontSlot);
    // What controls inside the frame tell their parent, the window handles.
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return SendMessageW(GetParent(frame), message, wParam, lParam);
    default:
        return DefWindowProcW(frame, message, wParam, lParam);
    }
}

} // namespace

void RegisterFrameClass() {
    WNDCLASSEXW frame{};
    frame.cbSize = sizeof(frame);
    frame.lpfnWndProc = FrameProc;
    frame.cbWndExtra = 2 * sizeof(LONG_PTR);
    frame.hInstance = GetModuleHandleW(nullptr);
    frame.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    frame.lpszClassName = kFrameClassName;
    [[maybe_unused]] const ATOM registered = RegisterClassExW(&frame);
    PENDERLIN_REQUIRE(registered != 0, "the frame's window class does not register");
}

void SetFrameDpi(HWND frame, int dpi) {
    SetWindowLongPtrW(frame, kDpiSlot, dpi);
}

} // namespace penderlin::platform
