#pragma once

#include <string>
#include <string_view>

// Conversion between the program's Unicode text and the system's ANSI code page, which the
// registry's A functions speak. Characters that the code page lacks become its default
// character; bytes that are not valid in it become U+FFFD.
namespace penderlin::Registry {

std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view bytes);

} // namespace penderlin::Registry
