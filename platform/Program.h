#pragma once

#include "FormDescription.h"

namespace penderlin::platform {

// Builds and shows the start-up window and runs the program until it ends; returns its exit
// code.
int RunProgram(const FormDescription& startup);

} // namespace penderlin::platform
