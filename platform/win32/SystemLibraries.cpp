#include "SystemLibraries.h"

#include <optional>
#include <span>

namespace penderlin::platform {

namespace {

HMODULE LoadFromSystem32(const wchar_t* name) {
    return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

// The DLLs that Windows' own DLLs load by name while the program runs, none of them a KnownDLL:
// those a running penderlin.exe has loaded once every window and box has been shown, on Windows
// 10 and 11 and under Wine, and those Microsoft's documentation names for the services it uses.
// Loaded here first, from System32, a later load of the name finds the module already loaded,
// whatever search path the DLL that asks for it uses. A DLL loaded from System32 takes what it
// imports from there too, but not what it loads later by a search of its own (Wine's visual
// styles load msimg32.dll so). A name that this Windows lacks costs a failed look in System32.
// Those the first window needs, loaded before it is made:
constexpr const wchar_t* kLoadedByNameAtStart[] = {
    L"uxtheme.dll",            // visual styles: user32, Common Controls
    L"dwmapi.dll",             // the window manager: user32, the visual styles
    L"msimg32.dll",            // transparent and alpha blits: Wine's visual styles
    L"textinputframework.dll", // text input (msctf, for every window with the focus)
    L"coremessaging.dll",      //   and what it builds on
    L"coreuicomponents.dll",   //
    L"kernel.appcore.dll",     // the application model: combase
    L"ntmarta.dll",            // access checks: advapi32
    L"cryptbase.dll",          // random numbers: advapi32, rpcrt4
    L"version.dll",            // file versions: the loader's compatibility shims
};
// Those that Windows' DLLs load only for later services, loaded just before the program first
// uses one (they would cost a tenth of the start-up under Wine):
constexpr const wchar_t* kLoadedByNameForDialogs[] = {
    L"winmm.dll",         // multimedia: the sounds of the message box
    L"windowscodecs.dll", // imaging: the dialogs' icons and images
};
constexpr const wchar_t* kLoadedByNameForScreenReaders[] = {
    L"oleacc.dll",   // accessibility: what screen readers are told
    L"oleaccrc.dll", //   and its texts, which oleacc loads by name
};
constexpr const wchar_t* kLoadedByNameForWindowsRuntime[] = {
    L"wintypes.dll", // Windows Runtime's types, for UISettings
};

void LoadAllFromSystem32(std::span<const wchar_t* const> names) {
    for (const wchar_t* name : names) {
        LoadFromSystem32(name);
    }
}

// The DLLs of the list, loaded the first time they are asked for.
template <const auto& Names> void LoadOnce() {
    [[maybe_unused]] static const bool loaded = (LoadAllFromSystem32(Names), true);
}

// A DLL loaded once, on first use, with the functions the program takes from it.
template <typename Functions, typename Resolve>
const Functions* Loaded(const wchar_t* name, const Resolve& resolve) {
    static const std::optional<Functions> functions = [&]() -> std::optional<Functions> {
        Functions found{};
        const HMODULE module = LoadFromSystem32(name);
        if (module == nullptr || !resolve(module, found)) {
            return std::nullopt;
        }
        return found;
    }();
    return functions ? &*functions : nullptr;
}

// Finds one function, typed as the SDK declares it.
template <typename Function> bool Find(HMODULE module, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return function != nullptr;
}

} // namespace

bool LoadOnlyFromSystem32() {
    if (!SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        return false;
    }
    // Not the extension-point policy: it would keep out input methods and screen readers' hooks.
    PROCESS_MITIGATION_IMAGE_LOAD_POLICY images{};
    images.NoRemoteImages = 1;
    images.NoLowMandatoryLabelImages = 1;
    SetProcessMitigationPolicy(ProcessImageLoadPolicy, &images, sizeof(images));
    LoadAllFromSystem32(kLoadedByNameAtStart);
    return true;
}

void LoadForDialogs() {
    LoadOnce<kLoadedByNameForDialogs>();
}

void LoadForScreenReaders() {
    LoadOnce<kLoadedByNameForScreenReaders>();
}

const CommonControls* LoadCommonControls() {
    return Loaded<CommonControls>(L"comctl32.dll", [](HMODULE module, CommonControls& f) {
        return Find(module, "InitCommonControlsEx", f.InitCommonControlsEx);
    });
}

const VisualStyles* LoadVisualStyles() {
    return Loaded<VisualStyles>(L"uxtheme.dll", [](HMODULE module, VisualStyles& f) {
        return Find(module, "OpenThemeData", f.OpenThemeData) &&
               Find(module, "CloseThemeData", f.CloseThemeData) &&
               Find(module, "DrawThemeBackground", f.DrawThemeBackground) &&
               Find(module, "DrawThemeParentBackground", f.DrawThemeParentBackground) &&
               Find(module, "GetThemeColor", f.GetThemeColor) &&
               Find(module, "IsThemeBackgroundPartiallyTransparent",
                    f.IsThemeBackgroundPartiallyTransparent);
    });
}

const WindowsRuntime* LoadWindowsRuntime() {
    LoadOnce<kLoadedByNameForWindowsRuntime>();
    return Loaded<WindowsRuntime>(L"combase.dll", [](HMODULE module, WindowsRuntime& f) {
        return Find(module, "RoInitialize", f.RoInitialize) &&
               Find(module, "RoUninitialize", f.RoUninitialize) &&
               Find(module, "RoActivateInstance", f.RoActivateInstance) &&
               Find(module, "WindowsCreateStringReference", f.WindowsCreateStringReference);
    });
}

} // namespace penderlin::platform
