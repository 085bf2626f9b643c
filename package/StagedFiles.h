// Files written beside their targets first and moved over them together, so
// that an update either happens whole or leaves the earlier files as they were.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/OsResult.h"

class FileSystem;

// Names the staging gives its own files beside a target: the new content
// until it is moved into place, and the target's earlier content, kept aside
// until every target has its new content.
std::string StagedName(const std::string& target);
std::string KeptAsideName(const std::string& target);

class StagedFiles {
public:
    explicit StagedFiles(FileSystem& fs) : fs_(fs) {}
    // Whatever has not been committed is rolled back.
    ~StagedFiles();
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    // Makes the folder and its missing parents, noting the ones this run makes
    // so that a roll-back can remove them again. Done when it exists.
    OsResult MakeFolder(const std::string& folder);
    // Writes data whole to the staged file of target, flushed to the disk.
    OsResult Stage(const std::string& target, std::string_view data);
    // Moves every staged file over its target, in the order staged, each
    // target's earlier content kept aside until the last one is in place; then
    // the kept files are removed. On failure everything is rolled back and
    // failedTarget names the file that could not be put in place, and the
    // result is the refusal that stopped it.
    OsResult Commit(std::string& failedTarget);
    // Puts back what the commit replaced, removes what it added, the staged
    // files and the folders made by MakeFolder that are empty now. A kept file
    // that cannot be put back is left where it is: it may be the only copy.
    void RollBack();

private:
    // How a target's earlier content was kept aside.
    enum class Kept {
        nothing,  // there was no earlier file
        linked,   // a second name of the same file: the target is untouched
        renamed,  // the target itself moved aside: the volume has no second names
    };
    struct File {
        std::string target;
        Kept kept = Kept::nothing;
        bool committed = false;
    };

    OsResult KeepAside(File& file);
    OsResult CommitFile(File& file);
    bool Undo(const File& file);

    FileSystem& fs_;
    std::vector<File> files_;
    std::vector<std::string> madeFolders_;  // outermost first
    bool finished_ = false;
};
