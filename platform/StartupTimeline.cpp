#include "StartupTimeline.h"

namespace penderlin::platform {

namespace {
StartupTimes times;
}

void MarkStartupStep(StartupStep step) {
    times[static_cast<std::size_t>(step)] = std::chrono::steady_clock::now();
}

const StartupTimes& StartupTimeline() {
    return times;
}

} // namespace penderlin::platform
