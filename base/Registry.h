// The registry as the setup uses it: one string value at a time.
#pragma once

#include <string>

#include "base/OsResult.h"

enum class RegRoot { ClassesRoot, CurrentUser, LocalMachine };

class Registry {
public:
    virtual ~Registry() = default;
    // Creates the key when missing and stores text as a string value; an empty
    // value name is the key's default value. Done when the value was set.
    virtual OsResult SetString(RegRoot root, const std::string& keyPath,
                               const std::string& valueName, const std::string& text) = 0;
    // The string value's text, one trailing NUL dropped, nothing expanded;
    // empty when the key or the value is missing.
    virtual std::string GetString(RegRoot root, const std::string& keyPath,
                                  const std::string& valueName) = 0;
};
