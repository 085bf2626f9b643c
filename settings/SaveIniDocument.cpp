#include "settings/SaveIniDocument.h"

#include "settings/IniDocument.h"
#include "base/FileSystem.h"
#include "base/Retry.h"

std::string FormatIniDocument(const IniDocument& document) {
    std::string out;
    for (const IniSection& section : document.Sections()) {
        if (!section.Name().empty()) {
            out += '[';
            out += section.Name();
            out += "]\r\n";
        }
        for (const IniEntry& entry : section.Entries()) {
            if (!entry.key.empty()) {
                out += entry.key;
                out += '=';
            }
            out += entry.value;
            out += "\r\n";
        }
    }
    return out;
}

OsResult SaveIniDocument(FileSystem& fs, RetryBudget& retries, const std::string& path,
                         const IniDocument& document, const std::string& stagedPath) {
    // Left by an earlier version of the setup, which kept the old file there
    // while it wrote the new one. Beside the file it is a leftover; without
    // it, that version failed to write the new file, and the backup is the
    // only copy of the user's settings: it stays, and they are read from it.
    if (fs.FileExists(path))
        fs.RemoveFile(IniBackupPath(path));
    // The new content goes whole to the disk beside the file first and then
    // replaces it in one step: a setup stopped at any moment leaves either the
    // earlier file or the complete new one.
    OsResult saved = fs.WriteFlushedFile(stagedPath, FormatIniDocument(document));
    if (saved)
        saved = RetriedWithGrowingWaits(fs, retries,
                                        [&] { return fs.MoveReplacing(stagedPath, path); });
    if (!saved)
        fs.RemoveFile(stagedPath);
    return saved;
}
