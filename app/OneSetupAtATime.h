// One setup at a time on the machine: two setups over one install folder
// would stage, commit and merge each other's files.
#pragma once

#include "base/OsResult.h"
#include "win32/Handles.h"

// The claim this setup holds for its whole run, across every session of the
// machine and both builds. Held until the process ends, however it ends.
struct SetupClaim {
    // The administrators' namespace that the claim lives in, where the system
    // keeps such namespaces; held as long as the claim, which goes with it.
    PrivateNamespace space;
    KernelHandle held;
    // Nothing held because another setup holds the claim. Otherwise a claim
    // that could not be made at all leaves the setup running unclaimed, as
    // it would alone.
    bool takenByAnother = false;
    // Why the claim is not in that namespace (done when it is), and why none
    // could be made: the system's codes, for whoever looks into a run.
    OsResult spaceResult;
    OsResult claimResult;
};

SetupClaim ClaimTheOnlySetup();

// The claim where the system keeps no private namespaces, and every earlier
// version's: a name that every session sees, and that anyone can take first.
extern const wchar_t kGlobalClaimName[];

// Brings the running setup's foremost window to the front, whatever it shows.
void BringRunningSetupToFront();
