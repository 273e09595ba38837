#include "Frame.h"

#include "Check.h"
#include "Gdi.h"
#include "Handles.h"
#include "SystemLibraries.h"
#include "WindowClasses.h"
#include "platform/Layout.h"

#include <objbase.h>
// The property GUIDs of dynamic annotation are defined here, as oleacc.h asks.
#include <initguid.h>

#include <oleacc.h>

#include <string>

namespace penderlin::platform {

namespace {

// The frame is a window class of its own, not the system's group box: a group box's accessible
// object has no children, so screen readers would lose the controls inside. Where the frame keeps
// the font that WM_SETFONT gives it, its scale, and whether it has told screen readers its
// role.
constexpr int kFontSlot = 0;
constexpr int kDpiSlot = sizeof(LONG_PTR);
constexpr int kTextSlot = 2 * sizeof(LONG_PTR);
constexpr int kAnnotatedSlot = 3 * sizeof(LONG_PTR);

using UniqueAnnotations = UniqueInterface<IAccPropServices>;

// COM on the program's thread, apartment-threaded as a thread with windows needs it, from the
// first question of a screen reader to the end of the program: nothing else uses it, so the
// program does without it until then.
class ComApartment {
public:
    ComApartment()
        : running_(SUCCEEDED(
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (running_) {
            CoUninitialize();
        }
    }

private:
    bool running_;
};

// Windows' dynamic annotation service; none where COM does not run, and the frame then goes
// without its role.
UniqueAnnotations Annotations() {
    LoadForScreenReaders();
    static const ComApartment com;
    UniqueAnnotations services;
    CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                     reinterpret_cast<void**>(static_cast<IAccPropServices**>(services.put())));
    return services;
}

// Screen readers hear the frame as a grouping, as they would a group box; its name is its
// caption, as for any window.
void AnnotateRole(HWND frame) {
    if (const UniqueAnnotations services = Annotations()) {
        VARIANT role{};
        role.vt = VT_I4;
        role.lVal = ROLE_SYSTEM_GROUPING;
        services.get()->SetHwndProp(frame, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                    PROPID_ACC_ROLE, role);
    }
}

// A window made later may get the frame's handle: it must not inherit the annotation.
void ClearRole(HWND frame) {
    if (const UniqueAnnotations services = Annotations()) {
        services.get()->ClearHwndProps(frame, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                       &PROPID_ACC_ROLE, 1);
    }
}

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
    const Scale scale{static_cast<int>(GetWindowLongPtrW(frame, kDpiSlot)),
                      static_cast<int>(GetWindowLongPtrW(frame, kTextSlot))};
    // An access key in the caption is marked only while the window shows its keyboard cues.
    UINT format = DT_SINGLELINE;
    if ((SendMessageW(frame, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) != 0) {
        caption = WithoutAccessKey(caption);
        format |= DT_NOPREFIX;
    }
    RECT captionBounds{scale.FromPixelsAt96(6), 0, bounds.right, metrics.tmHeight};
    DrawTextW(dc, caption.c_str(), -1, &captionBounds, format | DT_CALCRECT);
    captionBounds.right += scale.FromPixelsAt96(4);
    FillRect(dc, &captionBounds, background);
    SetBkMode(dc, TRANSPARENT);
    OffsetRect(&captionBounds, scale.FromPixelsAt96(2), 0);
    DrawTextW(dc, caption.c_str(), -1, &captionBounds, format);
}

LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETOBJECT:
        // A screen reader is asking. Annotated now rather than when made, so that the program
        // loads no accessibility code until something reads it.
        if (GetWindowLongPtrW(frame, kAnnotatedSlot) == 0) {
            SetWindowLongPtrW(frame, kAnnotatedSlot, 1);
            AnnotateRole(frame);
        }
        return DefWindowProcW(frame, message, wParam, lParam);
    case WM_DESTROY:
        if (GetWindowLongPtrW(frame, kAnnotatedSlot) != 0) {
            ClearRole(frame);
        }
        return 0;
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
    case WM_GETDLGCODE:
        // To the dialog manager a label, which Tab passes over, as it passes over a group box.
        return DLGC_STATIC;
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
    frame.style = CS_HREDRAW | CS_VREDRAW;
    frame.lpfnWndProc = FrameProc;
    frame.cbWndExtra = 4 * static_cast<int>(sizeof(LONG_PTR));
    frame.hInstance = GetModuleHandleW(nullptr);
    frame.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    frame.lpszClassName = kFrameClassName;
    Require(RegisterClassExW(&frame) != 0, "the frame's window class does not register");
}

void SetFrameScale(HWND frame, const Scale& scale) {
    SetWindowLongPtrW(frame, kDpiSlot, scale.dpi);
    SetWindowLongPtrW(frame, kTextSlot, scale.textPercent);
}

} // namespace penderlin::platform
