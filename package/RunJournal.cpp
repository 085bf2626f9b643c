#include "package/RunJournal.h"

#include <algorithm>

#include "base/Path.h"
#include "base/Retry.h"

namespace {

bool IsOneOf(const std::string& text, const std::vector<std::string>& list) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

const char kStaged[] = "staged\r\n";
const char kCommitted[] = "committed\r\n";

// A run whose journal is in the install folder, other than this one: a
// running one by its held journal, an ended one with what its journal says.
// A handful at most: a list is all it takes.
struct OtherRun {
    std::string id;
    std::string journal;
    bool running = false;
    EndedRunState state = EndedRunState::unknown;
};

std::vector<OtherRun> FindRuns(FileSystem& fs, const std::string& folder, const RunNames& own) {
    std::vector<OtherRun> runs;
    for (const FolderEntry& entry : fs.ListFolder(folder.substr(0, folder.size() - 1))) {
        const std::optional<RunFileName> name = ParseRunFileName(entry.name);
        if (entry.isFolder || !name || name->kind != RunFileName::Kind::journal ||
            name->id == own.Id())
            continue;
        OtherRun run{name->id, folder + entry.name};
        // Held means running; so does any other refusal to be told otherwise.
        run.running = !fs.IsReplaceable(run.journal);
        std::string said;
        if (!run.running && fs.ReadFile(run.journal, said))
            run.state = said == kCommitted ? EndedRunState::committed
                        : said == kStaged  ? EndedRunState::staged
                                           : EndedRunState::unknown;
        runs.push_back(std::move(run));
    }
    return runs;
}

// The folders the files are in, each once, in the order first met.
std::vector<std::string> FoldersOf(const std::vector<std::string>& files) {
    std::vector<std::string> folders;
    for (const std::string& file : files)
        if (!IsOneOf(FolderPart(file), folders))
            folders.push_back(FolderPart(file));
    return folders;
}

const OtherRun* RunOf(const std::vector<OtherRun>& runs, const std::string& id) {
    for (const OtherRun& run : runs)
        if (run.id == id)
            return &run;
    return nullptr;
}

// One leftover of an ended run.
OsResult Finish(FileSystem& fs, RetryBudget& retries, const std::string& path,
                const RunFileName& name, const std::string& folder, EndedRunState state) {
    const std::string target = folder + name.target;
    enum { remove, rename, putBack } step = remove;
    if (name.kind == RunFileName::Kind::keptAside && state != EndedRunState::committed) {
        if (!fs.FileExists(target))
            step = rename;  // the leftover is the one copy of the earlier file
        else if (state == EndedRunState::staged)
            step = putBack;  // the run never finished: its earlier file comes back
        // Else an earlier setup's, which kept a file aside only while the
        // target held a whole one: it goes.
    }
    return RetriedWithGrowingWaits(fs, retries, [&] {
        return step == remove   ? fs.RemoveFile(path)
               : step == rename ? fs.RenameFile(path, target)
                                : fs.MoveReplacing(path, target);
    });
}

}  // namespace

RunJournal::~RunJournal() {
    Close();
}

OsResult RunJournal::Open(const std::string& folder) {
    path_ = names_.Journal(folder);
    return fs_.CreateHeldFile(path_, kStaged, held_);
}

OsResult RunJournal::Reopen() {
    return held_ ? OsResult::Done() : fs_.CreateHeldFile(path_, kStaged, held_);
}

OsResult RunJournal::NoteCommitted() {
    return held_ ? held_->Rewrite(kCommitted) : OsResult::Failed();
}

void RunJournal::Close() {
    if (!held_ || leftovers_)
        return;
    held_.reset();
    if (!RetriedWithGrowingWaits(fs_, retries_, [this] { return fs_.RemoveFile(path_); }))
        leftovers_ = true;
}

OsResult FinishEndedRuns(FileSystem& fs, RetryBudget& retries, const std::string& journalFolder,
                         const std::vector<std::string>& packageFiles, const RunNames& own,
                         std::string& failedPath) {
    const std::vector<OtherRun> runs = FindRuns(fs, journalFolder, own);
    for (const std::string& folder : FoldersOf(packageFiles)) {
        for (const FolderEntry& entry : fs.ListFolder(folder.substr(0, folder.size() - 1))) {
            const std::optional<RunFileName> name = ParseRunFileName(entry.name);
            if (entry.isFolder || !name || name->kind == RunFileName::Kind::journal ||
                name->id == own.Id() || !IsOneOf(folder + name->target, packageFiles))
                continue;
            const OtherRun* run = RunOf(runs, name->id);
            if (run && run->running)
                continue;
            const OsResult finished = Finish(fs, retries, folder + entry.name, *name, folder,
                                             run ? run->state : EndedRunState::unknown);
            if (!finished) {
                failedPath = folder + entry.name;
                return finished;
            }
        }
    }
    // Nothing of theirs is left: their journals go too.
    for (const OtherRun& run : runs) {
        if (run.running)
            continue;
        if (OsResult removed = fs.RemoveFile(run.journal); !removed) {
            failedPath = run.journal;
            return removed;
        }
    }
    return OsResult::Done();
}
