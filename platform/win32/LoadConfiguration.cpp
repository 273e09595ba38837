// The program's load configuration, for builds with GNU ld: it tells Windows (10 1607 and later)
// to resolve the program's own imports from System32 alone, a second wall beside importing only
// KnownDLLs. MSVC's runtime brings this structure itself and its linker sets the flag
// (/DEPENDENTLOADFLAG:0x800); GNU ld leaves the PE header's directory empty, which the post-link
// step cmake/pe-load-configuration fills. Nothing else in it is set.
#include <windows.h>

extern "C" const IMAGE_LOAD_CONFIG_DIRECTORY64 _load_config_used = {
    .Size = sizeof(IMAGE_LOAD_CONFIG_DIRECTORY64),
    // DependentLoadFlags, which mingw-w64's headers still call Reserved1.
    .Reserved1 = LOAD_LIBRARY_SEARCH_SYSTEM32,
};
