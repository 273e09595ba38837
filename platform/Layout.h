#pragma once

#include "FormDescription.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace penderlin::platform {

bool TakesFocus(ControlKind kind);

// A caption as it shows with its access key unmarked: each "&" that marks a key gone, and "&&"
// (a shown "&") made one.
std::wstring WithoutAccessKey(std::wstring_view caption);

// The order to create a window's controls in, which is also their stacking order, first on top,
// and the order Tab moves through them: buttons by tab index, then labels, then frames, so that
// buttons lie over the labels they overlap whatever their tab indexes; controls inside frames
// follow their frames, in the same order.
std::vector<const ControlDescription*> CreationOrder(std::span<const ControlDescription> controls);

} // namespace penderlin::platform
