#pragma once

#include "FormDescription.h"

#include <span>
#include <vector>

namespace penderlin::platform {

bool TakesFocus(ControlKind kind);

// The order to create a window's controls in, which is also their stacking order, first on top,
// and the order Tab moves through them: buttons by tab index, then labels, then frames, so that
// buttons lie over the labels they overlap whatever their tab indexes; controls inside frames
// follow their frames, in the same order.
std::vector<const ControlDescription*> CreationOrder(std::span<const ControlDescription> controls);

} // namespace penderlin::platform
