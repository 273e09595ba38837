// This program asks for no UTF-8 code page, so the contract's round trips beside this file run
// where a trip through the ANSI code page would spoil their texts.
#include "UnusualTexts.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// The text after a trip through the ANSI code page and back.
std::wstring ThroughTheCodePage(const std::wstring& text) {
    const int length = static_cast<int>(text.size());
    std::string bytes(static_cast<size_t>(length) * 4, '\0');
    bytes.resize(
        static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, text.data(), length, bytes.data(),
                                                static_cast<int>(bytes.size()), nullptr, nullptr)));
    std::wstring back(bytes.size(), L'\0');
    back.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, bytes.data(),
                                                        static_cast<int>(bytes.size()), back.data(),
                                                        static_cast<int>(back.size()))));
    return back;
}

TEST(LegacyCodePage, IsWindows1252AndWouldSpoilEveryText) {
    ASSERT_EQ(GetACP(), 1252u);
    for (const std::wstring& text : kUnusualTexts) {
        EXPECT_NE(ThroughTheCodePage(text), text);
    }
}

} // namespace
