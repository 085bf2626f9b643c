// The file operations the setup needs, behind an interface so that the logic
// that uses them can be tested without Windows. Paths are UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// One entry of a folder listing.
struct FolderEntry {
    std::string name;
    bool isFolder = false;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Replaces the file with data, all or nothing: the bytes go to a temporary
    // file in the same folder, which then takes the target's place. A target that
    // cannot be replaced (locked, read-only) keeps its earlier content.
    virtual bool SaveFile(const std::string& path, std::string_view data) = 0;
    // Makes the folder and every missing parent, outermost first; stops at the
    // first level that can neither be made nor found. Answers whether it exists.
    virtual bool RealizeDirectory(const std::string& folder) = 0;
    // Reads a whole file; false when it cannot be opened or read.
    virtual bool ReadFile(const std::string& path, std::string& data) = 0;
    virtual bool RemoveFile(const std::string& path) = 0;
    // Gives a file a new name in the same folder; fails when the file is missing
    // or a file of the new name exists, which is left as it is.
    virtual bool RenameFile(const std::string& from, const std::string& to) = 0;
    // The entries matching folder + "\\*" (plain concatenation: an empty folder
    // lists the current drive's root) in the order the system returns them,
    // "." and ".." left out, hidden and system entries kept. Empty when the
    // folder cannot be searched.
    virtual std::vector<FolderEntry> ListFolder(const std::string& folder) = 0;
};
