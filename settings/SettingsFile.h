// The settings file across an update: what the main sequence does with it
// before extraction, after extraction, and at the end.
#pragma once

#include <string>

class FileSystem;
class IniDocument;

// The product's settings file and its configuration file, formed from the
// install folder by plain concatenation, as the product itself does.
std::string SettingsFilePath(const std::string& installFolder);
std::string ConfigFilePath(const std::string& installFolder);

// Before extraction replaces the settings file with the package's default:
// reads the earlier installation's settings. No file: they stay empty.
void ReadOldSettings(FileSystem& fs, const std::string& installFolder, IniDocument& oldSettings);

// After extraction: reads the package's default settings, carries the user's
// values into them and deletes the product's configuration file left by an
// earlier installation.
void AdoptDefaultSettings(FileSystem& fs, const std::string& installFolder,
                          IniDocument& oldSettings, IniDocument& defaultSettings);

// Last of the settings: the merged defaults replace the settings file.
bool WriteSettings(FileSystem& fs, const std::string& installFolder,
                   const IniDocument& defaultSettings);
