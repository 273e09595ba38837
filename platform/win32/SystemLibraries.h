#pragma once

#include <windows.h>

#include <commctrl.h>
#include <roapi.h>
#include <uxtheme.h>
#include <winstring.h>

// The one place where the program loads a DLL, so that there is one place to audit. For an
// administrator the program runs elevated, and people start it from wherever they unpacked it,
// most often a Downloads folder where a browser may have saved any file: nothing may ever be
// loaded from the program's own folder. penderlin.exe imports only Windows' KnownDLLs, which
// Windows maps from System32 whatever lies beside the program; every other DLL it uses comes from
// System32 through here, its functions found by name and typed by the SDK's own declarations.
namespace penderlin::platform {

// The program's first act: System32 becomes the only folder DLLs are looked for in, images from
// remote shares and low-integrity files are refused, and the DLLs that Windows' own DLLs load by
// name as the first window is made are loaded from System32, so that such a load finds them
// loaded. False when the search could not be restricted: the program must then end without
// showing a window.
bool LoadOnlyFromSystem32();

// The same for the DLLs that Windows' own DLLs load by name only for a service the program uses
// later, loaded just before it first uses it, so that the window is there sooner: before the
// first message box or input box, and before the first answer to a screen reader.
void LoadForDialogs();
void LoadForScreenReaders();

// Common Controls: version 6, as the manifest asks, which Windows redirects the name to.
struct CommonControls {
    decltype(&::InitCommonControlsEx) InitCommonControlsEx;
};

// The visual styles, for the controls the program draws itself.
struct VisualStyles {
    decltype(&::OpenThemeData) OpenThemeData;
    decltype(&::CloseThemeData) CloseThemeData;
    decltype(&::DrawThemeBackground) DrawThemeBackground;
    decltype(&::DrawThemeParentBackground) DrawThemeParentBackground;
    decltype(&::GetThemeColor) GetThemeColor;
    decltype(&::IsThemeBackgroundPartiallyTransparent) IsThemeBackgroundPartiallyTransparent;
};

// Windows Runtime, for the one class the program asks about (UISettings).
struct WindowsRuntime {
    decltype(&::RoInitialize) RoInitialize;
    decltype(&::RoUninitialize) RoUninitialize;
    decltype(&::RoActivateInstance) RoActivateInstance;
    decltype(&::WindowsCreateStringReference) WindowsCreateStringReference;
};

// Each DLL is loaded on first use and kept; nullptr where Windows lacks it or any of its
// functions.
const CommonControls* LoadCommonControls();
const VisualStyles* LoadVisualStyles();
const WindowsRuntime* LoadWindowsRuntime();

} // namespace penderlin::platform
