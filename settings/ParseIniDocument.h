// The product's settings file read from its bytes. The reader of the file
// (LoadIniDocument) stands on this; so do the build's check of the default
// settings and the tests, which have bytes and no file system.
#pragma once

#include <string>

#include "settings/IniDocument.h"

// Where the reading goes on after a "LINK" line. An interface rather than a
// std::function: the setup carries this code, and its size counts.
class IniLinkReader {
public:
    // The bytes of the file that a "LINK" line names; false ends the reading.
    virtual bool Read(const std::string& target, std::string& bytes) = 0;

protected:
    ~IniLinkReader() = default;
};

// The document these bytes hold: an unnamed first section, then the lines. A
// "LINK" line is kept, and the reading goes on in the bytes that links gives
// for its value, which the rest of these bytes give way to. Without links, or
// when it gives nothing, the reading ends after that line.
IniDocument ParseIniDocument(std::string bytes, IniLinkReader* links = nullptr);
