// What an installation left, found as Windows finds it and listed as text:
// the files under the install folder, the registry entries the setup writes,
// each shortcut's target, arguments and icon, and the settings file.
#pragma once

#include <windows.h>

#include <string>

struct Installation {
    std::wstring folder;
    std::wstring foundBy;  // how the folder was found, in words
    REGSAM view = 0;       // the view of the machine-wide keys holding its uninstall entry
};

// Through the uninstall entry, in the 32-bit registry view (where either
// build writes it) or else the 64-bit one; without an entry, the folder the
// setup proposes.
Installation FindInstallation();
// An installation in a folder named by hand, its entry where the setup writes it.
Installation InstallationIn(const std::wstring& folder);

// The listing, UTF-8; false when the install folder does not exist.
bool ListInstallation(const Installation& installation, std::string& listing);
