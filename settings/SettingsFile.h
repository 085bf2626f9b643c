// The settings file across an update: what the main sequence does with it
// before extraction, after extraction, and at the end.
#pragma once

#include <string>

#include "base/OsResult.h"
#include "settings/LoadIniDocument.h"

class FileSystem;
class IniDocument;
class RetryBudget;
class RunNames;

// The product's settings file and its configuration file, formed from the
// install folder by plain concatenation, as the product itself does.
std::string SettingsFilePath(const std::string& installFolder);
std::string ConfigFilePath(const std::string& installFolder);

// Before extraction: reads the earlier installation's settings, and answers
// what it found there. A file that is there but cannot be read is tried again
// for a few seconds, as far as the run's retries allow; if it still cannot
// be, it is the user's, and nothing may take its place. Without a settings
// file, the backup that an earlier version's failed save left stands for it
// (read from, and kept).
IniFile ReadOldSettings(FileSystem& fs, RetryBudget& retries, const std::string& installFolder,
                        IniDocument& oldSettings);

// After extraction: takes the package's default settings as the extraction
// handed them over, carries the user's values into them and deletes the
// product's configuration file left by an earlier installation.
void AdoptDefaultSettings(FileSystem& fs, const std::string& installFolder,
                          IniDocument& oldSettings, IniDocument& defaultSettings,
                          const std::string& packageDefaults);

// Last of the settings: the merged defaults replace the settings file in one
// step, staged under run's name. On failure the file stays as it was.
OsResult WriteSettings(FileSystem& fs, RetryBudget& retries, const std::string& installFolder,
                       const IniDocument& defaultSettings, const RunNames& run);
