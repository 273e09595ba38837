// One contract for the registry module, run against Wine's real registry in the Windows build
// and against the in-memory stand-in on the host. Where they disagree, the stand-in is wrong.
// It only ever works inside a scratch key of its own, never on the registration values.
#include "registry/Registry.h"
#include "registry/RegistryApi.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using penderlin::Registry::ReadStringValue;
using penderlin::Registry::RootKey;
using penderlin::Registry::WriteStringValue;

constexpr auto kRoot = RootKey::LocalMachine;
constexpr char kScratch[] = "Software\\PenderlinRegistryContractTest";
const std::wstring kKey = L"Software\\PenderlinRegistryContractTest\\Values";

class RegistryContract : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_LOCAL_MACHINE, kScratch); }
    void TearDown() override { RegDeleteTreeA(HKEY_LOCAL_MACHINE, kScratch); }

    // Stores raw bytes as another program would, bypassing the module.
    static void StoreRaw(const std::string& name, DWORD type, const std::string& bytes) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyA(HKEY_LOCAL_MACHINE,
                                "Software\\PenderlinRegistryContractTest\\Values", &key),
                  ERROR_SUCCESS);
        // Copy to a buffer with a non-NUL byte after the data, so nothing past it can be read.
        std::string buffer = bytes + "X";
        ASSERT_EQ(RegSetValueExA(key, name.c_str(), 0, type,
                                 reinterpret_cast<const BYTE*>(buffer.data()),
                                 static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    // The type and raw bytes stored under the scratch key, read without the module.
    static std::pair<DWORD, std::string> LoadRaw(const std::string& name) {
        HKEY key = nullptr;
        RegOpenKeyA(HKEY_LOCAL_MACHINE, "Software\\PenderlinRegistryContractTest\\Values", &key);
        DWORD type = 0;
        DWORD size = 0;
        RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
        std::string bytes(size, '\0');
        RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()),
                         &size);
        RegCloseKey(key);
        bytes.resize(size);
        return {type, bytes};
    }
};

TEST_F(RegistryContract, WrittenTextReadsBackExactlyAndIsStoredWithItsNul) {
    WriteStringValue(kRoot, kKey, L"Owner", L"  Jane Q. Public  ");
    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"Owner"), L"  Jane Q. Public  ");
    EXPECT_EQ(LoadRaw("Owner"),
              (std::pair<DWORD, std::string>{REG_SZ, std::string("  Jane Q. Public  \0", 19)}));

    WriteStringValue(kRoot, kKey, L"Owner", L"x");
    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"Owner"), L"x");
}

TEST_F(RegistryContract, ReadCutsTheDataAtTheFirstNul) {
    StoreRaw("WithNul", REG_SZ, std::string("abc\0", 4));
    StoreRaw("WithoutNul", REG_SZ, "abc");
    StoreRaw("NulInside", REG_SZ, std::string("ab\0cd\0", 6));
    StoreRaw("NulFirst", REG_SZ, std::string("\0abc", 4));
    StoreRaw("Empty", REG_SZ, "");

    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"WithNul"), L"abc");
    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"WithoutNul"), L"abc");
    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"NulInside"), L"ab");
    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"NulFirst"), L"");
    // An empty value is an empty text, not "no value".
    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"Empty"), L"");
}

TEST_F(RegistryContract, OnlyStringValuesAreRead) {
    StoreRaw("Expand", REG_EXPAND_SZ, std::string("%WINDIR%\0", 9));
    StoreRaw("Multi", REG_MULTI_SZ, std::string("a\0b\0\0", 5));
    StoreRaw("Binary", REG_BINARY, "abc");
    StoreRaw("Number", REG_DWORD, std::string("\x01\0\0\0", 4));

    for (const wchar_t* name : {L"Expand", L"Multi", L"Binary", L"Number", L"Missing"}) {
        EXPECT_EQ(ReadStringValue(kRoot, kKey, name), std::nullopt) << name;
    }
    EXPECT_EQ(ReadStringValue(kRoot, kKey + L"\\NoSuchKey", L"Owner"), std::nullopt);
    EXPECT_EQ(ReadStringValue(kRoot, L"Software\\NoSuchPenderlinKey\\Deeper", L"Owner"),
              std::nullopt);
}

TEST_F(RegistryContract, WriteCreatesMissingKeysAndReplacesOtherTypes) {
    const std::wstring deep = kKey + L"\\One\\Two\\Three";
    WriteStringValue(kRoot, deep, L"Id", L"12345-OEM");
    EXPECT_EQ(ReadStringValue(kRoot, deep, L"Id"), L"12345-OEM");

    StoreRaw("Binary", REG_BINARY, "\x01\x02");
    WriteStringValue(kRoot, kKey, L"Binary", L"text");
    EXPECT_EQ(LoadRaw("Binary"), (std::pair<DWORD, std::string>{REG_SZ, std::string("text\0", 5)}));
}

TEST_F(RegistryContract, PathsWithAndWithoutTrailingBackslashAndAnyCaseNameOneKey) {
    WriteStringValue(kRoot, kKey + L"\\", L"Company", L"Oskavel");
    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"Company"), L"Oskavel");

    WriteStringValue(kRoot, kKey, L"Company", L"Second");
    EXPECT_EQ(ReadStringValue(kRoot, kKey + L"\\", L"Company"), L"Second");
    EXPECT_EQ(
        ReadStringValue(kRoot, L"SOFTWARE\\penderlinregistrycontracttest\\VALUES\\", L"COMPANY"),
        L"Second");
}

TEST_F(RegistryContract, NonAsciiAndLongTextsRoundTrip) {
    const std::wstring accented = L"Zo\u00eb \u738b M\u00fcller-\u00c5str\u00f6m";
    WriteStringValue(kRoot, kKey, L"Latin", accented);
    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"Latin"), accented);

    std::wstring text;
    for (int i = 0; text.size() < 64 * 1024; ++i) {
        text += L"Penderlin " + std::to_wstring(i) + L"; ";
    }
    WriteStringValue(kRoot, kKey, L"Long", text);
    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"Long"), text);
}

} // namespace
