#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The only place where the program touches the registry, through its wide (UTF-16) functions.
// Each operation opens one key, works on one string value and closes the key again; nothing is
// kept between calls and no failure is reported.
namespace penderlin::Registry {

// A predefined root key, as the 32-bit handle value Windows gives it.
enum class RootKey : std::uint32_t { LocalMachine = 0x80000002 };

// The REG_SZ text of a value, cut before its first NUL; std::nullopt ("no value") when the key
// or the value is missing, the value is not REG_SZ, or the registry refuses the read.
std::optional<std::wstring> ReadStringValue(RootKey root, std::wstring_view keyPath,
                                            std::wstring_view valueName);

// Stores text as a REG_SZ value, creating the key and any missing keys above it. A write that
// the registry refuses leaves it unchanged, silently.
void WriteStringValue(RootKey root, std::wstring_view keyPath, std::wstring_view valueName,
                      std::wstring_view text);

// Keys this module has opened and not yet closed: 0 whenever no operation is running.
int OpenKeyCount();

} // namespace penderlin::Registry
