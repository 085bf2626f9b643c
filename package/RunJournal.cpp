#include "package/RunJournal.h"

#include <map>

#include "base/Retry.h"

namespace {

const char kStaged[] = "staged\r\n";
const char kCommitted[] = "committed\r\n";

// The runs whose journals are in folder, other than own: running ones by
// their held journal, ended ones with what their journal says.
struct Runs {
    std::map<std::string, bool> running;  // id -> true
    std::map<std::string, EndedRunState> ended;
    std::map<std::string, std::string> journals;  // id -> path, of the ended ones
};

Runs FindRuns(FileSystem& fs, const std::string& folder, const RunNames& own) {
    Runs runs;
    for (const FolderEntry& entry : fs.ListFolder(folder.substr(0, folder.size() - 1))) {
        const std::optional<RunFileName> name = ParseRunFileName(entry.name);
        if (entry.isFolder || !name || name->kind != RunFileName::Kind::journal ||
            name->id == own.Id())
            continue;
        const std::string path = folder + entry.name;
        // Held means running; so does any other refusal to be told otherwise.
        if (!fs.IsReplaceable(path)) {
            runs.running[name->id] = true;
            continue;
        }
        std::string said;
        fs.ReadFile(path, said);
        runs.ended[name->id] =
            said == kCommitted ? EndedRunState::committed
                               : (said == kStaged ? EndedRunState::staged : EndedRunState::unknown);
        runs.journals[name->id] = path;
    }
    return runs;
}

// One leftover of an ended run.
OsResult Finish(FileSystem& fs, const std::string& path, const RunFileName& name,
                const std::string& folder, EndedRunState state) {
    if (name.kind == RunFileName::Kind::staged || state == EndedRunState::committed)
        return RetriedWithGrowingWaits(fs, [&] { return fs.RemoveFile(path); });
    const std::string target = folder + name.target;
    if (!fs.FileExists(target))  // the leftover is the one copy of the earlier file
        return RetriedWithGrowingWaits(fs, [&] { return fs.RenameFile(path, target); });
    if (state == EndedRunState::staged)  // the run never finished: its earlier file comes back
        return RetriedWithGrowingWaits(fs, [&] { return fs.MoveReplacing(path, target); });
    // An earlier setup's: it kept a file aside only while the target held a whole one.
    return RetriedWithGrowingWaits(fs, [&] { return fs.RemoveFile(path); });
}

}  // namespace

RunJournal::~RunJournal() {
    Close();
}

OsResult RunJournal::Open(const std::string& folder) {
    path_ = names_.Journal(folder);
    return fs_.CreateHeldFile(path_, kStaged, held_);
}

OsResult RunJournal::NoteCommitted() {
    return held_ ? held_->Rewrite(kCommitted) : OsResult::Failed();
}

void RunJournal::Close() {
    if (!held_)
        return;
    held_.reset();
    if (!leftovers_ && !RetriedWithGrowingWaits(fs_, [this] { return fs_.RemoveFile(path_); }))
        leftovers_ = true;
}

OsResult FinishEndedRuns(FileSystem& fs, const std::vector<std::string>& folders,
                         const RunNames& own, std::string& failedPath) {
    if (folders.empty())
        return OsResult::Done();
    Runs runs = FindRuns(fs, folders.front(), own);
    for (const std::string& folder : folders) {
        for (const FolderEntry& entry : fs.ListFolder(folder.substr(0, folder.size() - 1))) {
            const std::optional<RunFileName> name = ParseRunFileName(entry.name);
            if (entry.isFolder || !name || name->kind == RunFileName::Kind::journal ||
                name->id == own.Id() || runs.running.count(name->id))
                continue;
            const auto state = runs.ended.find(name->id);
            const OsResult finished =
                Finish(fs, folder + entry.name, *name, folder,
                       state == runs.ended.end() ? EndedRunState::unknown : state->second);
            if (!finished) {
                failedPath = folder + entry.name;
                return finished;
            }
        }
    }
    // Nothing of theirs is left: their journals go too.
    for (const auto& [id, path] : runs.journals) {
        if (OsResult removed = fs.RemoveFile(path); !removed) {
            failedPath = path;
            return removed;
        }
    }
    return OsResult::Done();
}
