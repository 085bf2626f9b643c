// The settings file across an update: what the main sequence does with it
// before extraction, after extraction, and at the end.
#pragma once

#include <optional>
#include <string>

#include "base/OsResult.h"

class FileSystem;
class IniDocument;
class RunNames;

// The product's settings file and its configuration file, formed from the
// install folder by plain concatenation, as the product itself does.
std::string SettingsFilePath(const std::string& installFolder);
std::string ConfigFilePath(const std::string& installFolder);

// What was found of the earlier installation's settings file.
enum class OldSettingsFile {
    none,        // no file: a first installation
    read,        // read into the old settings
    unreadable,  // there, but not to be read even after a few seconds' tries:
                 // it is the user's, and nothing may take its place
};

// Before extraction: reads the earlier installation's settings.
OldSettingsFile ReadOldSettings(FileSystem& fs, const std::string& installFolder,
                                IniDocument& oldSettings);

// After extraction: reads the package's default settings, from the file the
// extraction wrote or, when it left the user's file in place, from the
// content it handed back; carries the user's values into them and deletes
// the product's configuration file left by an earlier installation.
void AdoptDefaultSettings(FileSystem& fs, const std::string& installFolder,
                          IniDocument& oldSettings, IniDocument& defaultSettings,
                          const std::optional<std::string>& packageDefaults = std::nullopt);

// Last of the settings: the merged defaults replace the settings file in one
// step, staged under run's name. On failure the file stays as it was.
OsResult WriteSettings(FileSystem& fs, const std::string& installFolder,
                       const IniDocument& defaultSettings, const RunNames& run);
