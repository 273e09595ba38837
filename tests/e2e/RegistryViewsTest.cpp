// The two registry views of 64-bit Windows, end to end: a replacement also updates the copy
// that 32-bit programs read, where that copy already holds the value, and checks show the native
// value. Wine's 64-bit prefix has no 32-bit copies of these keys, so each test makes them, and
// removes what it made afterwards. Like every test here it refuses to run outside Wine.
#include "Fixtures.h"

#include <string>
#include <vector>

namespace penderlin::e2e {
namespace {

const std::wstring k98Key = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const std::wstring kNtKey = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
const std::wstring kIeKey = L"SOFTWARE\\Microsoft\\Internet Explorer\\Registration";
constexpr const wchar_t* kNames[] = {L"RegisteredOwner", L"RegisteredOrganization", L"ProductId"};

// Where a 64-bit program finds the 32-bit copy of a key under SOFTWARE.
std::wstring CopyOf(const std::wstring& key) {
    return L"SOFTWARE\\Wow6432Node" + key.substr(std::wstring(L"SOFTWARE").size());
}

bool KeyExists(const std::wstring& key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(handle);
    return true;
}

// The first key along the path that does not exist yet: deleting it removes all that a write
// to the path created.
std::optional<std::wstring> FirstMissingKey(const std::wstring& path) {
    for (size_t end = path.find(L'\\');; end = path.find(L'\\', end + 1)) {
        const std::wstring key = path.substr(0, end);
        if (!KeyExists(key)) {
            return key;
        }
        if (end == std::wstring::npos) {
            return std::nullopt;
        }
    }
}

// Both views of the three keys, each of the two Windows keys with a 32-bit copy that holds an
// owner of its own and no company; only the NT key's copy holds a product ID.
class RegistryViews : public FamilyWindowTest {
protected:
    using FamilyWindowTest::FamilyWindowTest;

    void ArrangeRegistry() override {
        for (const auto& key : {k98Key, kNtKey, kIeKey}) {
            for (const auto& path : {key, CopyOf(key)}) {
                if (const auto missing = FirstMissingKey(path)) {
                    made_.push_back(*missing);
                }
                for (const auto* name : kNames) {
                    saved_.push_back({path, name, ReadRaw(path, name)});
                }
            }
        }
        ieCopyExisted_ = KeyExists(CopyOf(kIeKey));
        for (const auto& key : {k98Key, kNtKey}) {
            WriteText(key, L"RegisteredOwner", L"native owner");
            WriteText(CopyOf(key), L"RegisteredOwner", L"32-bit owner");
            DeleteValue(CopyOf(key), L"RegisteredOrganization");
            DeleteValue(CopyOf(key), L"ProductId");
        }
        WriteText(CopyOf(kNtKey), L"ProductId", L"32-bit id");
    }

    void TearDown() override {
        for (const Saved& saved : saved_) {
            if (saved.value) {
                WriteRaw(saved.key, saved.name, saved.value->type, saved.value->bytes.data(),
                         static_cast<DWORD>(saved.value->bytes.size()));
            } else {
                DeleteValue(saved.key, saved.name);
            }
        }
        for (const auto& key : made_) {
            DeleteKey(key);
        }
    }

    // Types the text into the input box that the button opens, presses OK, and waits until the
    // program has done every write of the click.
    void Replace(const wchar_t* button, const std::wstring& text) const {
        const Dialog input = Open(button);
        ASSERT_TRUE(input.IsInputBox()) << button;
        TypeText(text);
        ASSERT_TRUE(Dismiss(input));
    }

    std::wstring Check(const wchar_t* button) const {
        const Dialog message = Open(button);
        Dismiss(message);
        return message.text;
    }

    bool ieCopyExisted_ = false;

private:
    struct Saved {
        std::wstring key;
        std::wstring name;
        std::optional<RawValue> value;
    };
    std::vector<Saved> saved_;
    std::vector<std::wstring> made_;
};

class Win98Views : public RegistryViews {
protected:
    Win98Views() : RegistryViews(L"Click here for Win98/95", L"Windows 98/95 Version") {}
};

class NtViews : public RegistryViews {
protected:
    NtViews() : RegistryViews(L"Click here for Windows 2000/NT", L"Windows 2000/ NT 4.0 Version") {}
};

TEST_F(Win98Views, ReplaceUserUpdatesThe32BitOwnerAndReplaceCompanyCreatesNothingThere) {
    EXPECT_EQ(Check(L"Check Current User"), L"native owner");

    const std::wstring owner = L"\u0141ukasz \u738b \U0001F600";
    Replace(L"Replace User", owner);
    EXPECT_EQ(ReadText(k98Key, L"RegisteredOwner"), owner);
    EXPECT_EQ(ReadText(CopyOf(k98Key), L"RegisteredOwner"), owner);
    EXPECT_EQ(Check(L"Check Current User"), owner);

    Replace(L"Replace Company", L"\u05e9\u05dc\u05d5\u05dd Oskavel");
    EXPECT_EQ(ReadText(k98Key, L"RegisteredOrganization"), L"\u05e9\u05dc\u05d5\u05dd Oskavel");
    EXPECT_EQ(ReadRaw(CopyOf(k98Key), L"RegisteredOrganization"), std::nullopt);

    // The NT key's copy is no business of this window.
    EXPECT_EQ(ReadText(CopyOf(kNtKey), L"RegisteredOwner"), L"32-bit owner");
}

TEST_F(Win98Views, CheckShowsTheNativeValueWhateverThe32BitCopyHolds) {
    WriteText(CopyOf(k98Key), L"RegisteredOwner", L"changed by a 32-bit program");
    EXPECT_EQ(Check(L"Check Current User"), L"native owner");
}

TEST_F(NtViews, ReplaceUserUpdatesBothViewsAndChecksShowTheNativeOne) {
    EXPECT_EQ(Check(L"Check Current User"), L"native owner");

    Replace(L"Replace User", L"New Owner \u738b");
    EXPECT_EQ(ReadText(kNtKey, L"RegisteredOwner"), L"New Owner \u738b");
    EXPECT_EQ(ReadText(CopyOf(kNtKey), L"RegisteredOwner"), L"New Owner \u738b");
    EXPECT_EQ(ReadText(CopyOf(k98Key), L"RegisteredOwner"), L"32-bit owner");
    EXPECT_EQ(Check(L"Check Current User"), L"New Owner \u738b");
}

TEST_F(NtViews, ReplaceProductIdUpdatesOnlyTheCopiesThatHoldIt) {
    Replace(L"Replace Product ID", L"76487-OEM-0011903-00102");

    for (const auto& key : {k98Key, kIeKey, kNtKey}) {
        EXPECT_EQ(ReadText(key, L"ProductId"), L"76487-OEM-0011903-00102") << key.c_str();
    }
    EXPECT_EQ(ReadText(CopyOf(kNtKey), L"ProductId"), L"76487-OEM-0011903-00102");
    EXPECT_EQ(ReadRaw(CopyOf(k98Key), L"ProductId"), std::nullopt);
    EXPECT_EQ(KeyExists(CopyOf(kIeKey)), ieCopyExisted_);
}

} // namespace
} // namespace penderlin::e2e
