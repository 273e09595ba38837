#include "TextSize.h"

#include "Handles.h"
#include "SystemLibraries.h"
#include "platform/Scale.h"

#include <inspectable.h>

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

using UniqueKey = UniqueHandle<HKEY, RegCloseKey>;

constexpr wchar_t kUiSettingsClass[] = L"Windows.UI.ViewManagement.UISettings";
constexpr wchar_t kUiSettingsRegistration[] =
    L"Software\\Microsoft\\WindowsRuntime\\ActivatableClassId\\Windows.UI.ViewManagement."
    L"UISettings";

// Whether Windows Runtime knows the class at all: loading and starting it costs a tenth of a
// second where it does not (Wine), and some milliseconds where it does.
bool UiSettingsRegistered() {
    UniqueKey key;
    return RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUiSettingsRegistration, 0, KEY_QUERY_VALUE,
                         key.put()) == ERROR_SUCCESS;
}

// UISettings.TextScaleFactor, the documented way, on the Windows versions that have it (Windows
// 10 1607 and later; not Wine). Windows Runtime is loaded only for this.
std::optional<double> UiSettingsTextScaleFactor() {
    if (!UiSettingsRegistered()) {
        return std::nullopt;
    }
    const WindowsRuntime* runtime = LoadWindowsRuntime();
    if (runtime == nullptr || FAILED(runtime->RoInitialize(RO_INIT_SINGLETHREADED))) {
        return std::nullopt;
    }
    std::optional<double> factor;
    HSTRING_HEADER header{};
    HSTRING className = nullptr;
    UniqueInterface<IInspectable> settings;
    UniqueInterface<UiSettings2> settings2;
    double value = 0;
    if (SUCCEEDED(runtime->WindowsCreateStringReference(
            kUiSettingsClass, static_cast<UINT32>(std::size(kUiSettingsClass) - 1), &header,
            &className)) &&
        SUCCEEDED(runtime->RoActivateInstance(className, settings.put())) &&
        SUCCEEDED(settings.get()->QueryInterface(
            kUiSettings2, reinterpret_cast<void**>(static_cast<UiSettings2**>(settings2.put())))) &&
        SUCCEEDED(settings2.get()->get_TextScaleFactor(&value))) {
        factor = value;
    }
    // Released before Windows Runtime is shut down.
    settings2.reset();
    settings.reset();
    runtime->RoUninitialize();
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
