// Steps that another program may refuse for a moment: a virus scanner or an
// indexer opens a fresh file and lets it go again within a second or two.
#pragma once

#include "base/FileSystem.h"

// The waits between tries, growing: about three seconds in all, which such a
// program outlasts rarely and a user hardly notices.
inline constexpr int kRetryWaitsMs[] = {50, 100, 200, 400, 800, 1600};

// Runs step (answering OsResult) until it is done or the waits are used up;
// answers its last result.
template <typename Step>
OsResult RetriedWithGrowingWaits(FileSystem& fs, Step step) {
    OsResult result = step();
    for (int wait : kRetryWaitsMs) {
        if (result)
            break;
        fs.PauseBeforeRetry(wait);
        result = step();
    }
    return result;
}
