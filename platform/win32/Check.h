#pragma once

#include <cassert>

// A programming error in what the program ships or how it builds its windows: a window class
// that will not register, a window or control that cannot be made, a resource missing from the
// program. Debug builds stop at once and name the cause; release builds go on as Windows lets
// them. Registry failures are not programming errors and are never checked this way.
#define PENDERLIN_REQUIRE(condition, cause) assert((condition) && (cause))
