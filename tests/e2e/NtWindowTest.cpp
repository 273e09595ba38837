#include "Fixtures.h"
#include "assets/ResourceIds.h"

namespace penderlin::e2e {
namespace {

const std::wstring kNtKey = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
const std::wstring k98Key = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const std::wstring kIeKey = L"SOFTWARE\\Microsoft\\Internet Explorer\\Registration";
constexpr wchar_t kCaption[] = L"Windows 2000/ NT 4.0 Version";

// The buttons in tab order, from the bottom row up, and the labels.
constexpr ExpectedControl kTabOrder[] = {
    {L"Replace Product ID", 3600, 4080, 1215, 975},
    {L"Check Current Product ID", 2160, 4080, 1215, 975},
    {L"Replace CD-Key", 3600, 2880, 1215, 975},
    {L"Check Current CD-Key", 2160, 2880, 1215, 975},
    {L"Replace Company", 3600, 1680, 1215, 975},
    {L"Check Current Company", 2160, 1680, 1215, 975},
    {L"Replace User", 3600, 480, 1215, 975},
    {L"Check Current User", 2160, 480, 1215, 975},
    {L"&Close", 3960, 5280, 855, 375},
};
constexpr ExpectedControl kLabels[] = {
    {L"Windows User:", 120, 960, 4455, 255},      {L"Windows Company:", 120, 2160, 4455, 255},
    {L"CD-Key:", 120, 3360, 4455, 255},           {L"Product ID:", 120, 4560, 4455, 255},
    {L"not supported yet", 240, 3600, 1455, 255},
};

class NtWindow : public FamilyWindowTest {
protected:
    NtWindow() : FamilyWindowTest(L"Click here for Windows 2000/NT", kCaption) {}

    void ArrangeRegistry() override {
        for (const auto& key : {kNtKey, k98Key}) {
            WriteText(key, L"RegisteredOwner", L"Owner of " + key);
            WriteText(key, L"RegisteredOrganization", L"Organization of " + key);
            WriteText(key, L"ProductId", L"Id of " + key);
            WriteText(key, L"ProductKey", L"Key of " + key);
        }
        DeleteKey(kIeKey);
    }

    // Every value this window could touch, as raw bytes.
    static std::vector<std::optional<RawValue>> Snapshot() {
        std::vector<std::optional<RawValue>> values;
        for (const auto& key : {kNtKey, k98Key, kIeKey}) {
            for (const auto* name :
                 {L"RegisteredOwner", L"RegisteredOrganization", L"ProductId", L"ProductKey"}) {
                values.push_back(ReadRaw(key, name));
            }
        }
        return values;
    }
};

TEST_F(NtWindow, HasTheDesignedSizeControlsAndTabOrder) {
    ExpectClientSize(window, 4935, 5715);
    ExpectControlsAt(window, kTabOrder);
    ExpectControlsAt(window, kLabels);
    ExpectTabOrder(window, kTabOrder);
}

TEST_F(NtWindow, ThePaperCoversTheWholeClientArea) {
    const PictureCoverage coverage =
        ExpectPictureInPlace(window, IDB_PAPER, GetSysColor(COLOR_BTNFACE));
    EXPECT_GT(coverage.picture, 0);
    EXPECT_EQ(coverage.background, 0);
}

TEST_F(NtWindow, EnterAtStartReplacesTheProductIdUnderAllThreeKeys) {
    PressKey(VK_RETURN);
    const auto input = WaitForDialog();
    ASSERT_TRUE(input && input->IsInputBox());
    EXPECT_EQ(input->prompt, L"Windows Product ID:");
    TypeText(L"76487-OEM-0011903-00102");
    ASSERT_TRUE(Dismiss(*input));

    for (const auto& key : {k98Key, kIeKey, kNtKey}) {
        EXPECT_EQ(ReadText(key, L"ProductId"), L"76487-OEM-0011903-00102") << key.c_str();
    }
    const Dialog check = Open(L"Check Current Product ID");
    EXPECT_EQ(check.text, L"76487-OEM-0011903-00102");
    Dismiss(check);
}

TEST_F(NtWindow, ChecksReadTheNtKey) {
    for (const auto& [button, text] : {std::pair{L"Check Current User", L"Owner of "},
                                       std::pair{L"Check Current Company", L"Organization of "},
                                       std::pair{L"Check Current Product ID", L"Id of "}}) {
        const Dialog dialog = Open(button);
        EXPECT_EQ(dialog.text, text + kNtKey) << button;
        Dismiss(dialog);
    }
}

TEST_F(NtWindow, CancelledReplacementsAndCdKeyButtonsTouchNothing) {
    const auto before = Snapshot();
    for (const auto* button : {L"Replace Product ID", L"Replace User", L"Replace Company"}) {
        const Dialog input = Open(button);
        TypeText(L"never written");
        Dismiss(input, false);
    }
    for (const auto* button : {L"Check Current CD-Key", L"Replace CD-Key"}) {
        const Dialog message = Open(button);
        EXPECT_FALSE(message.IsInputBox());
        EXPECT_EQ(message.text, L"This Function not supported at this time") << button;
        Dismiss(message);
    }
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(NtWindow, ReplaceUserAndCompanyWriteTheNtKeyOnly) {
    Dialog input = Open(L"Replace User");
    EXPECT_EQ(input.prompt, L"Windows User:");
    TypeText(L"New Owner");
    Dismiss(input);
    input = Open(L"Replace Company");
    EXPECT_EQ(input.prompt, L"Windows Company:");
    TypeText(L"New Company");
    Dismiss(input);

    EXPECT_EQ(ReadText(kNtKey, L"RegisteredOwner"), L"New Owner");
    EXPECT_EQ(ReadText(kNtKey, L"RegisteredOrganization"), L"New Company");
    EXPECT_EQ(ReadText(k98Key, L"RegisteredOwner"), L"Owner of " + k98Key);
    EXPECT_EQ(ReadText(k98Key, L"RegisteredOrganization"), L"Organization of " + k98Key);
}

} // namespace
} // namespace penderlin::e2e
