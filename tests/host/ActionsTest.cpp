#include "actions/Actions.h"
#include "registry/Registry.h"
#include "registry/RegistryApi.h"
#include "support/ScriptedHost.h"

#include <gtest/gtest.h>

namespace penderlin {
namespace {

using Registry::ReadStringValue;
using Registry::RootKey;
using Registry::WriteStringValue;
using testing::ScriptedHost;

constexpr auto kRoot = RootKey::LocalMachine;
constexpr std::wstring_view kKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\";

class ActionsTest : public ::testing::Test {
protected:
    void SetUp() override { registry_standin::Reset(); }
    ScriptedHost host;
};

TEST_F(ActionsTest, CheckShowsTheTextAloneOrAnEmptyMessage) {
    WriteStringValue(kRoot, kKey, L"RegisteredOwner", L"Jane Doe");
    CheckAction(host, RegistrationField::User, kKey);
    CheckAction(host, RegistrationField::CdKey, kKey); // missing value

    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion", 0, nullptr,
                    REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &key, nullptr);
    const wchar_t expand[] = L"%SystemRoot%";
    RegSetValueExW(key, L"ProductId", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(expand),
                   sizeof expand);
    RegCloseKey(key);
    CheckAction(host, RegistrationField::ProductId, kKey);

    EXPECT_EQ(host.messages, (std::vector<std::wstring>{L"Jane Doe", L"", L""}));
}

TEST_F(ActionsTest, CancelAndAnEmptyFieldWriteNothing) {
    WriteStringValue(kRoot, kKey, L"RegisteredOrganization", L"Before");
    host.answers = {L"", L""};
    ReplaceAction(host, L"Windows Registered Company:", RegistrationField::Company, {kKey});
    ReplaceAction(host, L"Windows Registered Company:", RegistrationField::Company,
                  {L"Software\\New"});

    EXPECT_EQ(ReadStringValue(kRoot, kKey, L"RegisteredOrganization"), L"Before");
    EXPECT_EQ(ReadStringValue(kRoot, L"Software\\New", L"RegisteredOrganization"), std::nullopt);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.prompts.size(), 2u);
}

TEST_F(ActionsTest, ReplaceWritesTheTextAsTypedToEveryKeyInOrderAndShowsNothing) {
    host.answers = {L"  spaced  "};
    ReplaceAction(host, L"Windows Product ID:", RegistrationField::ProductId,
                  {L"Software\\A\\", L"Software\\B\\Created", L"Software\\C"});

    EXPECT_EQ(host.prompts, (std::vector<std::wstring>{L"Windows Product ID:"}));
    for (const auto* path : {L"Software\\A", L"Software\\B\\Created", L"Software\\C"}) {
        EXPECT_EQ(ReadStringValue(kRoot, path, L"ProductId"), L"  spaced  ") << path;
    }
    EXPECT_TRUE(host.messages.empty());

    host.answers = {L" "};
    ReplaceAction(host, L"p", RegistrationField::ProductId, {L"Software\\A"});
    EXPECT_EQ(ReadStringValue(kRoot, L"Software\\A", L"ProductId"), L" ");
}

TEST_F(ActionsTest, ARefusedWriteDoesNotStopTheOthers) {
    registry_standin::SetAccess(L"Software\\B", registry_standin::Access::ReadOnly);
    host.answers = {L"12345"};
    ReplaceAction(host, L"p", RegistrationField::ProductId,
                  {L"Software\\A", L"Software\\B", L"Software\\C"});

    EXPECT_EQ(ReadStringValue(kRoot, L"Software\\A", L"ProductId"), L"12345");
    EXPECT_EQ(ReadStringValue(kRoot, L"Software\\B", L"ProductId"), std::nullopt);
    EXPECT_EQ(ReadStringValue(kRoot, L"Software\\C", L"ProductId"), L"12345");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ActionsTest, UnsupportedSaysSo) {
    UnsupportedAction(host);
    EXPECT_EQ(host.messages,
              (std::vector<std::wstring>{L"This Function not supported at this time"}));
}

} // namespace
} // namespace penderlin
