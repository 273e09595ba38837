#pragma once

#include "PeFile.h"

#include <array>
#include <string>
#include <string_view>

namespace penderlin::e2e {

// Windows' KnownDLLs: the values of HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Session
// Manager\KnownDLLs that Windows 10 (1607 to 22H2) and Windows 11 (21H2 to 24H2) all have, less
// the emulation layers for other processors (wow64*, xtajit*), which a 64-bit x64 program never
// loads; and ntdll.dll, which every process maps before anything else. Windows maps these from
// System32 (its \KnownDlls section objects) whatever lies beside a program, so a program may
// import them directly.
inline constexpr std::array<std::string_view, 28> kKnownDlls = {
    "ADVAPI32.DLL", "CLBCATQ.DLL",  "COMBASE.DLL",  "COMDLG32.DLL", "COML2.DLL",    "DIFXAPI.DLL",
    "GDI32.DLL",    "GDIPLUS.DLL",  "IMAGEHLP.DLL", "IMM32.DLL",    "KERNEL32.DLL", "MSCTF.DLL",
    "MSVCRT.DLL",   "NORMALIZ.DLL", "NSI.DLL",      "NTDLL.DLL",    "OLE32.DLL",    "OLEAUT32.DLL",
    "PSAPI.DLL",    "RPCRT4.DLL",   "SECHOST.DLL",  "SETUPAPI.DLL", "SHCORE.DLL",   "SHELL32.DLL",
    "SHLWAPI.DLL",  "USER32.DLL",   "WLDAP32.DLL",  "WS2_32.DLL",
};

inline bool IsKnownDll(std::string name) {
    name = Upper(std::move(name));
    return std::find(kKnownDlls.begin(), kKnownDlls.end(), name) != kKnownDlls.end();
}

} // namespace penderlin::e2e
