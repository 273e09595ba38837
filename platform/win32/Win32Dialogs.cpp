#include "Win32Dialogs.h"

#include "Check.h"
#include "InputBoxResource.h"
#include "platform/FormHost.h"

namespace penderlin::platform {

void Win32Dialogs::ShowMessage(HWND owner, std::wstring_view text) {
    MessageBoxW(owner, std::wstring(text).c_str(),
                std::wstring(ApplicationTitle).c_str(), MB_OK);
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

} // namespace

std::wstring Win32Dialogs::InputBox(HWND owner, std::wstring_view prompt) {
    InputBoxState state{std::wstring(prompt), {}};
    [[maybe_unused]] const INT_PTR result =
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_INPUT_BOX),
                        owner, InputBoxProc, reinterpret_cast<LPARAM>(&state));
    PENDERLIN_REQUIRE(result != -1, "the input box's dialog template is not in the program");
    return state.answer;
}

} // namespace penderlin::platform
