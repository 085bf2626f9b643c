// When a progress window shows what it was told: at most once per interval,
// and not before one interval has passed since it was made, so that work that
// ends quickly never flashes a window.
#pragma once

#include <cstdint>

class ProgressThrottle {
public:
    static constexpr uint64_t kIntervalMs = 50;

    explicit ProgressThrottle(uint64_t nowMs) : last_(nowMs) {}

    // True when an update at nowMs is to be shown; it then counts as the last one.
    bool TakeUpdate(uint64_t nowMs) {
        if (nowMs - last_ < kIntervalMs)
            return false;
        last_ = nowMs;
        return true;
    }

private:
    uint64_t last_;
};
