#pragma once

// The window classes of the program's own windows, for the tests that look for them too.
namespace penderlin::platform {

inline constexpr wchar_t kFormClassName[] = L"PenderlinForm";
inline constexpr wchar_t kFrameClassName[] = L"PenderlinFrame";

} // namespace penderlin::platform
