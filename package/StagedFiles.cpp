#include "package/StagedFiles.h"

#include "base/FileSystem.h"
#include "base/Path.h"
#include "base/Retry.h"
#include "package/RunJournal.h"

StagedFiles::~StagedFiles() {
    if (!finished_)
        RollBack();
}

template <typename Step>
OsResult StagedFiles::Retried(Step step) {
    return RetriedWithGrowingWaits(fs_, journal_.Retries(), step);
}

std::string StagedFiles::Staged(const File& file) const {
    return journal_.Names().Staged(file.target);
}

std::string StagedFiles::KeptAside(const File& file) const {
    return journal_.Names().KeptAside(file.target);
}

OsResult StagedFiles::MakeFolder(const std::string& folder) {
    for (const std::string& level : FolderLevels(folder))
        if (!fs_.FolderExists(level))
            madeFolders_.push_back(level);
    return fs_.RealizeDirectory(folder);
}

OsResult StagedFiles::Stage(const std::string& target, std::string_view data) {
    // Noted first, so that a file written only in part is removed too.
    files_.push_back({target});
    return fs_.WriteFlushedFile(Staged(files_.back()), data);
}

OsResult StagedFiles::KeepAside(File& file) {
    // Held open by another program: a second name would be refused removal
    // just as the target is refused replacement, and stay behind.
    if (OsResult replaceable = fs_.IsReplaceable(file.target); !replaceable)
        return replaceable;
    // A second name keeps the target in place until the new file replaces it
    // in one step, so that no moment exists without one of the two.
    if (fs_.LinkFile(file.target, KeptAside(file))) {
        file.kept = Kept::linked;
        return OsResult::Done();
    }
    const OsResult renamed = fs_.RenameFile(file.target, KeptAside(file));
    if (renamed)
        file.kept = Kept::renamed;
    return renamed;
}

OsResult StagedFiles::CommitFile(File& file) {
    if (file.kept == Kept::nothing && fs_.FileExists(file.target)) {
        if (OsResult kept = KeepAside(file); !kept)
            return kept;
    }
    const OsResult moved = fs_.MoveReplacing(Staged(file), file.target);
    file.committed = static_cast<bool>(moved);
    return moved;
}

OsResult StagedFiles::Commit(std::string& failedTarget) {
    for (File& file : files_) {
        if (OsResult put = Retried([&] { return CommitFile(file); }); !put) {
            failedTarget = file.target;
            RollBack();
            return put;
        }
    }
    // Said before the kept files go: a run stopped while removing them must
    // not have them put back by the next run.
    if (OsResult noted = journal_.NoteCommitted(); !noted) {
        failedTarget = files_.empty() ? std::string() : files_.back().target;
        RollBack();
        return noted;
    }
    finished_ = true;
    RemoveKeptFiles();
    // Nothing after the commit needs it: a run ended later leaves none.
    journal_.Close();
    return OsResult::Done();
}

void StagedFiles::RemoveKeptFiles() {
    for (const File& file : files_) {
        if (file.kept == Kept::nothing)
            continue;
        const std::string aside = KeptAside(file);
        if (!Retried([&] { return fs_.RemoveFile(aside); }))
            journal_.NoteLeftovers();
    }
}

OsResult StagedFiles::PutBack(const File& file) {
    if (file.kept == Kept::linked && !file.committed)
        return fs_.RemoveFile(KeptAside(file));  // the target never changed
    if (file.kept != Kept::nothing)
        return fs_.MoveReplacing(KeptAside(file), file.target);
    // A file that was not there before goes again.
    return file.committed ? fs_.RemoveFile(file.target) : OsResult::Done();
}

OsResult StagedFiles::RemoveStaged(const File& file) {
    const std::string staged = Staged(file);
    return fs_.FileExists(staged) ? fs_.RemoveFile(staged) : OsResult::Done();
}

void StagedFiles::RollBack() {
    finished_ = true;
    bool complete = true;
    // The earlier files first, each before anything is cleaned up: they are
    // what the user had. Last committed first, the way back of the way in.
    for (auto file = files_.rbegin(); file != files_.rend(); ++file)
        complete &= static_cast<bool>(Retried([&] { return PutBack(*file); }));
    for (const File& file : files_)
        complete &= static_cast<bool>(Retried([&] { return RemoveStaged(file); }));
    if (!complete)
        journal_.NoteLeftovers();
    // The journal goes before the folders it may stand in.
    journal_.Close();
    for (auto folder = madeFolders_.rbegin(); folder != madeFolders_.rend(); ++folder)
        if (fs_.FolderExists(*folder))
            fs_.RemoveEmptyFolder(*folder);
}
