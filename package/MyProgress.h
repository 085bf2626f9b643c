// The extraction's progress: a bar over the whole package in compressed bytes,
// moved within a file by the decompressor's gate.
#pragma once

#include <cstdint>

#include "base/Progress.h"

// Where the bar stands within a file: ceil(consumed / (totalBytes / fileTotal)),
// in double precision, clamped to the 32-bit range. A file thus moves the bar by
// at most fileTotal / totalBytes of its own share until it is written.
int32_t InFileProgress(int32_t consumed, int32_t fileTotal, int32_t totalBytes);

class MyProgress {
public:
    explicit MyProgress(Progress& display) : display_(display) {}

    Progress& Display() { return display_; }
    int32_t TotalBytes() const { return totalBytes_; }
    int32_t DoneBytes() const { return doneBytes_; }

    // Stores the overall total; shows nothing.
    void SetTotalBytes(int32_t total) { totalBytes_ = total; }
    // The files written so far: the bar moves to done out of the total.
    void SetDoneBytes(int32_t done);
    // The decompressor's gate: never asks it to stop.
    bool FileProgress(int32_t consumed, int32_t fileTotal);

private:
    Progress& display_;
    int32_t totalBytes_ = 0;
    int32_t doneBytes_ = 0;
};
