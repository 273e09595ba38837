// Faults that only the stand-in can stage on demand: refused access, a value that changes
// between the two queries of a read, and the count of handles left open.
#include "registry/Registry.h"
#include "registry/RegistryApi.h"

#include <gtest/gtest.h>

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

    static void StoreRaw(const char* name, const std::string& bytes) {
        HKEY key = nullptr;
        RegCreateKeyA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", &key);
        RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size()));
        RegCloseKey(key);
    }
};

TEST_F(RegistryFaults, RefusedWritesLeaveTheRegistryAsItWas) {
    WriteStringValue(kRoot, kKey, L"RegisteredOwner", L"Before");
    registry_standin::SetAccess("Software\\Microsoft\\Windows", Access::ReadOnly);

    WriteStringValue(kRoot, kKey, L"RegisteredOwner", L"After");
    WriteStringValue(kRoot, kKey + L"New\\Deeper", L"RegisteredOwner", L"After");

    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"RegisteredOwner"), L"Before");
    EXPECT_EQ(ReadStringValue(kRoot, kKey + L"New\\Deeper", L"RegisteredOwner"), std::nullopt);
    EXPECT_EQ(registry_standin::OpenHandleCount(), 0u);
}

TEST_F(RegistryFaults, AKeyThatRefusesOpeningReadsAsNoValue) {
    WriteStringValue(kRoot, kKey, L"RegisteredOwner", L"Hidden");
    registry_standin::SetAccess("Software\\Microsoft", Access::None);

    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"RegisteredOwner"), std::nullopt);
    EXPECT_EQ(registry_standin::OpenHandleCount(), 0u);
}

TEST_F(RegistryFaults, AValueChangedBetweenTheTwoQueries) {
    StoreRaw("RegisteredOwner", "a long owner name");
    registry_standin::BeforeNextDataQuery([] { StoreRaw("RegisteredOwner", "short"); });
    // Never padded with the spaces of the first size.
    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"RegisteredOwner"), L"short");

    registry_standin::BeforeNextDataQuery(
        [] { StoreRaw("RegisteredOwner", "a much longer owner name"); });
    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"RegisteredOwner"), std::nullopt);
    EXPECT_EQ(registry_standin::OpenHandleCount(), 0u);
}

TEST_F(RegistryFaults, NoHandleOutlivesAnyOperation) {
    registry_standin::SetAccess("Software\\Locked", Access::None);
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

TEST_F(RegistryFaults, TextGoesToTheRegistryAsUtf8) {
    const std::wstring text = L"Zo\u00eb \u738b \U0001F600";
    WriteStringValue(kRoot, kKey, L"RegisteredOwner", text);
    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"RegisteredOwner"), text);

    // Bytes that are not UTF-8 come back as replacement characters, never as a crash.
    StoreRaw("Broken", std::string("a\xff\xc3(b\xe2\x82", 7));
    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"Broken"), L"a\uFFFD\uFFFD(b\uFFFD\uFFFD");
}

} // namespace
