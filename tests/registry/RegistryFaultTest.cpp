// Faults that only the stand-in can stage on demand: refused access (in either view), a value
// that changes between the two queries of a read, and the count of handles left open.
#include "registry/Registry.h"
#include "registry/RegistryApi.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using penderlin::Registry::ReadStringValue;
using penderlin::Registry::RootKey;
using penderlin::Registry::WriteStringValue;
using registry_standin::Access;

constexpr auto kRoot = RootKey::LocalMachine;
const std::wstring kKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\";

class RegistryFaults : public testing::Test {
protected:
    void SetUp() override { registry_standin::Reset(); }

    // Stores text with its NUL as another program would; view 0 is the native view,
    // KEY_WOW64_32KEY the 32-bit one.
    static void StoreText(const wchar_t* name, const std::wstring& text, REGSAM view = 0) {
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, kKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE | view, nullptr, &key, nullptr);
        RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }

    // The text of a value in the 32-bit view, read without the module.
    static std::optional<std::wstring> Read32(const wchar_t* name) {
        HKEY key = nullptr;
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKey.c_str(), 0, KEY_WOW64_32KEY | KEY_QUERY_VALUE, &key);
        std::wstring text(1024, L'\0');
        DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        const LONG result = RegQueryValueExW(key, name, nullptr, nullptr,
                                             reinterpret_cast<BYTE*>(text.data()), &size);
        RegCloseKey(key);
        if (result != ERROR_SUCCESS) {
            return std::nullopt;
        }
        text.resize(size / sizeof(wchar_t));
        return text.substr(0, text.find(L'\0'));
    }
};

TEST_F(RegistryFaults, RefusedWritesLeaveTheRegistryAsItWas) {
    WriteStringValue(kRoot, kKey, L"RegisteredOwner", L"Before");
    registry_standin::SetAccess(L"Software\\Microsoft\\Windows", Access::ReadOnly);

    WriteStringValue(kRoot, kKey, L"RegisteredOwner", L"After");
    WriteStringValue(kRoot, kKey + L"New\\Deeper", L"RegisteredOwner", L"After");

    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"RegisteredOwner"), L"Before");
    EXPECT_EQ(ReadStringValue(kRoot, kKey + L"New\\Deeper", L"RegisteredOwner"), std::nullopt);
    EXPECT_EQ(registry_standin::OpenHandleCount(), 0u);
}

TEST_F(RegistryFaults, AKeyThatRefusesOpeningReadsAsNoValue) {
    WriteStringValue(kRoot, kKey, L"RegisteredOwner", L"Hidden");
    registry_standin::SetAccess(L"Software\\Microsoft", Access::None);

    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"RegisteredOwner"), std::nullopt);
    EXPECT_EQ(registry_standin::OpenHandleCount(), 0u);
}

TEST_F(RegistryFaults, AValueChangedBetweenTheTwoQueries) {
    StoreText(L"RegisteredOwner", L"a long owner name");
    registry_standin::BeforeNextDataQuery([] { StoreText(L"RegisteredOwner", L"short"); });
    // Never padded with the spaces of the first size.
    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"RegisteredOwner"), L"short");

    registry_standin::BeforeNextDataQuery(
        [] { StoreText(L"RegisteredOwner", L"a much longer owner name"); });
    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"RegisteredOwner"), std::nullopt);
    EXPECT_EQ(registry_standin::OpenHandleCount(), 0u);
}

TEST_F(RegistryFaults, NoHandleOutlivesAnyOperation) {
    registry_standin::SetAccess(L"Software\\Locked", Access::None);
    StoreText(L"ProductId", L"32-bit copy", KEY_WOW64_32KEY);
    for (int i = 0; i < 10000; ++i) {
        const std::wstring text = std::to_wstring(i);
        WriteStringValue(kRoot, kKey, L"ProductId", text);
        ASSERT_EQ(ReadStringValue(kRoot, kKey, L"ProductId"), text);
        ReadStringValue(kRoot, kKey, L"Missing");
        ReadStringValue(kRoot, L"Software\\Missing\\Key", L"ProductId");
        WriteStringValue(kRoot, L"Software\\Locked\\Key", L"ProductId", text);
        ReadStringValue(kRoot, L"Software\\Locked\\Key", L"ProductId");
    }
    EXPECT_EQ(Read32(L"ProductId"), L"9999");
    EXPECT_EQ(registry_standin::OpenHandleCount(), 0u);
}

TEST_F(RegistryFaults, EachViewIsWrittenWhateverBecameOfTheOther) {
    StoreText(L"RegisteredOwner", L"native before");
    StoreText(L"RegisteredOwner", L"32-bit before", KEY_WOW64_32KEY);

    registry_standin::SetAccess(L"Software\\Microsoft\\Windows", Access::ReadOnly);
    WriteStringValue(kRoot, kKey, L"RegisteredOwner", L"after");
    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"RegisteredOwner"), L"native before");
    EXPECT_EQ(Read32(L"RegisteredOwner"), L"after");

    registry_standin::SetAccess(L"Software\\Microsoft\\Windows", Access::Full);
    registry_standin::SetAccess(L"Software\\Wow6432Node", Access::ReadOnly);
    WriteStringValue(kRoot, kKey, L"RegisteredOwner", L"again");
    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"RegisteredOwner"), L"again");
    EXPECT_EQ(Read32(L"RegisteredOwner"), L"after");
    EXPECT_EQ(registry_standin::OpenHandleCount(), 0u);
}

} // namespace
