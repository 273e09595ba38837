#pragma once

#include "RegistrationField.h"
#include "platform/FormHost.h"

#include <initializer_list>
#include <string_view>

// What a button of a family window does. Each reads the registry anew or writes it at once,
// under HKEY_LOCAL_MACHINE, and reports no failure.
namespace penderlin {

// Shows the field's current text under the key, alone in a message box; empty when it has none.
void CheckAction(platform::Dialogs& dialogs, RegistrationField field, std::wstring_view keyPath);

// Asks for a new text and, unless it is empty (Cancel gives the empty text too), writes it
// exactly as typed under each key in turn. Shows nothing afterwards.
void ReplaceAction(platform::Dialogs& dialogs, std::wstring_view prompt, RegistrationField field,
                   std::initializer_list<std::wstring_view> keyPaths);

// Says that the button's function is not supported.
void UnsupportedAction(platform::Dialogs& dialogs);

} // namespace penderlin
