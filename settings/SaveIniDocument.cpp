#include "settings/SaveIniDocument.h"

#include "settings/IniDocument.h"
#include "base/FileSystem.h"
#include "base/Retry.h"

std::string FormatIniDocument(const IniDocument& document) {
    std::string out;
    for (const IniSection& section : document.Sections()) {
        if (!section.Name().empty())
            out += "[" + section.Name() + "]\r\n";
        for (const IniEntry& entry : section.Entries()) {
            if (!entry.key.empty())
                out += entry.key + "=";
            out += entry.value + "\r\n";
        }
    }
    return out;
}

OsResult SaveIniDocument(FileSystem& fs, const std::string& path, const IniDocument& document,
                         const std::string& stagedPath) {
    // Left by an earlier version of the setup, which kept the old file there
    // while it wrote the new one.
    fs.RemoveFile(path + ".bak");
    // The new content goes whole to the disk beside the file first and then
    // replaces it in one step: a setup stopped at any moment leaves either the
    // earlier file or the complete new one.
    OsResult saved = fs.WriteFlushedFile(stagedPath, FormatIniDocument(document));
    if (saved)
        saved = RetriedWithGrowingWaits(fs, [&] { return fs.MoveReplacing(stagedPath, path); });
    if (!saved)
        fs.RemoveFile(stagedPath);
    return saved;
}
