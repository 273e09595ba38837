#pragma once

#include "platform/FormDescription.h"

namespace penderlin::forms {

// The start-up window: the way to the two family windows, and the way out.
extern const platform::FormDescription frmMain;

} // namespace penderlin::forms
