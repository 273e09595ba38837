#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The only place where the program touches the registry, through its wide (UTF-16) functions.
// Each operation works on one string value, and closes every key it opens before it returns;
// nothing is kept between calls and no failure is reported.
namespace penderlin::Registry {

// A predefined root key, as the 32-bit handle value Windows gives it.
enum class RootKey : std::uint32_t { LocalMachine = 0x80000002 };

// The REG_SZ text of a value in the native view, cut before its first NUL; std::nullopt ("no
// value") when the key or the value is missing, the value is not REG_SZ, or the registry refuses
// the read.
std::optional<std::wstring> ReadStringValue(RootKey root, std::wstring_view keyPath,
                                            std::wstring_view valueName);

// Stores text as a REG_SZ value, creating the key and any missing keys above it. Then, where a
// 64-bit Windows keeps a separate copy of the key for 32-bit programs and that copy already
// holds the value, the text goes there as well, so that 32-bit programs see the same and callers
// need not know of the two views; nothing is ever created in that view. Each of the two writes is
// tried whatever became of the other, and a write that the registry refuses leaves it unchanged,
// silently.
void WriteStringValue(RootKey root, std::wstring_view keyPath, std::wstring_view valueName,
                      std::wstring_view text);

// Keys this module has opened and not yet closed: 0 whenever no operation is running.
int OpenKeyCount();

} // namespace penderlin::Registry
