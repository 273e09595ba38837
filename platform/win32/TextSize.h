#pragma once

namespace penderlin::platform {

// The text size the user has chosen in Windows' settings (Accessibility, Text size), as a
// percentage from 100 to 225, read afresh.
int CurrentTextPercent();

} // namespace penderlin::platform
