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

    // Writing files beside their targets first and moving them into place later.
    // Writes data to a file at path, replacing one that is there, and makes the
    // system put it on the disk before answering. A failure may leave part of
    // the file behind, which the caller removes.
    virtual bool WriteFlushedFile(const std::string& path, std::string_view data) = 0;
    // Gives from the name to, replacing a file there in one step: at every
    // moment one of the two contents is found under to. Fails when from is
    // missing or to cannot be replaced (held open without delete sharing).
    virtual bool MoveReplacing(const std::string& from, const std::string& to) = 0;
    // Makes link a second name of the file existing, in the same folder. Fails
    // where the volume has no such names (FAT) or when link exists.
    virtual bool LinkFile(const std::string& existing, const std::string& link) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // Whether the file could be replaced now: false while another program holds
    // it open without delete sharing.
    virtual bool IsReplaceable(const std::string& path) = 0;
    virtual bool FolderExists(const std::string& folder) = 0;
    // Removes the folder only when it holds nothing.
    virtual bool RemoveEmptyFolder(const std::string& folder) = 0;
};
