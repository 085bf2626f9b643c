// Shortcut files read back the way the shell reads them.
#pragma once

#include <optional>
#include <ostream>
#include <string>

struct LinkFields {
    std::wstring target, arguments, description, iconPath;
    int iconIndex = -1;
};
bool operator==(const LinkFields& a, const LinkFields& b);
std::ostream& operator<<(std::ostream& out, const LinkFields& link);

// The fields of the shortcut file at path; nullopt when it cannot be read.
std::optional<LinkFields> LoadLink(const std::wstring& path);
