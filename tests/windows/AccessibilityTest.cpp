// What a screen reader finds in each window, asked through oleacc as MSAA screen readers (NVDA,
// JAWS) ask: every control is in the tree under its window's accessible object, the credits inside
// the "Program Info" frame included, named by its caption without the "&"; and each control is of
// the kind Windows reads its role from.
#include "Driver.h"
#include "forms/MainWindow.h"
#include "forms/NtWindow.h"
#include "forms/Win98Window.h"
#include "platform/win32/Form.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/WindowClasses.h"

#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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

using UniqueAccessible = UniqueInterface<IAccessible>;

UniqueAccessible ClientObject(HWND window) {
    UniqueAccessible object;
    AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                               reinterpret_cast<void**>(static_cast<IAccessible**>(object.put())));
    return object;
}

std::wstring NameOf(IAccessible& object) {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::wstring text;
    if (SUCCEEDED(object.get_accName(self, &name)) && name != nullptr) {
        text = name;
        SysFreeString(name);
    }
    return text;
}

// The window an accessible child stands for; nullptr for a child that is no window.
HWND WindowOf(VARIANT& child) {
    HWND window = nullptr;
    if (child.vt == VT_DISPATCH && child.pdispVal != nullptr) {
        UniqueInterface<IOleWindow> ole;
        child.pdispVal->QueryInterface(
            __uuidof(IOleWindow), reinterpret_cast<void**>(static_cast<IOleWindow**>(ole.put())));
        if (ole) {
            ole.get()->GetWindow(&window);
        }
    }
    VariantClear(&child);
    return window;
}

struct Found {
    HWND window;
    std::wstring name;
    bool operator==(const Found&) const = default;
};

// Walks the tree as a screen reader does: the children of a window's client object are the
// objects of its child windows, and each of those has the next level under its own client object.
void Walk(HWND window, std::vector<Found>& found) {
    const UniqueAccessible object = ClientObject(window);
    ASSERT_TRUE(object);
    long count = 0;
    ASSERT_TRUE(SUCCEEDED(object.get()->get_accChildCount(&count)));
    std::vector<VARIANT> children(static_cast<size_t>(count));
    long got = 0;
    AccessibleChildren(object.get(), 0, count, children.data(), &got);
    ASSERT_EQ(got, count);
    for (VARIANT& child : children) {
        const HWND childWindow = WindowOf(child);
        ASSERT_NE(childWindow, nullptr);
        const UniqueAccessible childObject = ClientObject(childWindow);
        ASSERT_TRUE(childObject);
        found.push_back({childWindow, NameOf(*childObject.get())});
        Walk(childWindow, found);
    }
}

// The deepest window a screen reader following the pointer finds at this point of the screen.
HWND PointedAt(HWND window, POINT point) {
    for (;;) {
        const UniqueAccessible object = ClientObject(window);
        VARIANT hit{};
        if (!object || FAILED(object.get()->accHitTest(point.x, point.y, &hit))) {
            return nullptr;
        }
        const HWND child = WindowOf(hit);
        if (child == nullptr || child == window) {
            return window;
        }
        window = child;
    }
}

class ScreenReader : public testing::TestWithParam<const FormDescription*> {
protected:
    static void SetUpTestSuite() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        Form::PrepareWindowing();
    }
    static void TearDownTestSuite() { CoUninitialize(); }

    HWND ControlAt(size_t index) const {
        return e2e::ControlWithId(window.Window(), kFirstControlId + static_cast<int>(index));
    }

    Win32Dialogs dialogs;
    ProgramWindows windows{dialogs};
    const Form window{*GetParam(), windows};
};

TEST_P(ScreenReader, FindsEveryControlUnderItsWindowNamedByItsCaptionAndByPointingAtIt) {
    std::vector<Found> found;
    Walk(window.Window(), found);
    std::vector<Found> expected;
    for (size_t index = 0; index < GetParam()->controls.size(); ++index) {
        expected.push_back(
            {ControlAt(index), WithoutAccessKeyMark(GetParam()->controls[index].caption)});
    }
    const auto byWindow = [](const Found& a, const Found& b) { return a.window < b.window; };
    std::sort(found.begin(), found.end(), byWindow);
    std::sort(expected.begin(), expected.end(), byWindow);
    EXPECT_EQ(found, expected);

    // Pointing at what a frame holds finds it too.
    ShowWindow(window.Window(), SW_SHOWNOACTIVATE);
    for (size_t index = 0; index < GetParam()->controls.size(); ++index) {
        if (!GetParam()->controls[index].container.empty()) {
            RECT rect{};
            GetWindowRect(ControlAt(index), &rect);
            const POINT middle{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
            EXPECT_EQ(PointedAt(window.Window(), middle), ControlAt(index));
        }
    }
}

// Wine's oleacc gives every window the role of a client area; Windows' reads a standard control's
// role from its class and style, and a window of its own class from what the program annotates.
TEST_P(ScreenReader, EachControlIsOfTheKindWindowsReadsItsRoleFrom) {
    for (size_t index = 0; index < GetParam()->controls.size(); ++index) {
        const ControlDescription& description = GetParam()->controls[index];
        const std::string name(description.name.begin(), description.name.end());
        const HWND control = ControlAt(index);
        wchar_t className[32]{};
        RealGetWindowClassW(control, className, 32);
        const auto type = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
        // A window answering this names the standard control it stands for.
        const LRESULT standardClass =
            SendMessageW(control, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_QUERYCLASSNAMEIDX));
        switch (description.kind) {
        case ControlKind::Button:
            EXPECT_STREQ(className, L"Button") << name;
            EXPECT_EQ(type, BS_PUSHBUTTON) << name;
            break;
        case ControlKind::PictureButton:
            EXPECT_STREQ(className, L"Button") << name;
            EXPECT_EQ(type, BS_OWNERDRAW) << name;
            break;
        case ControlKind::Label:
            EXPECT_STREQ(className, L"Static") << name;
            break;
        case ControlKind::Frame:
            // Not a group box, whose accessible object has no children on Windows.
            EXPECT_STREQ(className, kFrameClassName) << name;
            EXPECT_EQ(standardClass, 0) << name;
            break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, ScreenReader,
                         testing::Values(&forms::frmMain, &forms::win98, &forms::nt),
                         [](const auto& param) {
                             return std::string(param.param->name.begin(), param.param->name.end());
                         });

} // namespace
} // namespace penderlin::platform
