#include "settings/SaveIniDocument.h"

#include "settings/IniDocument.h"
#include "win/FileSystem.h"

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

bool SaveIniDocument(FileSystem& fs, const std::string& path, const IniDocument& document) {
    const std::string backup = path + ".bak";
    fs.RemoveFile(backup);
    // Fails when there is no earlier file, which is fine.
    const bool keptEarlier = fs.RenameFile(path, backup);
    if (!fs.SaveFile(path, FormatIniDocument(document))) {
        // Deleting the backup now would lose the user's only copy of the settings.
        if (keptEarlier)
            fs.RenameFile(backup, path);
        return false;
    }
    fs.RemoveFile(backup);
    return true;
}
