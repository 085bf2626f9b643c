#include "package/StagedFiles.h"

#include <algorithm>
#include <functional>

#include "base/FileSystem.h"
#include "base/Path.h"

std::string StagedName(const std::string& target) {
    return target + ".setup-tmp";
}

std::string KeptAsideName(const std::string& target) {
    return target + ".setup-old";
}

namespace {

// Runs step on every item; the ones that fail get one more try after all the
// others, since a scanner or indexer that has just opened a fresh file often
// lets it go a moment later. Answers whether every item succeeded.
template <typename Item>
bool EachTwice(const std::vector<Item>& items, const std::function<bool(const Item&)>& step) {
    std::vector<const Item*> failed;
    for (const Item& item : items)
        if (!step(item))
            failed.push_back(&item);
    return std::all_of(failed.begin(), failed.end(), [&](const Item* item) { return step(*item); });
}

}  // namespace

StagedFiles::~StagedFiles() {
    if (!finished_)
        RollBack();
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
    return fs_.WriteFlushedFile(StagedName(target), data);
}

OsResult StagedFiles::KeepAside(File& file) {
    // Held open by another program: a second name would be refused removal
    // just as the target is refused replacement, and stay behind.
    if (OsResult replaceable = fs_.IsReplaceable(file.target); !replaceable)
        return replaceable;
    const std::string aside = KeptAsideName(file.target);
    // Left by a setup that was stopped before it could remove it; the target
    // still holds a whole file, so this older copy is not needed.
    if (fs_.FileExists(aside)) {
        if (OsResult removed = fs_.RemoveFile(aside); !removed)
            return removed;
    }
    // A second name keeps the target in place until the new file replaces it
    // in one step, so that no moment exists without one of the two.
    if (fs_.LinkFile(file.target, aside)) {
        file.kept = Kept::linked;
        return OsResult::Done();
    }
    const OsResult renamed = fs_.RenameFile(file.target, aside);
    if (renamed)
        file.kept = Kept::renamed;
    return renamed;
}

OsResult StagedFiles::CommitFile(File& file) {
    if (fs_.FileExists(file.target)) {
        if (OsResult kept = KeepAside(file); !kept)
            return kept;
    }
    const OsResult moved = fs_.MoveReplacing(StagedName(file.target), file.target);
    file.committed = static_cast<bool>(moved);
    return moved;
}

OsResult StagedFiles::Commit(std::string& failedTarget) {
    for (File& file : files_) {
        if (OsResult put = CommitFile(file); !put) {
            failedTarget = file.target;
            RollBack();
            return put;
        }
    }
    finished_ = true;
    // Every target has its new content: what was kept aside is not needed, nor
    // an older copy that a setup stopped half-way left beside a target.
    EachTwice<File>(files_, [this](const File& file) {
        const std::string aside = KeptAsideName(file.target);
        return !fs_.FileExists(aside) || fs_.RemoveFile(aside);
    });
    return OsResult::Done();
}

bool StagedFiles::Undo(const File& file) {
    const std::string staged = StagedName(file.target);
    if (fs_.FileExists(staged) && !fs_.RemoveFile(staged))
        return false;
    const std::string aside = KeptAsideName(file.target);
    if (file.kept == Kept::linked && !file.committed)
        return static_cast<bool>(fs_.RemoveFile(aside));  // the target never changed
    if (file.kept != Kept::nothing)
        return static_cast<bool>(fs_.MoveReplacing(aside, file.target));
    // A file that was not there before goes again.
    return !file.committed || fs_.RemoveFile(file.target);
}

void StagedFiles::RollBack() {
    finished_ = true;
    // Last committed first, the way back of the way in.
    std::vector<File> reversed(files_.rbegin(), files_.rend());
    EachTwice<File>(reversed, [this](const File& file) { return Undo(file); });
    std::vector<std::string> folders(madeFolders_.rbegin(), madeFolders_.rend());
    for (const std::string& folder : folders)
        if (fs_.FolderExists(folder))
            fs_.RemoveEmptyFolder(folder);
}
