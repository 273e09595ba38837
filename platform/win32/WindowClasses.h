#pragma once

// The window classes of the program's own windows and the IDs of their controls, for the tests
// that look for them too.
namespace penderlin::platform {

inline constexpr wchar_t kFormClassName[] = L"PenderlinForm";
inline constexpr wchar_t kFrameClassName[] = L"PenderlinFrame";
// A control's ID is this plus its index in the window's description: well above IDOK and
// IDCANCEL, which Enter and Esc arrive as.
inline constexpr int kFirstControlId = 100;

} // namespace penderlin::platform
