#pragma once

#include <string>
#include <vector>

// Texts that code page 1252, the ANSI code page of a program that does not ask for UTF-8, cannot
// hold. No ANSI code page but UTF-8 holds the emoji, and not even UTF-8 the lone surrogate.
inline const std::vector<std::wstring> kUnusualTexts = {
    L"\u0141ukasz Wi\u015bniewski",                       // Polish, outside code page 1252
    L"\u738b\u5c0f\u660e",                                // Chinese
    L"Zo\u00eb \U0001F600 \U0001D11E",                    // outside the Basic Multilingual Plane
    L"\u05e9\u05dc\u05d5\u05dd \u05e2\u05d5\u05dc\u05dd", // Hebrew, written right to left
    L"\u0634\u0631\u0643\u0629 \u0627\u0644\u0646\u0648\u0631", // Arabic
    std::wstring(1, static_cast<wchar_t>(0xD800)) + L" alone",  // a surrogate without its pair
};
