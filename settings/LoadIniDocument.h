// Reading the product's settings file.
#pragma once

#include <cstddef>
#include <string>

#include "base/OsResult.h"

class FileSystem;
class IniDocument;

// How many "LINK" lines one load follows at most. A chain this long is no
// settings file anyone wrote.
constexpr int kMaxIniLinks = 16;

// The most bytes one load reads, its files together: 64 MiB. The document
// keeps the bytes and a view of each line; on the 32-bit setup that comes to
// about three times the bytes for random ones, and nine at the most (every
// line two bytes long): 600 MB at this limit, which the setup's 2 GB hold
// beside what the extraction that follows needs. The product's settings file
// takes a few KB.
constexpr std::size_t kIniLoadLimit = std::size_t{64} << 20;

// What a load found at the path.
enum class IniFile {
    read,        // the document holds the file's lines
    missing,     // no such file (nor folder): the document is as it was
    unreadable,  // a file is there but could not be read, or it holds more than
                 // the load's limit: the document is as it was
};

struct IniLoad {
    IniFile file = IniFile::read;
    OsResult why;  // the system's code when not read; kFileTooLarge past the limit

    explicit operator bool() const { return file == IniFile::read; }
};

// Reads the settings file at path into document. A file that is missing or
// cannot be read leaves the document exactly as it was, and the answer says
// which. Otherwise the document is replaced by the file's lines; a "LINK" line
// continues the reading in the file its value names, which the rest of the
// linking file gives way to. The reading ends with what was read at a link to
// a file that cannot be read, one already read in this load under whatever
// name, one that would pass the limit (the bytes of every file read, at most),
// or one past kMaxIniLinks.
IniLoad LoadIniDocument(FileSystem& fs, const std::string& path, IniDocument& document,
                        std::size_t limit = kIniLoadLimit);
