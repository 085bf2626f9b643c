// What the main sequence works with: the platform it runs on and the
// process-wide state that its steps share.
#pragma once

#include <string>
#include <vector>

#include "base/Platform.h"
#include "base/Retry.h"
#include "base/RunNames.h"
#include "package/Extract.h"
#include "package/FileGroup.h"
#include "settings/IniDocument.h"

// The platform (registry, file system, shortcut writer) is made once in
// WinMain; every step reaches the system through it.
struct Setup : Platform {
    // The product's files, group by group, as the setup carries them.
    std::vector<PackageGroup> package;
    // The names of this run's own files beside the product's.
    RunNames run;

    // The folder the product goes to, exactly as chosen: later paths are this
    // followed by a tail that begins with a backslash.
    std::string installFolder;

    // The earlier installation's settings, read before extraction, and the
    // package's defaults that the user's values are merged into and that are
    // written at the end.
    IniDocument oldSettings{};
    IniDocument defaultSettings{};

    // Why the extraction stopped, when it did: the step, the file and the
    // system's code, for whoever looks into a failed run with a debugger.
    ExtractFailure extractFailure{};

    // What this run has left of its time for waiting on refused steps, which
    // every retried step draws on, the settings' as the package's.
    RetryBudget retries{};
};

// Exit codes of the setup process.
constexpr int kExitCompleted = 0;         // also after the user cancelled
constexpr int kExitFailed = 1;            // the product could not be installed
constexpr int kExitAnotherSetupRuns = 2;  // nothing done: another setup was running
