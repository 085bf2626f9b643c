// The entry that lists the product among the installed programs of Windows.
#pragma once

#include <string>

class Registry;

// The key under HKEY_LOCAL_MACHINE that holds the entry named displayName.
std::string UninstallKey(const std::string& displayName);

// Writes "DisplayName" and "UninstallString" (the quoted program followed
// directly by suffix) under the entry's key; other values there stay. Each
// write is attempted whatever the other did; failures are not reported.
void RegisterUninstall(Registry& registry, const std::string& program,
                       const std::string& displayName, const std::string& suffix);
