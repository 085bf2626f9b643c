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

OldSettingsFile ReadOldSettings(FileSystem& fs, const std::string& installFolder,
                                IniDocument& oldSettings) {
    const std::string path = SettingsFilePath(installFolder);
    if (LoadIniDocument(fs, path, oldSettings))
        return OldSettingsFile::read;
    if (!fs.FileExists(path))
        return OldSettingsFile::none;
    // Held by the product, a scanner or a backup for a moment: read as if it
    // were missing, the user's values would all be emptied by the merge.
    const OsResult read = RetriedWithGrowingWaits(fs, [&] {
        return LoadIniDocument(fs, path, oldSettings) ? OsResult::Done() : OsResult::Failed();
    });
    return read ? OldSettingsFile::read : OldSettingsFile::unreadable;
}

void AdoptDefaultSettings(FileSystem& fs, const std::string& installFolder,
                          IniDocument& oldSettings, IniDocument& defaultSettings,
                          const std::optional<std::string>& packageDefaults) {
    if (packageDefaults)
        defaultSettings = ParseIniDocument(*packageDefaults);
    else
        LoadIniDocument(fs, SettingsFilePath(installFolder), defaultSettings);
    MergeSettings(oldSettings, defaultSettings, installFolder);
    // Missing on a first installation: nothing to delete is no failure.
    fs.RemoveFile(ConfigFilePath(installFolder));
}

OsResult WriteSettings(FileSystem& fs, const std::string& installFolder,
                       const IniDocument& defaultSettings, const RunNames& run) {
    const std::string path = SettingsFilePath(installFolder);
    return SaveIniDocument(fs, path, defaultSettings, run.Staged(path));
}
