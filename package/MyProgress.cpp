#include "package/MyProgress.h"

#include <cmath>

namespace {

int32_t ClampToInt32(double v) {
    if (std::isnan(v))
        return 0;  // 0/0 when both totals are empty: nothing to show
    if (v >= 2147483647.0)
        return INT32_MAX;
    if (v <= -2147483648.0)
        return INT32_MIN;
    return static_cast<int32_t>(v);
}

}  // namespace

int32_t InFileProgress(int32_t consumed, int32_t fileTotal, int32_t totalBytes) {
    double q = static_cast<double>(totalBytes) / static_cast<double>(fileTotal);
    return ClampToInt32(std::ceil(static_cast<double>(consumed) / q));
}

void MyProgress::SetDoneBytes(int32_t done) {
    doneBytes_ = done;
    display_.SetPos(done, totalBytes_);
    display_.Refresh();
}

bool MyProgress::FileProgress(int32_t consumed, int32_t fileTotal) {
    int64_t pos =
        static_cast<int64_t>(doneBytes_) + InFileProgress(consumed, fileTotal, totalBytes_);
    display_.SetPos(ClampToInt32(static_cast<double>(pos)), totalBytes_);
    display_.Refresh();
    return false;
}
