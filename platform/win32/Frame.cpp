#include "Frame.h"

#include "Check.h"
#include "Gdi.h"
#include "ScaledResources.h"
#include "WindowClasses.h"

#include <string>

namespace penderlin::platform {

namespace {

// The frame is a group box to everything that asks what it is (screen readers, the dialog
// manager) and paints itself: a superclass of the system's button with BS_GROUPBOX.
WNDPROC buttonProc = nullptr;
// Where the frame keeps the font that WM_SETFONT gives it, and its scale's DPI, after the
// button's own.
int fontSlot = 0;
int dpiSlot = 0;

void Paint(HWND frame) {
    const PaintScope paint(frame);
    const HDC dc = paint.dc();
    const auto background = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(frame), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(frame)));
    RECT bounds{};
    GetClientRect(frame, &bounds);
    FillRect(dc, &bounds, background);

    const SelectedObject font(dc, reinterpret_cast<HGDIOBJ>(GetWindowLongPtrW(frame, fontSlot)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT border = bounds;
    border.top += metrics.tmHeight / 2;
    DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);

    // The caption interrupts the border's top edge, with a little room on either side.
    std::wstring caption(static_cast<size_t>(GetWindowTextLengthW(frame)) + 1, L'\0');
    caption.resize(static_cast<size_t>(
        GetWindowTextW(frame, caption.data(), static_cast<int>(caption.size()))));
    const Scale scale = ScaleAtDpi(static_cast<int>(GetWindowLongPtrW(frame, dpiSlot)));
    RECT captionBounds{scale.FromPixelsAt96(6), 0, bounds.right, metrics.tmHeight};
    DrawTextW(dc, caption.c_str(), -1, &captionBounds, DT_SINGLELINE | DT_CALCRECT);
    captionBounds.right += scale.FromPixelsAt96(4);
    FillRect(dc, &captionBounds, background);
    SetBkMode(dc, TRANSPARENT);
    OffsetRect(&captionBounds, scale.FromPixelsAt96(2), 0);
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
        SetWindowLongPtrW(frame, fontSlot, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam) != 0) {
            InvalidateRect(frame, nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT:
        return GetWindowLongPtrW(frame, fontSlot);
    // What controls inside the frame tell their parent, the window handles.
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return SendMessageW(GetParent(frame), message, wParam, lParam);
    case WM_NCHITTEST:
        // A group box lets the pointer through to its parent; this one keeps it, for tooltips.
        return DefWindowProcW(frame, message, wParam, lParam);
    default:
        return CallWindowProcW(buttonProc, frame, message, wParam, lParam);
    }
}

} // namespace

void RegisterFrameClass() {
    WNDCLASSEXW frame{};
    frame.cbSize = sizeof(frame);
    [[maybe_unused]] const BOOL found = GetClassInfoExW(nullptr, L"BUTTON", &frame);
    PENDERLIN_REQUIRE(found, "the system's button class is not there");
    buttonProc = frame.lpfnWndProc;
    fontSlot = frame.cbWndExtra;
    dpiSlot = fontSlot + static_cast<int>(sizeof(LONG_PTR));
    frame.lpfnWndProc = FrameProc;
    frame.cbWndExtra += 2 * static_cast<int>(sizeof(LONG_PTR));
    // Its own DC, clipped to itself, as before: not the button's parent's.
    frame.style &= ~static_cast<UINT>(CS_PARENTDC);
    frame.hInstance = GetModuleHandleW(nullptr);
    frame.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    frame.lpszClassName = kFrameClassName;
    [[maybe_unused]] const ATOM registered = RegisterClassExW(&frame);
    PENDERLIN_REQUIRE(registered != 0, "the frame's window class does not register");
}

void SetFrameScale(HWND frame, const Scale& scale) {
    SetWindowLongPtrW(frame, dpiSlot, scale.dpi);
}

} // namespace penderlin::platform
