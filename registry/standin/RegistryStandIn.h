#pragma once

// An in-memory registry for builds away from Windows. It offers the five functions the module
// calls (and RegDeleteTreeW, which tests clean up with) under their Windows names and
// signatures, and behaves as Windows does: key names compare without regard to case (ASCII
// letters only; every key name the program uses is ASCII), a trailing or doubled backslash is
// accepted and a leading one refused, RegCreateKeyExW creates every missing level, values hold
// typed raw bytes that are stored and returned as given, a failed open leaves the handle NULL,
// and a handle allows only the access it was opened with. Only HKEY_LOCAL_MACHINE exists.
//
// Text is wchar_t here as on Windows, but wchar_t has 4 bytes on this platform instead of 2:
// code that counts string data in sizeof(wchar_t) behaves alike on both.
//
// The two views of a 64-bit system: a key opened or created from HKEY_LOCAL_MACHINE with
// KEY_WOW64_32KEY whose path starts with "Software" is reached under "Software\Wow6432Node", as
// Windows redirects it for 32-bit programs; any other key is shared by both views.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

using BYTE = unsigned char;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using REGSAM = DWORD;
using LPCWSTR = const wchar_t*;
using LPWSTR = wchar_t*;
using LPDWORD = DWORD*;
using LPBYTE = BYTE*;
struct SECURITY_ATTRIBUTES;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;
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

constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_SET_VALUE = 0x0002;
constexpr REGSAM KEY_WOW64_32KEY = 0x0200;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

LONG RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD options, REGSAM access, PHKEY result);
LONG RegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD reserved, LPWSTR keyClass, DWORD options,
                     REGSAM access, LPSECURITY_ATTRIBUTES security, PHKEY result,
                     LPDWORD disposition);
LONG RegQueryValueExW(HKEY key, LPCWSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                      LPDWORD dataSize);
LONG RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD dataSize);
LONG RegCloseKey(HKEY key);
LONG RegDeleteTreeW(HKEY key, LPCWSTR subKey);

// What tests can do to the stand-in besides calling the functions above.
namespace registry_standin {

enum class Access { Full, ReadOnly, None };

// Forgets every key, value, handle and setting.
void Reset();
// Handles opened or created and not yet closed.
std::size_t OpenHandleCount();
// How a key (under HKEY_LOCAL_MACHINE, created if missing) and the keys below it may be used:
// ReadOnly refuses opening for writing and new subkeys, None refuses even opening.
void SetAccess(std::wstring_view keyPath, Access access);
// Runs once, just before the next query that asks for a value's data, as if another program
// changed the registry between the size query and the data query.
void BeforeNextDataQuery(std::function<void()> action);

} // namespace registry_standin
