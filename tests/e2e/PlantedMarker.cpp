// Stands in for a DLL that a browser saved beside penderlin.exe: once loaded into a process, it
// leaves a file beside itself, its own name with ".loaded" added. No C runtime, so that its
// DllMain is all that runs; every function it exports is the one stub below.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        constexpr wchar_t kSuffix[] = L".loaded";
        wchar_t path[MAX_PATH + sizeof(kSuffix) / sizeof(wchar_t)] = {};
        const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
        if (length > 0 && length < MAX_PATH) {
            lstrcpyW(path + length, kSuffix);
            const HANDLE marker =
                CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            if (marker != INVALID_HANDLE_VALUE) {
                CloseHandle(marker);
            }
        }
    }
    return TRUE;
}

extern "C" int PlantedExport() {
    return 0;
}
