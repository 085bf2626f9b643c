#include "settings/SettingsFile.h"

#include "settings/LoadIniDocument.h"
#include "settings/MergeSettings.h"
#include "settings/SaveIniDocument.h"
#include "base/FileSystem.h"
#include "base/Path.h"
#include "base/ProductNames.h"

std::string SettingsFilePath(const std::string& installFolder) {
    return installFolder + kSettingsFileTail;
}

std::string ConfigFilePath(const std::string& installFolder) {
    // The product program's folder already ends with a backslash; the doubled
    // one that follows is what the product uses, and Windows accepts it.
    return FolderPart(installFolder + kProgramTail) + "\\" + kConfigFileName;
}

void ReadOldSettings(FileSystem& fs, const std::string& installFolder, IniDocument& oldSettings) {
    LoadIniDocument(fs, SettingsFilePath(installFolder), oldSettings);
}

void AdoptDefaultSettings(FileSystem& fs, const std::string& installFolder,
                          IniDocument& oldSettings, IniDocument& defaultSettings) {
    LoadIniDocument(fs, SettingsFilePath(installFolder), defaultSettings);
    MergeSettings(oldSettings, defaultSettings, installFolder);
    // Missing on a first installation: nothing to delete is no failure.
    fs.RemoveFile(ConfigFilePath(installFolder));
}

bool WriteSettings(FileSystem& fs, const std::string& installFolder,
                   const IniDocument& defaultSettings) {
    return SaveIniDocument(fs, SettingsFilePath(installFolder), defaultSettings);
}
