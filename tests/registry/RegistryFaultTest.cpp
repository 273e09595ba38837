// Faults that only the stand-in can stage on demand: refused access, a value that changes
// between the two queries of a read, and the count of handles left open.
#include "registry/Registry.h"
#include "registry/RegistryApi.h"

#include <gtest/gtest.h>

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

    // Stores text with its NUL as another program would.
    static void StoreText(const wchar_t* name, const std::wstring& text) {
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, kKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &key, nullptr);
        RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
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
    for (int i = 0; i < 10000; ++i) {
        const std::wstring text = std::to_wstring(i);
        WriteStringValue(kRoot, kKey, L"ProductId", text);
        ASSERT_EQ(ReadStringValue(kRoot, kKey, L"ProductId"), text);
        ReadStringValue(kRoot, kKey, L"Missing");
        ReadStringValue(kRoot, L"Software\\Missing\\Key", L"ProductId");
        WriteStringValue(kRoot, L"Software\\Locked\\Key", L"ProductId", text);
        ReadStringValue(kRoot, L"Software\\Locked\\Key", L"ProductId");
    }
    EXPECT_EQ(registry_standin::OpenHandleCount(), 0u);
}

} // namespace
