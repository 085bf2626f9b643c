// Unpacking the product package into the install folder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "package/FileGroup.h"

class FileSystem;
class MyProgress;
class Progress;

struct ExtractFailure {
    std::string path;    // the file that could not be written
    std::string reason;  // why, for whoever looks into it
    // The system's code of the refusal behind it (OsResult::kNoCode when it
    // gave none); 0 when the system refused nothing, as for a damaged stream.
    std::uint32_t osError = 0;
};

// Extracts every group in order into installFolder + tail: every file is
// written beside its target first, moving the progress after each, and only
// when all are written are they moved into place. Stops at the first file that
// cannot be decoded, written or put in place, and answers false with that file
// in failure, having put everything back as it was: the earlier files, and no
// new file or folder left behind.
bool ExtractPackage(const std::vector<PackageGroup>& groups, const std::string& installFolder,
                    MyProgress& progress, FileSystem& fs, ExtractFailure& failure);

// The extraction as the setup shows it: display titled "Setup progress", its
// text line left-aligned, its bar over the whole package from 0.
bool ExtractWithProgress(const std::vector<PackageGroup>& groups, const std::string& installFolder,
                         Progress& display, FileSystem& fs, ExtractFailure& failure);
