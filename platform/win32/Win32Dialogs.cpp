#include "Win32Dialogs.h"

#include "InputBoxResource.h"
#include "ProgramResource.h"
#include "SystemLibraries.h"
#include "TextSize.h"
#include "platform/FormHost.h"

#include <cstring>
#include <vector>

namespace penderlin::platform {

void Win32Dialogs::ShowMessage(HWND owner, std::wstring_view text) {
    LoadForDialogs();
    MessageBoxW(owner, std::wstring(text).c_str(), std::wstring(ApplicationTitle).c_str(), MB_OK);
}

namespace {

struct InputBoxState {
    std::wstring prompt;
    std::wstring answer;
};

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        state = reinterpret_cast<InputBoxState*>(lParam);
        SetWindowTextW(dialog, std::wstring(ApplicationTitle).c_str());
        SetDlgItemTextW(dialog, IDC_INPUT_PROMPT, state->prompt.c_str());
        // The edit control's own limit (30,000 characters) would cut long texts.
        SendDlgItemMessageW(dialog, IDC_INPUT_TEXT, EM_SETLIMITTEXT, 0, 0);
        SetFocus(GetDlgItem(dialog, IDC_INPUT_TEXT));
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            const HWND field = GetDlgItem(dialog, IDC_INPUT_TEXT);
            state->answer.resize(static_cast<size_t>(GetWindowTextLengthW(field)) + 1);
            const int length =
                GetWindowTextW(field, state->answer.data(), static_cast<int>(state->answer.size()));
            state->answer.resize(static_cast<size_t>(length));
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    default:
        break;
    }
    return FALSE;
}

// The input box's template with its font grown by the user's text size: the box is laid out in
// dialog units, which follow the font, so all of it grows with the text.
std::vector<WORD> InputBoxTemplate(int textPercent) {
    const auto resource = ProgramResource(IDD_INPUT_BOX, RT_DIALOG);
    std::vector<WORD> dialog((resource.size() + 1) / sizeof(WORD));
    std::memcpy(dialog.data(), resource.data(), resource.size());
    if (dialog.empty()) {
        return dialog;
    }
    // A DLGTEMPLATEEX: 13 words of fixed fields, then its menu, class and title, each an ordinal
    // (0xFFFF and a number) or a string ending in a NUL, then its font's size in points.
    size_t at = 13;
    for (int field = 0; field < 3; ++field) {
        if (dialog[at] == 0xFFFF) {
            at += 2;
        } else {
            while (dialog[at++] != 0) {
            }
        }
    }
    dialog[at] = static_cast<WORD>((dialog[at] * textPercent + 50) / 100);
    return dialog;
}

} // namespace

std::wstring Win32Dialogs::InputBox(HWND owner, std::wstring_view prompt) {
    LoadForDialogs();
    InputBoxState state{std::wstring(prompt), {}};
    const std::vector<WORD> dialog = InputBoxTemplate(CurrentTextPercent());
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                            reinterpret_cast<const DLGTEMPLATE*>(dialog.data()), owner,
                            InputBoxProc, reinterpret_cast<LPARAM>(&state));
    return state.answer;
}

} // namespace penderlin::platform
