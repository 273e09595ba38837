// The family windows' buttons, clicked through the handlers their descriptions name, against
// the stand-in registry.
#include "forms/MainWindow.h"
#include "forms/NtWindow.h"
#include "forms/Win98Window.h"
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
constexpr std::wstring_view k98Key = L"Software\\Microsoft\\Windows\\CurrentVersion";

void SetValues(std::wstring_view key, std::wstring_view suffix) {
    for (const auto* name :
         {L"RegisteredOwner", L"RegisteredOrganization", L"ProductKey", L"ProductId"}) {
        WriteStringValue(kRoot, key, name, std::wstring(name) + std::wstring(suffix));
    }
}

class FamilyWindows : public ::testing::Test {
protected:
    void SetUp() override { registry_standin::Reset(); }
    ScriptedHost host;
};

TEST_F(FamilyWindows, Win98ChecksReadThe98Key) {
    SetValues(k98Key, L" 98");
    SetValues(L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", L" NT");
    for (const auto* button : {L"cmdGetString", L"Command1", L"Command8", L"Command5"}) {
        EXPECT_TRUE(host.Click(forms::win98, button));
    }
    EXPECT_EQ(host.messages,
              (std::vector<std::wstring>{L"RegisteredOwner 98", L"RegisteredOrganization 98",
                                         L"ProductKey 98", L"ProductId 98"}));
}

TEST_F(FamilyWindows, Win98ReplacementsAskTheirPromptAndWriteThe98Key) {
    host.answers = {L"Owner", L"Organization", L"Key", L"Id"};
    for (const auto* button : {L"Command7", L"Command2", L"Command4", L"Command6"}) {
        EXPECT_TRUE(host.Click(forms::win98, button));
    }
    EXPECT_EQ(host.prompts, (std::vector<std::wstring>{
                                L"Windows Registered User:", L"Windows Registered Company:",
                                L"Windows Product Key:", L"Windows Product ID:"}));
    EXPECT_EQ(ReadStringValue(kRoot, k98Key, L"RegisteredOwner"), L"Owner");
    EXPECT_EQ(ReadStringValue(kRoot, k98Key, L"RegisteredOrganization"), L"Organization");
    EXPECT_EQ(ReadStringValue(kRoot, k98Key, L"ProductKey"), L"Key");
    EXPECT_EQ(ReadStringValue(kRoot, k98Key, L"ProductId"), L"Id");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(FamilyWindows, NtProductIdGoesToThreeKeysAndCdKeyIsUnsupported) {
    host.answers = {L"Id"};
    EXPECT_TRUE(host.Click(forms::nt, L"Command6"));
    for (const auto* key : {L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                            L"SOFTWARE\\Microsoft\\Internet Explorer\\Registration",
                            L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion"}) {
        EXPECT_EQ(ReadStringValue(kRoot, key, L"ProductId"), L"Id") << key;
    }
    EXPECT_TRUE(host.Click(forms::nt, L"Command8"));
    EXPECT_TRUE(host.Click(forms::nt, L"Command4"));
    EXPECT_EQ(host.messages,
              (std::vector<std::wstring>(2, L"This Function not supported at this time")));
    EXPECT_EQ(host.prompts, (std::vector<std::wstring>{L"Windows Product ID:"}));
}

TEST_F(FamilyWindows, CloseUnloadsAndTheMainWindowOpensEachFamilyWindowModally) {
    EXPECT_TRUE(host.Click(forms::win98, L"close"));
    EXPECT_TRUE(host.Click(forms::nt, L"close"));
    EXPECT_TRUE(host.unloaded);

    EXPECT_TRUE(host.Click(forms::frmMain, L"Command10"));
    EXPECT_TRUE(host.Click(forms::frmMain, L"Command9"));
    EXPECT_EQ(host.shownForms, (std::vector<std::wstring_view>{L"win98", L"nt"}));
    EXPECT_FALSE(host.ended);
    EXPECT_TRUE(host.Click(forms::frmMain, L"Command3"));
    EXPECT_TRUE(host.ended);
}

} // namespace
} // namespace penderlin
