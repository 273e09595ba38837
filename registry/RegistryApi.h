#pragma once

// The five registry functions the module calls, in their W forms so that text never passes
// through a code page: advapi32's own on Windows, and elsewhere an in-memory stand-in with the
// same signatures and behaviour.
#ifdef _WIN32
#include <windows.h>
#else
#include "standin/RegistryStandIn.h"
#endif
