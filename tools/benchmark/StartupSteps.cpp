// penderlin.exe's start-up, step by step: the same program, built from the same code and
// resources, that writes when it reached each step of building its main window to the file
// named on its command line once it is closed. The benchmark starts it as it starts
// penderlin.exe.
#include "forms/MainWindow.h"
#include "platform/Program.h"
#include "platform/StartupTimeline.h"

#include <cstdio>

int main(int argc, char** argv) {
    const int exitCode = penderlin::platform::RunProgram(penderlin::forms::frmMain);
    if (argc != 2) {
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (out == nullptr) {
        return 1;
    }
    for (const auto& time : penderlin::platform::StartupTimeline()) {
        std::fprintf(out, "%lld\n", static_cast<long long>(time.time_since_epoch().count()));
    }
    std::fclose(out);
    return exitCode;
}
