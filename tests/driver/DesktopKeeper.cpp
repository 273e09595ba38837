// Keeps a test desktop open while its tests run: cmake/wine-run starts it with the desktop's
// wineserver, and it lasts until that server is stopped. Wine closes a desktop a second after the
// last program on it has ended; without a program that stays, every test would wait for a new
// desktop, and the new desktop's process would hold CTest's output pipe open for that second.
#include <windows.h>

#include <cstdio>

int main() {
    // Opens the desktop, waiting until Wine's desktop process has made it.
    if (GetDesktopWindow() == nullptr) {
        std::fputs("no desktop\n", stderr);
        return 1;
    }
    std::puts("desktop open");
    std::fflush(stdout);
    Sleep(INFINITE);
}
