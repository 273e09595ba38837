#pragma once

// A programming error in what the program ships or how it builds its windows: a window class
// that will not register, a window or control that cannot be made, a control in a frame that is
// not there, a resource missing from the program. Nothing after it could work, in any build: the
// program says what failed in a box of Windows' own and ends. What the system may refuse at any
// time (a font, the tooltip window, a registry write) is no programming error and is never
// checked this way.
namespace penderlin::platform {

[[noreturn]] void FailWith(const char* cause);

inline void Require(bool condition, const char* cause) {
    if (!condition) {
        FailWith(cause);
    }
}

} // namespace penderlin::platform
