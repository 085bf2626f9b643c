#include "package/FileGroup.h"

std::vector<PackageGroup> ProductPackage() {
    return {
        {&kRootGroup, "\\"},
        {&kDocumentationsGroup, "\\Documentations\\"},
        {&kSupportGroup, "\\Support\\"},
        {&kSourcesGroup, "\\Sources\\"},
    };
}
