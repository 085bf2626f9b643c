// Unpacking the product package into the install folder.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "package/FileGroup.h"

class FileSystem;
class MyProgress;
class Progress;
class RunJournal;

// Where an extraction stopped.
enum class ExtractStep {
    startJournal,    // the run's journal could not be made
    finishEndedRun,  // a leftover of an ended run could not be dealt with
    replaceEarlier,  // an earlier file could not be replaced: another program holds it
    makeFolder,      // a folder could not be made
    unpack,          // a stream of the package could not be decoded
    write,           // a staged file could not be written
    putInPlace,      // a new file could not be moved into place
};

struct ExtractFailure {
    ExtractStep step = ExtractStep::write;
    std::string path;  // the file or folder of that step
    // The system's code of the refusal behind it (OsResult::kNoCode when it
    // gave none); 0 when the system refused nothing, as for a damaged stream.
    std::uint32_t osError = 0;
};

// The settings file, which is the user's once it exists. Its content in the
// package, the defaults, is handed back for the merge as it is decoded; the
// file is written only where the user has none, so that an update leaves the
// user's values where they are until the merged file replaces them.
struct PackageSettingsFile {
    std::string path;             // the target the package writes it to
    bool usersFileThere = false;  // set by the caller: the package's is not written
    std::string packageContent;   // the package's defaults, once extracted
};

// Extracts every group in order into installFolder + tail: every file is
// written beside its target first, moving the progress after each, and only
// when all are written are they moved into place. Before that, what ended
// runs left is finished, and every earlier file is asked whether it can be
// replaced. Stops at the first step that fails, and answers false with it in
// failure, having put everything back as it was: the earlier files, and no
// new file or folder left behind. The staged and kept files take the names of
// journal's run, which is opened in the install folder and closed again when
// the run has no file of its own left there.
bool ExtractPackage(const std::vector<PackageGroup>& groups, const std::string& installFolder,
                    MyProgress& progress, FileSystem& fs, RunJournal& journal,
                    ExtractFailure& failure, PackageSettingsFile* settings = nullptr);

// The extraction as the setup shows it: display titled "Setup progress", its
// text line left-aligned, its bar over the whole package from 0.
bool ExtractWithProgress(const std::vector<PackageGroup>& groups, const std::string& installFolder,
                         Progress& display, FileSystem& fs, RunJournal& journal,
                         ExtractFailure& failure, PackageSettingsFile* settings = nullptr);
