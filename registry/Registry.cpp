#include "Registry.h"

#include "RegistryApi.h"
#include "platform/UniqueHandle.h"

#include <cstdint>

namespace penderlin::Registry {

namespace {

// Closes the key when the operation returns, whatever the path out.
using UniqueKey = platform::UniqueHandle<HKEY, RegCloseKey>;

// Predefined keys are sign-extended 32-bit values, as Windows' own HKEY_* macros make them.
HKEY ToHandle(RootKey root) {
    const auto value = static_cast<std::int32_t>(static_cast<std::uint32_t>(root));
    return reinterpret_cast<HKEY>(static_cast<std::intptr_t>(value));
}

// REG_SZ data carry their terminating NUL, and the length is in bytes.
void SetString(HKEY key, const std::wstring& name, const std::wstring& text) {
    RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

} // namespace

std::optional<std::wstring> ReadStringValue(RootKey root, std::wstring_view keyPath,
                                            std::wstring_view valueName) {
    const std::wstring path(keyPath);
    const std::wstring name(valueName);

    // A key that cannot be opened leaves the handle NULL, and the queries below then fail.
    UniqueKey key;
    RegOpenKeyExW(ToHandle(root), path.c_str(), 0, KEY_QUERY_VALUE, key.put());

    DWORD type = 0;
    DWORD size = 0;
    RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, nullptr, &size);
    if (type != REG_SZ) {
        return std::nullopt;
    }

    // Room for every byte of the size, which other tools may have made odd.
    std::wstring text((size + sizeof(wchar_t) - 1) / sizeof(wchar_t), L' ');
    DWORD ignoredType = 0;
    DWORD received = size;
    if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &ignoredType,
                         reinterpret_cast<BYTE*>(text.data()), &received) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    // The value may have shrunk since the first query: keep only the bytes really returned, and
    // of them only whole characters.
    text.resize(received / sizeof(wchar_t));

    // REG_SZ data written by other tools may lack the NUL, or hold one in the middle.
    if (const auto nul = text.find(L'\0'); nul != std::wstring::npos) {
        text.resize(nul);
    }
    return text;
}

void WriteStringValue(RootKey root, std::wstring_view keyPath, std::wstring_view valueName,
                      std::wstring_view text) {
    const std::wstring path(keyPath);
    const std::wstring name(valueName);
    const std::wstring data(text);
    {
        UniqueKey key;
        RegCreateKeyExW(ToHandle(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, key.put(), nullptr);
        SetString(key.get(), name, data);
    }

    // 32-bit programs on 64-bit Windows read their own copy of a redirected key. Where that copy
    // holds the value, it gets the same text; a missing key or value stays missing. A key that
    // both views share simply gets the same text twice.
    UniqueKey copy;
    RegOpenKeyExW(ToHandle(root), path.c_str(), 0,
                  KEY_WOW64_32KEY | KEY_QUERY_VALUE | KEY_SET_VALUE, copy.put());
    if (RegQueryValueExW(copy.get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
        ERROR_SUCCESS) {
        SetString(copy.get(), name, data);
    }
}

int OpenKeyCount() {
    return UniqueKey::LiveCount();
}

} // namespace penderlin::Registry
