// Shortcut requests compared whole in the tests, and shown field by field
// when they differ.
#pragma once

#include <ostream>
#include <tuple>

#include "base/ShortcutWriter.h"

inline bool operator==(const ShortcutRequest& a, const ShortcutRequest& b) {
    const auto fields = [](const ShortcutRequest& r) {
        return std::tie(r.target, r.arguments, r.linkPath, r.description, r.iconPath, r.iconIndex);
    };
    return fields(a) == fields(b);
}

// Found by GoogleTest next to the type, for its failure messages.
inline void PrintTo(const ShortcutRequest& r, std::ostream* out) {
    *out << "{target '" << r.target << "', arguments '" << r.arguments << "', link '" << r.linkPath
         << "', description '" << r.description << "', icon '" << r.iconPath << "' " << r.iconIndex
         << "}";
}
