// Reading the product's settings file.
#pragma once

#include <string>

class FileSystem;
class IniDocument;

// How many "LINK" lines one load follows at most. A chain this long is no
// settings file anyone wrote; it is most likely a loop through different
// spellings of one path.
constexpr int kMaxIniLinks = 16;

// Reads the settings file at path into document. A file that cannot be opened
// leaves the document exactly as it was and answers false. Otherwise the
// document is replaced by the file's lines; a "LINK" line continues the
// reading in the file its value names, which the rest of the linking file
// gives way to. A link to a file already read in this load, one that cannot
// be opened, or one past kMaxIniLinks ends the reading with what was read.
bool LoadIniDocument(FileSystem& fs, const std::string& path, IniDocument& document);
