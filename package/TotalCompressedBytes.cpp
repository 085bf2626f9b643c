#include "package/FileGroup.h"

int32_t TotalCompressedBytes(const std::vector<PackageGroup>& groups) {
    int64_t total = 0;
    for (const PackageGroup& group : groups)
        for (int32_t i = 0; i < group.files->count; ++i) total += group.files->lengths[i];
    return total > INT32_MAX ? INT32_MAX : static_cast<int32_t>(total);
}
