#include "Fixtures.h"
#include "assets/ResourceIds.h"

#include <gtest/gtest.h>

namespace penderlin::e2e {
namespace {

const std::wstring kKey = L"Software\\Microsoft\\Windows\\CurrentVersion";
constexpr wchar_t kCaption[] = L"Windows 98/95 Version";

// The buttons in tab order, and the row labels, as the window's design places them.
constexpr ExpectedControl kTabOrder[] = {
    {L"Check Current User", 2040, 840, 1215, 975},
    {L"Replace User", 3480, 840, 1215, 975},
    {L"Check Current Company", 2040, 2040, 1215, 975},
    {L"Replace Company", 3480, 2040, 1215, 975},
    {L"Check Current CD-Key", 2040, 3240, 1215, 975},
    {L"Replace CD-Key", 3480, 3240, 1215, 975},
    {L"Check Current Product ID", 2040, 4440, 1215, 975},
    {L"Replace Product ID", 3480, 4440, 1215, 975},
    {L"&Close", 3840, 5640, 855, 375},
};
constexpr ExpectedControl kLabels[] = {
    {L"Windows User:", 0, 1320, 4455, 255},
    {L"Windows Company:", 0, 2520, 4455, 255},
    {L"CD-Key:", 120, 3720, 4455, 255},
    {L"Product ID:", 120, 4920, 4455, 255},
};

class Win98Window : public FamilyWindowTest {
protected:
    Win98Window() : FamilyWindowTest(L"Click here for Win98/95", kCaption) {}

    void ArrangeRegistry() override {
        WriteText(kKey, L"RegisteredOwner", L"Jane Doe");
        WriteText(kKey, L"RegisteredOrganization", L"Oskavel");
        DeleteValue(kKey, L"ProductKey");
        // Stored by other software without its NUL.
        WriteRaw(kKey, L"ProductId", REG_SZ, L"55274-640", 9 * sizeof(wchar_t));
    }
};

TEST_F(Win98Window, HasTheDesignedSizeControlsAndTabOrder) {
    ExpectClientSize(window, 4845, 6135);
    ExpectControlsAt(window, kTabOrder);
    ExpectControlsAt(window, kLabels);
    ExpectTabOrder(window, kTabOrder);
}

TEST_F(Win98Window, TheBannerStandsAtTheTopLeftAndIsCutAtTheRightEdge) {
    const PictureCoverage coverage =
        ExpectPictureInPlace(window, IDB_BANNER98, RGB(0, 0, 192), RGB(255, 0, 255));
    EXPECT_GT(coverage.picture, 0);
    EXPECT_GT(coverage.background, 0);
}

TEST_F(Win98Window, ChecksShowTheValueAloneInAMessageBox) {
    // Enter clicks the focused button, "Check Current User".
    PressKey(VK_RETURN);
    auto dialog = WaitForDialog();
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(dialog->IsInputBox());
    EXPECT_EQ(dialog->text, L"Jane Doe");
    // Owned by the window whose button was clicked, so that it stays in front of it.
    EXPECT_EQ(dialog->owner, window);
    // The focus comes back to the same button once the box is dismissed, so Space repeats it.
    ASSERT_TRUE(Dismiss(*dialog));
    PressKey(VK_SPACE);
    dialog = WaitForDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->text, L"Jane Doe");
    ASSERT_TRUE(Dismiss(*dialog));

    ClickAt(Button(L"Check Current Company"));
    dialog = WaitForDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->text, L"Oskavel");
    ASSERT_TRUE(Dismiss(*dialog));

    // A missing value, a value stored without its NUL, and a value of another type.
    const BYTE binary[] = {'a', 'b', 0};
    WriteRaw(kKey, L"RegisteredOrganization", REG_BINARY, binary, sizeof binary);
    for (const auto& [button, text] : {std::pair{L"Check Current CD-Key", L""},
                                       std::pair{L"Check Current Product ID", L"55274-640"},
                                       std::pair{L"Check Current Company", L""}}) {
        dialog = Open(button);
        EXPECT_EQ(dialog->text, text) << button;
        ASSERT_TRUE(Dismiss(*dialog));
    }
}

TEST_F(Win98Window, ReplaceStoresExactlyWhatWasTyped) {
    const Dialog input = Open(L"Replace User");
    ASSERT_TRUE(input.IsInputBox());
    EXPECT_EQ(input.owner, window);
    EXPECT_EQ(input.prompt, L"Windows Registered User:");
    EXPECT_EQ(TextOf(input.field), L"");
    EXPECT_EQ(FocusIn(input.window), input.field);

    TypeText(L"Zo\u00eb \u738b");
    EXPECT_EQ(TextOf(input.field), L"Zo\u00eb \u738b");
    ASSERT_TRUE(Dismiss(input));
    EXPECT_EQ(ReadText(kKey, L"RegisteredOwner"), L"Zo\u00eb \u738b");
    EXPECT_EQ(ReadRaw(kKey, L"RegisteredOwner")->type, static_cast<DWORD>(REG_SZ));

    const Dialog message = Open(L"Check Current User");
    EXPECT_EQ(message.text, L"Zo\u00eb \u738b");
    Dismiss(message);

    const Dialog key = Open(L"Replace CD-Key");
    EXPECT_EQ(key.prompt, L"Windows Product Key:");
    TypeText(L"  ABCDE-12345  ");
    Dismiss(key);
    EXPECT_EQ(ReadText(kKey, L"ProductKey"), L"  ABCDE-12345  ");
}

TEST_F(Win98Window, CancelAndAnEmptyOkLeaveTheRegistryUntouched) {
    const auto before = ReadRaw(kKey, L"RegisteredOrganization");

    Dialog input = Open(L"Replace Company");
    EXPECT_EQ(input.prompt, L"Windows Registered Company:");
    TypeText(L"Never written");
    ASSERT_TRUE(Dismiss(input, false));

    input = Open(L"Replace Company");
    ASSERT_TRUE(Dismiss(input, true));

    input = Open(L"Replace Company");
    TypeText(L"Never written");
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntilGone(L"Penderlin"));

    EXPECT_EQ(ReadRaw(kKey, L"RegisteredOrganization"), before);
    EXPECT_EQ(FindWindowW(L"#32770", L"Penderlin"), nullptr); // nothing shown afterwards
}

TEST_F(Win98Window, ResizingMovesNothingAndTheCloseBoxUnloads) {
    const HWND close = Button(L"&Close");
    const RECT before = RectInParent(close);
    RECT frame{};
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + 200,
                 frame.bottom - frame.top + 150, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(WaitUntilHandledSoFar(window));
    const RECT after = RectInParent(close);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_EQ(ClientSize(window).cx,
              TwipsToPixels(4845, static_cast<int>(GetDpiForWindow(window))) + 200);

    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ExpectBackAtMain();
}

} // namespace
} // namespace penderlin::e2e
