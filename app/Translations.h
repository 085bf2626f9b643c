// TEMPORARY STAND-IN for the translation catalogue: every key is its own
// EN-US text. Replaced by the real catalogue when that lands.
#pragma once

#include <string>

inline std::string Translate(const std::string& key, const std::string& /*language*/) {
    return key;
}
