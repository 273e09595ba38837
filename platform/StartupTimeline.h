#pragma once

#include <array>
#include <chrono>
#include <cstddef>

// When the program reached each step of building its start-up window. Marking costs a clock
// read; the benchmark prints where the start-up time goes from these.
namespace penderlin::platform {

enum class StartupStep : std::size_t {
    ProgramEntered,     // the program's own code starts
    WindowingPrepared,  // common controls and window classes
    ResourcesLoaded,    // the window, its picture, icons and fonts
    ControlsCreated,    // its controls
    FirstPaintFinished, // shown and painted
    Count,
};

using StartupTimes =
    std::array<std::chrono::steady_clock::time_point, static_cast<std::size_t>(StartupStep::Count)>;

// Records the step's time; a later window overwrites the times of the window before it.
void MarkStartupStep(StartupStep step);
const StartupTimes& StartupTimeline();

} // namespace penderlin::platform
