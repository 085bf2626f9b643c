// The real registry, through the wide registry functions.
#pragma once

#include "win/Registry.h"

class Win32Registry : public Registry {
public:
    bool SetString(RegRoot root, const std::string& keyPath, const std::string& valueName,
                   const std::string& text) override;
    std::string GetString(RegRoot root, const std::string& keyPath,
                          const std::string& valueName) override;
};
