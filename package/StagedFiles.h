// Files written beside their targets first and moved over them together, so
// that an update either happens whole or leaves the earlier files as they were.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/OsResult.h"

class FileSystem;
class RunJournal;

class StagedFiles {
public:
    // The staged and kept files take the names of journal's run, which must
    // be open before the first file is staged.
    StagedFiles(FileSystem& fs, RunJournal& journal) : fs_(fs), journal_(journal) {}
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
    // the kept files are removed and the journal closed. A refused step is
    // tried again with growing waits. On failure everything is rolled back,
    // failedTarget names the file that could not be put in place, and the
    // result is the refusal that stopped it.
    OsResult Commit(std::string& failedTarget);
    // Puts every earlier file back under its own name first, then removes what
    // the commit added, the staged files and the folders made by MakeFolder
    // that are empty now, each refused step tried again with growing waits
    // while the run's time for retries lasts, and once only after that. What
    // still cannot be done is left to the next run, which the journal tells.
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
    OsResult PutBack(const File& file);
    OsResult RemoveStaged(const File& file);
    void RemoveKeptFiles();
    // Tries step again with growing waits, on the run's time for retries.
    template <typename Step>
    OsResult Retried(Step step);
    std::string Staged(const File& file) const;
    std::string KeptAside(const File& file) const;

    FileSystem& fs_;
    RunJournal& journal_;
    std::vector<File> files_;
    std::vector<std::string> madeFolders_;  // outermost first
    bool finished_ = false;
};
