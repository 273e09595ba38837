// One contract for the registry module, run against Wine's real registry in the Windows build
// and against the in-memory stand-in on the host. Where they disagree, the stand-in is wrong.
// It only ever works inside a scratch key of its own and that key's 32-bit copy, never on the
// registration values.
#include "UnusualTexts.h"
#include "registry/Registry.h"
#include "registry/RegistryApi.h"

#include <gtest/gtest.h>

#include <cstring>
#include <cwctype>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace {

using namespace std::literals;
using penderlin::Registry::ReadStringValue;
using penderlin::Registry::RootKey;
using penderlin::Registry::WriteStringValue;

constexpr auto kRoot = RootKey::LocalMachine;

// Two programs run this contract side by side in one Wine prefix, so each works in a key named
// after its process; the stand-in's registry is its process's own.
std::wstring ScratchName() {
#ifdef _WIN32
    return L"PenderlinRegistryContractTest" + std::to_wstring(GetCurrentProcessId());
#else
    return L"PenderlinRegistryContractTest";
#endif
}

const std::wstring kScratch = L"Software\\" + ScratchName();
// Where 64-bit Windows keeps the scratch key's copy for 32-bit programs.
const std::wstring kScratch32 = L"Software\\Wow6432Node\\" + ScratchName();
const std::wstring kKey = kScratch + L"\\Values";

// The same path in other letters: upper case but for one word in lower case, and a backslash at
// its end.
std::wstring InOtherCase(const std::wstring& path) {
    std::wstring spelled;
    for (const wchar_t c : path) {
        spelled += static_cast<wchar_t>(std::towupper(c));
    }
    const auto word = spelled.find(L"PENDERLIN");
    for (size_t i = word; i < word + 9; ++i) {
        spelled[i] = static_cast<wchar_t>(std::towlower(spelled[i]));
    }
    return spelled + L"\\";
}

// A value's type and raw bytes.
using Raw = std::pair<DWORD, std::string>;

// The bytes that hold these characters in REG_SZ data.
std::string Bytes(std::wstring_view text) {
    std::string bytes(text.size() * sizeof(wchar_t), '\0');
    std::memcpy(bytes.data(), text.data(), bytes.size());
    return bytes;
}

class RegistryContract : public testing::Test {
protected:
    void SetUp() override { TearDown(); }
    void TearDown() override {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kScratch.c_str());
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kScratch32.c_str());
    }

    // Stores raw bytes under a key as another program would, bypassing the module; view 0 is
    // the native view, KEY_WOW64_32KEY the 32-bit one.
    static void StoreRaw(const std::wstring& name, DWORD type, const std::string& bytes,
                         REGSAM view = 0, const std::wstring& path = kKey) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr,
                                  REG_OPTION_NON_VOLATILE, KEY_SET_VALUE | view, nullptr, &key,
                                  nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExW(key, name.c_str(), 0, type,
                                 reinterpret_cast<const BYTE*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    // The type and raw bytes stored under a key, read without the module; nothing when the key
    // or the value is missing.
    static std::optional<Raw> LoadRaw(const std::wstring& name, REGSAM view = 0,
                                      const std::wstring& path = kKey) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE | view, &key) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        DWORD type = 0;
        DWORD size = 0;
        LONG result = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
        std::string bytes(size, '\0');
        if (result == ERROR_SUCCESS) {
            result = RegQueryValueExW(key, name.c_str(), nullptr, &type,
                                      reinterpret_cast<BYTE*>(bytes.data()), &size);
        }
        RegCloseKey(key);
        bytes.resize(size);
        return result == ERROR_SUCCESS ? std::optional(Raw{type, bytes}) : std::nullopt;
    }

    static bool KeyExists(const std::wstring& path, REGSAM view) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE | view, &key) !=
            ERROR_SUCCESS) {
            return false;
        }
        RegCloseKey(key);
        return true;
    }
};

TEST_F(RegistryContract, WrittenTextReadsBackExactlyAndIsStoredWithItsNul) {
    WriteStringValue(kRoot, kKey, L"Owner", L"  Jane Q. Public  ");
    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"Owner"), L"  Jane Q. Public  ");
    EXPECT_EQ(LoadRaw(L"Owner"), (Raw{REG_SZ, Bytes(L"  Jane Q. Public  \0"sv)}));

    WriteStringValue(kRoot, kKey, L"Owner", L"x");
    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"Owner"), L"x");
}

TEST_F(RegistryContract, ReadKeepsWholeCharactersAndCutsThemAtTheFirstNul) {
    StoreRaw(L"WithNul", REG_SZ, Bytes(L"abc\0"sv));
    StoreRaw(L"WithoutNul", REG_SZ, Bytes(L"abc"));
    StoreRaw(L"NulInside", REG_SZ, Bytes(L"ab\0cd\0"sv));
    StoreRaw(L"NulFirst", REG_SZ, Bytes(L"\0abc"sv));
    StoreRaw(L"Empty", REG_SZ, "");
    // Other tools may store a byte count that is no whole number of characters.
    StoreRaw(L"OddWithoutNul", REG_SZ, Bytes(L"abc") + "d");
    StoreRaw(L"OddWithNul", REG_SZ, Bytes(L"abc\0"sv) + "d");
    StoreRaw(L"OneByte", REG_SZ, "d");

    for (const auto& [name, text] :
         {std::pair{L"WithNul", L"abc"}, std::pair{L"WithoutNul", L"abc"},
          std::pair{L"NulInside", L"ab"}, std::pair{L"NulFirst", L""},
          // An empty value is an empty text, not "no value".
          std::pair{L"Empty", L""}, std::pair{L"OddWithoutNul", L"abc"},
          std::pair{L"OddWithNul", L"abc"}, std::pair{L"OneByte", L""}}) {
        EXPECT_EQ(ReadStringValue(kRoot, kKey, name), text) << name;
    }
}

TEST_F(RegistryContract, OnlyStringValuesAreRead) {
    StoreRaw(L"Expand", REG_EXPAND_SZ, Bytes(L"%WINDIR%\0"sv));
    StoreRaw(L"Multi", REG_MULTI_SZ, Bytes(L"a\0b\0\0"sv));
    StoreRaw(L"Binary", REG_BINARY, "abc");
    StoreRaw(L"Number", REG_DWORD, "\x01\0\0\0"s);

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

    StoreRaw(L"Binary", REG_BINARY, "\x01\x02");
    WriteStringValue(kRoot, kKey, L"Binary", L"text");
    EXPECT_EQ(LoadRaw(L"Binary"), (Raw{REG_SZ, Bytes(L"text\0"sv)}));
}

TEST_F(RegistryContract, PathsWithAndWithoutTrailingBackslashAndAnyCaseNameOneKey) {
    WriteStringValue(kRoot, kKey + L"\\", L"Company", L"Oskavel");
    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"Company"), L"Oskavel");

    WriteStringValue(kRoot, kKey, L"Company", L"Second");
    EXPECT_EQ(ReadStringValue(kRoot, kKey + L"\\", L"Company"), L"Second");
    EXPECT_EQ(ReadStringValue(kRoot, InOtherCase(kKey), L"COMPANY"), L"Second");
}

TEST_F(RegistryContract, TextsOfAnyScriptAndLengthRoundTripUnconverted) {
    for (const std::wstring& text : kUnusualTexts) {
        WriteStringValue(kRoot, kKey, L"Owner", text);
        EXPECT_EQ(ReadStringValue(kRoot, kKey, L"Owner"), text);
        // The registry holds the program's own characters, so other programs read them too.
        EXPECT_EQ(LoadRaw(L"Owner"), (Raw{REG_SZ, Bytes(text + L'\0')}));
    }

    std::wstring text;
    for (int i = 0; text.size() < 64 * 1024; ++i) {
        text += L"Penderlin \u738b " + std::to_wstring(i) + L"; ";
    }
    WriteStringValue(kRoot, kKey, L"Long", text);
    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"Long"), text);
}

TEST_F(RegistryContract, AnExisting32BitCopyGetsTheSameTextAndReadsIgnoreIt) {
    StoreRaw(L"Owner", REG_SZ, Bytes(L"32-bit owner\0"sv), KEY_WOW64_32KEY);
    StoreRaw(L"Number", REG_DWORD, "\x01\0\0\0"s, KEY_WOW64_32KEY);
    // The two views hold separate values.
    EXPECT_EQ(LoadRaw(L"Owner"), std::nullopt);

    WriteStringValue(kRoot, kKey, L"Owner", kUnusualTexts[0]);
    EXPECT_EQ(LoadRaw(L"Owner"), (Raw{REG_SZ, Bytes(kUnusualTexts[0] + L'\0')}));
    EXPECT_EQ(LoadRaw(L"Owner", KEY_WOW64_32KEY), LoadRaw(L"Owner"));

    // Whatever the path's spelling, and whatever the copy's type.
    WriteStringValue(kRoot, InOtherCase(kKey), L"NUMBER", L"7");
    EXPECT_EQ(LoadRaw(L"Number", KEY_WOW64_32KEY), (Raw{REG_SZ, Bytes(L"7\0"sv)}));

    StoreRaw(L"Owner", REG_SZ, Bytes(L"changed by a 32-bit program\0"sv), KEY_WOW64_32KEY);
    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"Owner"), kUnusualTexts[0]);
}

TEST_F(RegistryContract, NothingIsCreatedInThe32BitView) {
    StoreRaw(L"Owner", REG_SZ, Bytes(L"32-bit owner\0"sv), KEY_WOW64_32KEY);

    WriteStringValue(kRoot, kKey, L"Company", L"Oskavel");
    WriteStringValue(kRoot, kKey + L"\\Deeper", L"Owner", L"Jane");

    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"Company"), L"Oskavel");
    EXPECT_EQ(ReadStringValue(kRoot, kKey + L"\\Deeper", L"Owner"), L"Jane");
    EXPECT_EQ(LoadRaw(L"Company", KEY_WOW64_32KEY), std::nullopt);
    EXPECT_FALSE(KeyExists(kKey + L"\\Deeper", KEY_WOW64_32KEY));
    EXPECT_EQ(LoadRaw(L"Owner", KEY_WOW64_32KEY), (Raw{REG_SZ, Bytes(L"32-bit owner\0"sv)}));
}

} // namespace
