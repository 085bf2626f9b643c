#include "settings/SettingsFile.h"

#include "base/FileSystem.h"
#include "base/Path.h"
#include "base/ProductNames.h"
#include "base/Retry.h"
#include "base/RunNames.h"
#include "settings/LoadIniDocument.h"
#include "settings/MergeSettings.h"
#include "settings/ParseIniDocument.h"
#include "settings/SaveIniDocument.h"

std::string SettingsFilePath(const std::string& installFolder) {
    return installFolder + kSettingsFileTail;
}

std::string ConfigFilePath(const std::string& installFolder) {
    // The product program's folder already ends with a backslash; the doubled
    // one that follows is what the product uses, and Windows accepts it.
    return FolderPart(installFolder + kProgramTail) + "\\" + kConfigFileName;
}

namespace {

// Held by the product, a scanner or a backup for a moment: read as if it were
// missing, the user's values would all be emptied by the merge. A file too
// large to be a settings file does not change by waiting.
IniFile ReadPatiently(FileSystem& fs, RetryBudget& retries, const std::string& path,
                      IniDocument& document) {
    IniLoad load = LoadIniDocument(fs, path, document);
    if (load.file == IniFile::unreadable && load.why.error != kFileTooLarge) {
        RetriedWithGrowingWaits(fs, retries, [&] {
            load = LoadIniDocument(fs, path, document);
            return load.file == IniFile::unreadable ? load.why : OsResult::Done();
        });
    }
    return load.file;
}

}  // namespace

IniFile ReadOldSettings(FileSystem& fs, RetryBudget& retries, const std::string& installFolder,
                        IniDocument& oldSettings) {
    const std::string path = SettingsFilePath(installFolder);
    const IniFile file = ReadPatiently(fs, retries, path, oldSettings);
    if (file != IniFile::missing)
        return file;
    // An earlier version of the setup moved the file aside while it wrote the
    // new one; where that failed, the backup holds the user's settings.
    return ReadPatiently(fs, retries, IniBackupPath(path), oldSettings);
}

void AdoptDefaultSettings(FileSystem& fs, const std::string& installFolder,
                          IniDocument& oldSettings, IniDocument& defaultSettings,
                          const std::string& packageDefaults) {
    defaultSettings = ParseIniDocument(packageDefaults);
    MergeSettings(oldSettings, defaultSettings, installFolder);
    // Missing on a first installation: nothing to delete is no failure.
    fs.RemoveFile(ConfigFilePath(installFolder));
}

OsResult WriteSettings(FileSystem& fs, RetryBudget& retries, const std::string& installFolder,
                       const IniDocument& defaultSettings, const RunNames& run) {
    const std::string path = SettingsFilePath(installFolder);
    return SaveIniDocument(fs, retries, path, defaultSettings, run.Staged(path));
}
