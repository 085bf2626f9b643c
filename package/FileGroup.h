// The product files carried inside the setup: four groups of four parallel
// constant tables, one bzip2 stream per file. The tables are generated at
// build time (tools/pack_files) and never change at run time.
#pragma once

#include <cstdint>
#include <vector>

struct FileGroup {
    int32_t count;
    const int32_t* lengths;               // compressed length of each stream
    const unsigned char* const* streams;  // start of each stream
    const char* const* names;             // bare file name in the target folder
};

// A group and the folder it goes to: the install folder followed by tail.
struct PackageGroup {
    const FileGroup* files;
    const char* tail;
};

// Generated with the package.
extern const FileGroup kRootGroup;
extern const FileGroup kDocumentationsGroup;
extern const FileGroup kSupportGroup;
extern const FileGroup kSourcesGroup;

// The groups in extraction order.
std::vector<PackageGroup> ProductPackage();

// Sum of the compressed lengths of every file, group by group: the progress total.
int32_t TotalCompressedBytes(const std::vector<PackageGroup>& groups);
