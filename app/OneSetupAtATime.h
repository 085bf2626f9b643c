// One setup at a time on the machine: two setups over one install folder
// would stage, commit and merge each other's files.
#pragma once

#include <optional>

#include "win32/Handles.h"

// The claim this setup holds for its whole run, across every session of the
// machine and both builds; none when another setup holds it already. Where
// no claim can be made at all, the setup runs unclaimed, as it would alone.
std::optional<KernelHandle> ClaimTheOnlySetup();

// Brings the running setup's window (its message box, when it shows one) to the front.
void BringRunningSetupToFront();
