#pragma once

// An in-memory registry for builds away from Windows. It offers the five functions the module
// calls (and RegDeleteTreeA, which tests clean up with) under their Windows names and
// signatures, and behaves as Windows does: key names compare without regard to case, a
// trailing or doubled backslash is accepted and a leading one refused, RegCreateKeyA creates
// every missing level, values hold typed raw bytes, and a failed open leaves the handle NULL.
// Only HKEY_LOCAL_MACHINE exists. The ANSI code page is taken to be UTF-8.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

using BYTE = unsigned char;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using LPCSTR = const char*;
using LPDWORD = DWORD*;
using LPBYTE = BYTE*;
struct StandInKey;
using HKEY = StandInKey*;
using PHKEY = HKEY*;

#define HKEY_LOCAL_MACHINE                                                                         \
    (reinterpret_cast<HKEY>(static_cast<std::intptr_t>(static_cast<LONG>(0x80000002))))

constexpr LONG ERROR_SUCCESS = 0;
constexpr LONG ERROR_FILE_NOT_FOUND = 2;
constexpr LONG ERROR_ACCESS_DENIED = 5;
constexpr LONG ERROR_INVALID_HANDLE = 6;
constexpr LONG ERROR_INVALID_PARAMETER = 87;
constexpr LONG ERROR_BAD_PATHNAME = 161;
constexpr LONG ERROR_MORE_DATA = 234;

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_EXPAND_SZ = 2;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;
constexpr DWORD REG_MULTI_SZ = 7;
constexpr DWORD REG_QWORD = 11;

LONG RegOpenKeyA(HKEY key, LPCSTR subKey, PHKEY result);
LONG RegCreateKeyA(HKEY key, LPCSTR subKey, PHKEY result);
LONG RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                      LPDWORD dataSize);
LONG RegSetValueExA(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD dataSize);
LONG RegCloseKey(HKEY key);
LONG RegDeleteTreeA(HKEY key, LPCSTR subKey);

// What tests can do to the stand-in besides calling the functions above.
namespace registry_standin {

enum class Access { Full, ReadOnly, None };

// Forgets every key, value, handle and setting.
void Reset();
// Handles opened or created and not yet closed.
std::size_t OpenHandleCount();
// How a key (under HKEY_LOCAL_MACHINE, which must exist) and the keys below it may be used:
// ReadOnly refuses writes and new subkeys, None refuses even opening.
void SetAccess(std::string_view keyPath, Access access);
// Runs once, just before the next query that asks for a value's data, as if another program
// changed the registry between the size query and the data query.
void BeforeNextDataQuery(std::function<void()> action);

} // namespace registry_standin
