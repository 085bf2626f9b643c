// The product's settings file read from its bytes. The reader of the file
// (LoadIniDocument) stands on this; so do the build's check of the default
// settings and the tests, which have bytes and no file system.
#pragma once

#include <functional>
#include <string>

#include "settings/IniDocument.h"

// Gives the bytes of the file that a "LINK" line names; false ends the reading.
using IniLinkReader = std::function<bool(const std::string& target, std::string& bytes)>;

// The document these bytes hold: an unnamed first section, then the lines. A
// "LINK" line is kept, and the reading goes on in the bytes that followLink
// gives for its value, which the rest of these bytes give way to. Without
// followLink, or when it gives nothing, the reading ends after that line.
IniDocument ParseIniDocument(std::string bytes, const IniLinkReader& followLink = nullptr);
