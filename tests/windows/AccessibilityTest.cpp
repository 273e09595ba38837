// What a screen reader is told of each control: its name is its caption without the "&", and
// its role is what it looks like, the picture buttons included. Asked through oleacc, as Narrator
// and NVDA ask.
#include "Driver.h"
#include "forms/MainWindow.h"
#include "forms/NtWindow.h"
#include "forms/Win98Window.h"
#include "platform/win32/Form.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/WindowClasses.h"

#include <oleacc.h>

#include <gtest/gtest.h>

#include <string>

namespace penderlin::platform {
namespace {

std::wstring WithoutAccessKeyMark(std::wstring_view caption) {
    std::wstring name;
    for (const wchar_t character : caption) {
        if (character != L'&') {
            name += character;
        }
    }
    return name;
}

long ExpectedRole(ControlKind kind) {
    switch (kind) {
    case ControlKind::Button:
    case ControlKind::PictureButton:
        return ROLE_SYSTEM_PUSHBUTTON;
    case ControlKind::Label:
        return ROLE_SYSTEM_STATICTEXT;
    case ControlKind::Frame:
        return ROLE_SYSTEM_GROUPING;
    }
    return 0;
}

struct Accessible {
    std::wstring name;
    long role = 0;
};

// What oleacc reads to answer for a standard control: its text without the access-key mark,
// and its role from its real class and style. Wine's oleacc does not answer for every control.
Accessible AsOleaccReadsIt(HWND control) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    wchar_t className[32]{};
    RealGetWindowClassW(control, className, 32);
    const std::wstring_view kind = className;
    const auto type = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
    long role = 0;
    // Windows' RealGetWindowClass names the system class behind a superclass such as the frame;
    // Wine's gives the superclass, so ask the window itself whether a button answers for it.
    const bool buttonBehind =
        kind == kFrameClassName && SendMessageW(control, WM_GETDLGCODE, 0, 0) == DLGC_STATIC;
    if (kind == L"Static") {
        role = ROLE_SYSTEM_STATICTEXT;
    } else if (kind == L"Button" || buttonBehind) {
        role = type == BS_GROUPBOX ? ROLE_SYSTEM_GROUPING
               : type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW
                   ? ROLE_SYSTEM_PUSHBUTTON
                   : 0;
    }
    return {WithoutAccessKeyMark(text), role};
}

Accessible Ask(HWND control) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          IID_IAccessible,
                                          reinterpret_cast<void**>(&accessible)))) {
        return AsOleaccReadsIt(control);
    }
    Accessible answer;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    if (SUCCEEDED(accessible->get_accName(self, &name)) && name != nullptr) {
        answer.name = name;
        SysFreeString(name);
    }
    VARIANT role{};
    if (SUCCEEDED(accessible->get_accRole(self, &role)) && role.vt == VT_I4) {
        answer.role = role.lVal;
    }
    accessible->Release();
    return answer;
}

class ScreenReader : public testing::TestWithParam<const FormDescription*> {
protected:
    static void SetUpTestSuite() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        Form::PrepareWindowing();
    }
    static void TearDownTestSuite() { CoUninitialize(); }
};

TEST_P(ScreenReader, EveryControlIsNamedByItsCaptionAndHasTheRoleItLooksLike) {
    const FormDescription& form = *GetParam();
    Win32Dialogs dialogs;
    const Form window(form, dialogs);
    for (size_t index = 0; index < form.controls.size(); ++index) {
        const ControlDescription& description = form.controls[index];
        const std::string name(description.name.begin(), description.name.end());
        const HWND control =
            e2e::ControlWithId(window.Window(), kFirstControlId + static_cast<int>(index));
        ASSERT_NE(control, nullptr) << name;
        const Accessible answer = Ask(control);
        EXPECT_EQ(answer.name, WithoutAccessKeyMark(description.caption)) << name;
        EXPECT_EQ(answer.role, ExpectedRole(description.kind)) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, ScreenReader,
                         testing::Values(&forms::frmMain, &forms::win98, &forms::nt),
                         [](const auto& param) {
                             return std::string(param.param->name.begin(), param.param->name.end());
                         });

} // namespace
} // namespace penderlin::platform
