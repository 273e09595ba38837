#include "Registry.h"

#include "AnsiText.h"
#include "RegistryApi.h"

#include <cstdint>

namespace penderlin::Registry {

namespace {

int openKeys = 0;

// Owns one open registry key and closes it when the operation returns, whatever the path out.
class UniqueKey {
public:
    UniqueKey() = default;
    UniqueKey(const UniqueKey&) = delete;
    UniqueKey& operator=(const UniqueKey&) = delete;
    ~UniqueKey() {
        if (key_ != nullptr) {
            RegCloseKey(key_);
            --openKeys;
        }
    }

    HKEY get() const { return key_; }

    // Opens or creates the key through `open`, which writes the new handle to the place given;
    // that place holds NULL beforehand and keeps it when the key cannot be had.
    template <typename OpenFunction> void Open(OpenFunction open, HKEY root, const char* path) {
        open(root, path, &key_);
        if (key_ != nullptr) {
            ++openKeys;
        }
    }

private:
    HKEY key_ = nullptr;
};

// Predefined keys are sign-extended 32-bit values, as Windows' own HKEY_* macros make them.
HKEY ToHandle(RootKey root) {
    const auto value = static_cast<std::int32_t>(static_cast<std::uint32_t>(root));
    return reinterpret_cast<HKEY>(static_cast<std::intptr_t>(value));
}

} // namespace

std::optional<std::wstring> ReadStringValue(RootKey root, std::wstring_view keyPath,
                                            std::wstring_view valueName) {
    const std::string path = ToAnsi(keyPath);
    const std::string name = ToAnsi(valueName);

    // A key that cannot be opened leaves the handle NULL, and the queries below then fail.
    UniqueKey key;
    key.Open(RegOpenKeyA, ToHandle(root), path.c_str());

    DWORD type = 0;
    DWORD size = 0;
    RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size);
    if (type != REG_SZ) {
        return std::nullopt;
    }

    std::string data(size, ' ');
    DWORD ignoredType = 0;
    DWORD received = size;
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &ignoredType,
                         reinterpret_cast<BYTE*>(data.data()), &received) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    // The value may have shrunk since the first query: keep only the bytes really returned.
    data.resize(received);

    // REG_SZ data written by other tools may lack the NUL, or hold one in the middle.
    std::wstring text = FromAnsi(data);
    if (const auto nul = text.find(L'\0'); nul != std::wstring::npos) {
        text.resize(nul);
    }
    return text;
}

void WriteStringValue(RootKey root, std::wstring_view keyPath, std::wstring_view valueName,
                      std::wstring_view text) {
    const std::string path = ToAnsi(keyPath);
    const std::string name = ToAnsi(valueName);
    const std::string data = ToAnsi(text);

    UniqueKey key;
    key.Open(RegCreateKeyA, ToHandle(root), path.c_str());
    // REG_SZ data carry their terminating NUL; the length is in bytes, so a multi-byte code
    // page cannot cut the text short.
    RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
}

int OpenKeyCount() {
    return openKeys;
}

} // namespace penderlin::Registry
