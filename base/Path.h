// Windows path text handled as plain strings: no file system access here.
#pragma once

#include <string>
#include <vector>

// Appends name to folder with one backslash between them, only when folder is
// not empty, does not end in a backslash and name does not begin with one.
std::string AppendFileName(const std::string& folder, const std::string& name);

// Everything up to and including the last "\", "/" or ":"; empty when there is none.
std::string FolderPart(const std::string& path);

// The levels of a folder path from the outermost inward, each a full path:
// "C:\A\B" gives "C:\A", "C:\A\B". The drive, the "\\server\share" of a UNC
// path and a leading separator are a root, not a level; empty components
// (doubled or trailing separators) are skipped.
std::vector<std::string> FolderLevels(const std::string& folder);

// The path with each run of backslashes inside it made one; the two that
// begin a path such as \\server\share or \\?\C:\ stay. C:\A\\B gives C:\A\B.
std::string CollapseSeparators(const std::string& path);
