// Steps that another program may refuse for a moment: a virus scanner or an
// indexer opens a fresh file and lets it go again within a second or two.
#pragma once

#include <algorithm>

#include "base/FileSystem.h"

// The waits between tries, growing: about three seconds in all, which such a
// program outlasts rarely and a user hardly notices.
inline constexpr int kRetryWaitsMs[] = {50, 100, 200, 400, 800, 1600};

// All that one run may wait for refused steps together: about three steps'
// worth. Where everything is refused, a drive or a share gone, waiting for
// each file in turn would keep the user looking at the progress window for
// most of a minute without changing the outcome.
inline constexpr int kRunRetryBudgetMs = 10000;

// What a run has left of that time; every retried step of the run draws on
// the same one.
class RetryBudget {
public:
    explicit RetryBudget(int milliseconds = kRunRetryBudgetMs) : leftMs_(milliseconds) {}

    // Takes a wait out of what is left and answers how much of it may pass:
    // all of it, the rest of the budget, or nothing once it is spent.
    int Take(int milliseconds) {
        const int taken = std::max(0, std::min(milliseconds, leftMs_));
        leftMs_ -= taken;
        return taken;
    }

private:
    int leftMs_;
};

// Runs step (answering OsResult) until it is done, the waits are used up or
// the run's budget is spent; answers its last result. Once the budget is
// spent, a refused step is tried only once.
template <typename Step>
OsResult RetriedWithGrowingWaits(FileSystem& fs, RetryBudget& budget, Step step) {
    OsResult result = step();
    for (int wait : kRetryWaitsMs) {
        if (result)
            break;
        const int granted = budget.Take(wait);
        if (granted == 0)
            break;
        fs.PauseBeforeRetry(granted);
        result = step();
    }
    return result;
}
