#include "Check.h"

#include <windows.h>

#include <cstdlib>

namespace penderlin::platform {

void FailWith(const char* cause) {
    FatalAppExitA(0, cause);
    std::abort(); // FatalAppExit does not return
}

} // namespace penderlin::platform
