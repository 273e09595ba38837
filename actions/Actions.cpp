#include "Actions.h"

#include "registry/Registry.h"

namespace penderlin {

using Registry::RootKey;

void CheckAction(platform::Dialogs& dialogs, RegistrationField field, std::wstring_view keyPath) {
    const auto text = Registry::ReadStringValue(RootKey::LocalMachine, keyPath, ValueName(field));
    dialogs.ShowMessage(text.value_or(L""));
}

void ReplaceAction(platform::Dialogs& dialogs, std::wstring_view prompt, RegistrationField field,
                   std::initializer_list<std::wstring_view> keyPaths) {
    const std::wstring text = dialogs.InputBox(prompt);
    if (text.empty()) {
        return;
    }
    // Each write is tried whatever became of the ones before it.
    for (const std::wstring_view keyPath : keyPaths) {
        Registry::WriteStringValue(RootKey::LocalMachine, keyPath, ValueName(field), text);
    }
}

void UnsupportedAction(platform::Dialogs& dialogs) {
    dialogs.ShowMessage(L"This Function not supported at this time");
}

} // namespace penderlin
