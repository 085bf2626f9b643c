#include "package/Extract.h"

#include "package/Decompress.h"
#include "package/MyProgress.h"
#include "package/StagedFiles.h"
#include "base/FileSystem.h"
#include "base/Path.h"

#include <utility>

namespace {

// buffer: the previous file's output, handed on for this file's.
bool StageFile(const FileGroup& group, int32_t i, const std::string& folder, MyProgress& progress,
               StagedFiles& staged, ByteBuffer& buffer, ExtractFailure& failure) {
    const std::string path = folder + group.names[i];
    progress.Display().SetText(group.names[i]);
    DecompressResult file = DecompressBz2(
        group.streams[i], static_cast<size_t>(group.lengths[i]),
        [&progress](int32_t consumed, int32_t total) {
            return progress.FileProgress(consumed, total);
        },
        std::move(buffer));
    if (!file.ok) {
        failure = {path, "could not unpack: " + file.error};
        return false;
    }
    if (OsResult written = staged.Stage(path, file.data.View()); !written) {
        failure = {path, "could not write the file", written.error};
        return false;
    }
    buffer = std::move(file.data);
    return true;
}

}  // namespace

bool ExtractPackage(const std::vector<PackageGroup>& groups, const std::string& installFolder,
                    MyProgress& progress, FileSystem& fs, ExtractFailure& failure) {
    // Leaving this function early, by failure or exception, rolls back.
    StagedFiles staged(fs);
    int32_t done = 0;
    ByteBuffer buffer;
    for (const PackageGroup& group : groups) {
        const std::string folder = installFolder + group.tail;
        // Checked even for a group without files: the product expects its folders.
        if (OsResult made = staged.MakeFolder(FolderPart(folder)); !made) {
            failure = {folder, "could not make the folder", made.error};
            return false;
        }
        for (int32_t i = 0; i < group.files->count; ++i) {
            if (!StageFile(*group.files, i, folder, progress, staged, buffer, failure))
                return false;
            done += group.files->lengths[i];
            progress.SetDoneBytes(done);
        }
    }
    std::string failedTarget;
    if (OsResult put = staged.Commit(failedTarget); !put) {
        failure = {failedTarget, "could not put the new file in place", put.error};
        return false;
    }
    return true;
}

bool ExtractWithProgress(const std::vector<PackageGroup>& groups, const std::string& installFolder,
                         Progress& display, FileSystem& fs, ExtractFailure& failure) {
    MyProgress progress(display);
    progress.SetTotalBytes(TotalCompressedBytes(groups));
    progress.SetDoneBytes(0);
    display.SetTitle("Setup progress");
    display.SetTextAlignLeft();
    return ExtractPackage(groups, installFolder, progress, fs, failure);
}
