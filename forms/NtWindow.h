#pragma once

#include "platform/FormDescription.h"

namespace penderlin::forms {

// Shows and replaces the registration values of Windows 2000 and NT 4.0.
extern const platform::FormDescription nt;

} // namespace penderlin::forms
