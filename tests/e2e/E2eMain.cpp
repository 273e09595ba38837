// The end-to-end tests rewrite the registration values of the machine they run on, so they run
// only under Wine, in the build folder's throwaway prefix, and refuse anywhere else.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (ntdll == nullptr || GetProcAddress(ntdll, "wine_get_version") == nullptr) {
        std::fputs(
            "Refusing to run: these tests rewrite registration values and run only under Wine.\n",
            stderr);
        return 1;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
