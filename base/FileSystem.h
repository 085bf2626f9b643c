// The file operations the setup needs, behind an interface so that the logic
// that uses them can be tested without Windows. Paths are UTF-8. Operations
// answer the system's code of a refusal; questions answer only yes or no.
#pragma once

#include <memory>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/OsResult.h"

// One entry of a folder listing.
struct FolderEntry {
    std::string name;
    bool isFolder = false;
};

// A file kept open by this process, shared for reading but not for removal,
// so that another process can read it and can tell that it is held.
class HeldFile {
public:
    virtual ~HeldFile() = default;
    // Replaces the whole content, on the disk before answering.
    virtual OsResult Rewrite(std::string_view data) = 0;
};

// Which file a path reaches, as the system numbers it: the same for every
// spelling of the path (letter case, "." and doubled separators, short names)
// and for every second name of the file, so that a reader can tell a file it
// has read already however it is named.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;

    bool operator==(const FileIdentity& other) const {
        return volume == other.volume && index == other.index;
    }
    bool operator<(const FileIdentity& other) const {
        return volume != other.volume ? volume < other.volume : index < other.index;
    }
};

// The system's codes of the refusals that portable code tells apart: no file
// there at all, against one that is there and cannot be read.
constexpr std::uint32_t kFileNotFound = 2;
constexpr std::uint32_t kPathNotFound = 3;  // a folder of the path is missing
constexpr std::uint32_t kFileTooLarge = 223;

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Makes the folder and every missing parent, outermost first; stops at the
    // first level that can neither be made nor found. Done when it exists.
    virtual OsResult RealizeDirectory(const std::string& folder) = 0;
    // Reads a whole file; fails when it cannot be opened or read.
    virtual OsResult ReadFile(const std::string& path, std::string& data) = 0;
    virtual OsResult RemoveFile(const std::string& path) = 0;
    // Gives a file a new name in the same folder; fails when the file is missing
    // or a file of the new name exists, which is left as it is.
    virtual OsResult RenameFile(const std::string& from, const std::string& to) = 0;
    // The entries matching folder + "\\*" (plain concatenation: an empty folder
    // lists the current drive's root) in the order the system returns them,
    // "." and ".." left out, hidden and system entries kept. Empty when the
    // folder cannot be searched.
    virtual std::vector<FolderEntry> ListFolder(const std::string& folder) = 0;

    // Writing files beside their targets first and moving them into place later.
    // Writes data to a file at path, replacing one that is there, and makes the
    // system put it on the disk before answering. A failure may leave part of
    // the file behind, which the caller removes.
    virtual OsResult WriteFlushedFile(const std::string& path, std::string_view data) = 0;
    // Gives from the name to, replacing a file there in one step: at every
    // moment one of the two contents is found under to. Fails when from is
    // missing or to cannot be replaced (held open without delete sharing).
    virtual OsResult MoveReplacing(const std::string& from, const std::string& to) = 0;
    // Makes link a second name of the file existing, in the same folder. Fails
    // where the volume has no such names (FAT), when link exists, and when
    // existing is read-only: the two names share the attribute, which
    // replacing either takes off, so that the other would lose it.
    virtual OsResult LinkFile(const std::string& existing, const std::string& link) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // Whether the file could be replaced now: not while another program holds
    // it open without delete sharing (nor when it is missing), and then why not.
    virtual OsResult IsReplaceable(const std::string& path) = 0;
    virtual bool FolderExists(const std::string& folder) = 0;
    // Removes the folder only when it holds nothing.
    virtual OsResult RemoveEmptyFolder(const std::string& folder) = 0;

    // Makes a new file holding data and keeps it open for as long as held
    // lives: meanwhile IsReplaceable answers no for it, and when the process
    // ends, however it ends, the file stays and is no longer held. Fails when
    // a file of that name exists.
    virtual OsResult CreateHeldFile(const std::string& path, std::string_view data,
                                    std::unique_ptr<HeldFile>& held) = 0;
    // Lets time pass before a refused step is tried again, without leaving
    // the process's windows unanswered meanwhile.
    virtual void PauseBeforeRetry(int milliseconds) = 0;
    // Reads a whole file, when it holds at most limit bytes, and tells which
    // file it is. A larger file is not read at all: kFileTooLarge.
    virtual OsResult ReadIdentifiedFile(const std::string& path, std::size_t limit,
                                        std::string& data, FileIdentity& identity) = 0;
};
