// The real registry, through the wide registry functions; machine-wide keys
// in the 32-bit view (win/RegistryView.h).
#pragma once

#include "base/Registry.h"

class Win32Registry : public Registry {
public:
    OsResult SetString(RegRoot root, const std::string& keyPath, const std::string& valueName,
                       const std::string& text) override;
    std::string GetString(RegRoot root, const std::string& keyPath,
                          const std::string& valueName) override;
};
