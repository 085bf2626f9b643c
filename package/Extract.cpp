#include "package/Extract.h"

#include <utility>

#include "base/FileSystem.h"
#include "base/Path.h"
#include "base/Retry.h"
#include "package/Decompress.h"
#include "package/MyProgress.h"
#include "package/RunJournal.h"
#include "package/StagedFiles.h"

namespace {

// What one extraction works with.
struct Extraction {
    MyProgress& progress;
    StagedFiles& staged;
    PackageSettingsFile* settings;
    ExtractFailure& failure;
    ByteBuffer buffer;  // the previous file's output, handed on for the next one's

    bool IsSettings(const std::string& path) const { return settings && settings->path == path; }
    bool HoldsBack(const std::string& path) const {
        return IsSettings(path) && settings->usersFileThere;
    }
    bool Fail(ExtractStep step, const std::string& path, std::uint32_t osError) {
        failure = {step, path, osError};
        return false;
    }
};

bool StageFile(const FileGroup& group, int32_t i, const std::string& folder, Extraction& run) {
    const std::string path = folder + group.names[i];
    run.progress.Display().SetText(group.names[i]);
    DecompressResult file = DecompressBz2(
        group.streams[i], static_cast<size_t>(group.lengths[i]),
        [&run](int32_t consumed, int32_t total) {
            return run.progress.FileProgress(consumed, total);
        },
        std::move(run.buffer));
    if (!file.ok)
        return run.Fail(ExtractStep::unpack, path, 0);
    if (run.IsSettings(path))
        run.settings->packageContent = std::string(file.data.View());
    if (!run.HoldsBack(path)) {
        if (OsResult written = run.staged.Stage(path, file.data.View()); !written)
            return run.Fail(ExtractStep::write, path, written.error);
    }
    run.buffer = std::move(file.data);
    return true;
}

// Every folder the groups go to, the install folder first.
std::vector<std::string> TargetFolders(const std::vector<PackageGroup>& groups,
                                       const std::string& installFolder) {
    std::vector<std::string> folders;
    for (const PackageGroup& group : groups)
        folders.push_back(FolderPart(installFolder + group.tail));
    return folders;
}

// Where each file of the groups goes, in extraction order.
std::vector<std::string> PackageFiles(const std::vector<PackageGroup>& groups,
                                      const std::vector<std::string>& folders) {
    std::vector<std::string> files;
    for (size_t g = 0; g < groups.size(); ++g)
        for (int32_t i = 0; i < groups[g].files->count; ++i)
            files.push_back(folders[g] + groups[g].files->names[i]);
    return files;
}

// Makes the install folder, marks this run there and finishes what ended
// runs left, before this run writes a file of its own.
bool StartRun(const std::string& root, const std::vector<std::string>& files, RunJournal& journal,
              Extraction& run, FileSystem& fs) {
    if (OsResult made = run.staged.MakeFolder(root); !made)
        return run.Fail(ExtractStep::makeFolder, root, made.error);
    if (OsResult opened = journal.Open(root); !opened)
        return run.Fail(ExtractStep::startJournal, journal.Names().Journal(root), opened.error);
    std::string leftover;
    if (OsResult finished =
            FinishEndedRuns(fs, journal.Retries(), root, files, journal.Names(), leftover);
        !finished)
        return run.Fail(ExtractStep::finishEndedRun, leftover, finished.error);
    return true;
}

// An earlier file that another program holds (the product running) would
// refuse its replacement only at the commit, after every stream had been
// decoded and written: asked first, the user hears of it at once. A file
// waited for is named on the progress line, and the window opens meanwhile.
bool EarlierFilesReplaceable(const std::vector<std::string>& files, Extraction& run, FileSystem& fs,
                             RetryBudget& retries) {
    for (const std::string& file : files) {
        if (run.HoldsBack(file))
            continue;  // never replaced by the extraction
        bool waited = false;
        const OsResult free = RetriedWithGrowingWaits(fs, retries, [&] {
            if (std::exchange(waited, true))
                run.progress.Display().SetText(file.substr(FolderPart(file).size()));
            return fs.FileExists(file) ? fs.IsReplaceable(file) : OsResult::Done();
        });
        if (!free)
            return run.Fail(ExtractStep::replaceEarlier, file, free.error);
    }
    return true;
}

}  // namespace

bool ExtractPackage(const std::vector<PackageGroup>& groups, const std::string& installFolder,
                    MyProgress& progress, FileSystem& fs, RunJournal& journal,
                    ExtractFailure& failure, PackageSettingsFile* settings) {
    // Leaving this function early, by failure or exception, rolls back.
    StagedFiles staged(fs, journal);
    Extraction run{progress, staged, settings, failure, {}};
    const std::vector<std::string> folders = TargetFolders(groups, installFolder);
    if (folders.empty())
        return false;
    const std::vector<std::string> files = PackageFiles(groups, folders);
    if (!StartRun(folders.front(), files, journal, run, fs) ||
        !EarlierFilesReplaceable(files, run, fs, journal.Retries()))
        return false;
    int32_t done = 0;
    for (size_t g = 0; g < groups.size(); ++g) {
        // Checked even for a group without files: the product expects its folders.
        if (OsResult made = staged.MakeFolder(folders[g]); !made)
            return run.Fail(ExtractStep::makeFolder, folders[g], made.error);
        const FileGroup& files = *groups[g].files;
        for (int32_t i = 0; i < files.count; ++i) {
            if (!StageFile(files, i, folders[g], run))
                return false;
            done += files.lengths[i];
            progress.SetDoneBytes(done);
        }
    }
    std::string failedTarget;
    if (OsResult put = staged.Commit(failedTarget); !put)
        return run.Fail(ExtractStep::putInPlace, failedTarget, put.error);
    return true;
}

bool ExtractWithProgress(const std::vector<PackageGroup>& groups, const std::string& installFolder,
                         Progress& display, FileSystem& fs, RunJournal& journal,
                         ExtractFailure& failure, PackageSettingsFile* settings) {
    // Titled before the first position, which may already show the window.
    display.SetTitle("Setup progress");
    display.SetTextAlignLeft();
    MyProgress progress(display);
    progress.SetTotalBytes(TotalCompressedBytes(groups));
    progress.SetDoneBytes(0);
    return ExtractPackage(groups, installFolder, progress, fs, journal, failure, settings);
}
