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

// The most memory one load may take: the bytes of the files it reads and what
// their lines can become in the document (see LoadIniDocument.cpp). The
// product's settings file takes a few KB; a file of random bytes costs about
// ten times its size once every short run between control characters is a
// line of its own, so without a bound a large one could take more than the
// 32-bit setup can hold.
constexpr std::size_t kIniLoadBudget = 4u << 20;

// What a load found at the path.
enum class IniFile {
    read,        // the document holds the file's lines
    missing,     // no such file (nor folder): the document is as it was
    unreadable,  // a file is there but could not be read, or it would take more
                 // than kIniLoadBudget: the document is as it was
};

struct IniLoad {
    IniFile file = IniFile::read;
    OsResult why;  // the system's code when not read; kFileTooLarge past the budget

    explicit operator bool() const { return file == IniFile::read; }
};

// Reads the settings file at path into document. A file that is missing or
// cannot be read leaves the document exactly as it was, and the answer says
// which. Otherwise the document is replaced by the file's lines; a "LINK" line
// continues the reading in the file its value names, which the rest of the
// linking file gives way to. The reading ends with what was read at a link to
// a file that cannot be read, one already read in this load under whatever
// name, one that would pass the budget, or one past kMaxIniLinks.
IniLoad LoadIniDocument(FileSystem& fs, const std::string& path, IniDocument& document);
