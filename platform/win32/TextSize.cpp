#include "TextSize.h"

#include "Handles.h"
#include "platform/Scale.h"

#include <inspectable.h>
#include <roapi.h>
#include <winstring.h>

#include <cstdint>
#include <iterator>
#include <optional>

namespace penderlin::platform {

namespace {

// Windows.UI.ViewManagement.IUISettings2, which mingw-w64 declares nowhere: IInspectable's six
// methods, then get_TextScaleFactor.
constexpr GUID kUiSettings2 = {
    0xbad82401, 0x2721, 0x44f9, {0xbb, 0x91, 0x2b, 0xb2, 0x28, 0xbe, 0x44, 0x2f}};
struct UiSettings2 : IInspectable {
    virtual HRESULT STDMETHODCALLTYPE get_TextScaleFactor(double* value) = 0;
};

using UniqueLibrary = UniqueHandle<HMODULE, FreeLibrary>;

template <typename Function> Function Find(const UniqueLibrary& library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library.get(), name)));
}

// UISettings.TextScaleFactor, the documented way, on the Windows versions that have it (Windows
// 10 1607 and later; not Wine). Windows Runtime is loaded only for this, from System32.
std::optional<double> UiSettingsTextScaleFactor() {
    const UniqueLibrary combase(
        LoadLibraryExW(L"combase.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (!combase) {
        return std::nullopt;
    }
    const auto initialize = Find<decltype(&RoInitialize)>(combase, "RoInitialize");
    const auto uninitialize = Find<decltype(&RoUninitialize)>(combase, "RoUninitialize");
    const auto activate = Find<decltype(&RoActivateInstance)>(combase, "RoActivateInstance");
    const auto makeString =
        Find<decltype(&WindowsCreateStringReference)>(combase, "WindowsCreateStringReference");
    if (initialize == nullptr || uninitialize == nullptr || activate == nullptr ||
        makeString == nullptr || FAILED(initialize(RO_INIT_SINGLETHREADED))) {
        return std::nullopt;
    }
    std::optional<double> factor;
    constexpr wchar_t kClass[] = L"Windows.UI.ViewManagement.UISettings";
    HSTRING_HEADER header{};
    HSTRING className = nullptr;
    IInspectable* settings = nullptr;
    if (SUCCEEDED(
            makeString(kClass, static_cast<UINT32>(std::size(kClass) - 1), &header, &className)) &&
        SUCCEEDED(activate(className, &settings))) {
        UiSettings2* settings2 = nullptr;
        double value = 0;
        if (SUCCEEDED(
                settings->QueryInterface(kUiSettings2, reinterpret_cast<void**>(&settings2)))) {
            if (SUCCEEDED(settings2->get_TextScaleFactor(&value))) {
                factor = value;
            }
            settings2->Release();
        }
        settings->Release();
    }
    uninitialize();
    return factor;
}

// What Windows stores of the text size, for Windows (and Wine) without UISettings.
std::optional<std::uint32_t> StoredTextPercent() {
    DWORD percent = 0;
    DWORD size = sizeof(percent);
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Accessibility", L"TextScaleFactor",
                     RRF_RT_REG_DWORD, nullptr, &percent, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return percent;
}

} // namespace

int CurrentTextPercent() {
    if (const auto factor = UiSettingsTextScaleFactor()) {
        return TextPercent(factor, std::nullopt);
    }
    return TextPercent(std::nullopt, StoredTextPercent());
}

} // namespace penderlin::platform
