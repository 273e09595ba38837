#pragma once

#include "platform/FormDescription.h"

namespace penderlin::forms {

// Shows and replaces the registration values of Windows 98 and 95, which all live under one key.
extern const platform::FormDescription win98;

} // namespace penderlin::forms
