// Carrying the user's settings over an update of the product.
#pragma once

#include <string>

class IniDocument;

// Where the product looks for its updates.
extern const char kUpdateSiteUrl[];

// Changes the package's default settings in place: the user's language,
// recent files and PLC connection come from the old settings, the first-open
// flag, update site and last folder are forced, and the last transfer is
// cleared. Keys the default file lacks are appended in the order of these
// steps. Lookups in the old settings may add empty entries to it.
void MergeSettings(IniDocument& oldSettings, IniDocument& defaultSettings,
                   const std::string& installFolder);
