// A file system in memory for native tests; paths are taken as plain strings.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <vector>
#include <set>
#include <string>

#include "base/FileSystem.h"
#include "base/Path.h"

class MemoryFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    std::set<std::string> locked;  // paths whose save fails, keeping the old content
    // What ListFolder answers for a folder, in the system's order; none: empty.
    std::map<std::string, std::vector<FolderEntry>> listings;
    // Held open elsewhere with read and write sharing but not delete sharing,
    // as the C runtime's fopen does: they can be written, not replaced,
    // renamed or removed.
    std::set<std::string> sharedWithoutDelete;
    bool hardLinks = true;       // false: a volume without second names (FAT)
    bool strictFolders = false;  // true: files go only into folders that exist
    // What every refusal answers, for a test that follows a system's code
    // (a full disk, a sharing violation) to where the failure is reported.
    std::uint32_t failureCode = OsResult::kNoCode;

    OsResult RealizeDirectory(const std::string& folder) override {
        for (const std::string& level : FolderLevels(folder)) folders.insert(level);
        return OsResult::Done();
    }
    OsResult ReadFile(const std::string& path, std::string& data) override {
        auto it = files.find(path);
        if (it == files.end())
            return Refused();
        data = it->second;
        return OsResult::Done();
    }
    OsResult RemoveFile(const std::string& path) override {
        return Answer(Movable(path) && files.erase(path) > 0);
    }
    OsResult RenameFile(const std::string& from, const std::string& to) override {
        auto it = files.find(from);
        if (it == files.end() || files.count(to) || !Movable(from) || !InFolder(to))
            return Refused();
        files[to] = std::move(it->second);
        files.erase(from);
        return OsResult::Done();
    }
    std::vector<FolderEntry> ListFolder(const std::string& folder) override {
        auto it = listings.find(folder);
        return it == listings.end() ? std::vector<FolderEntry>() : it->second;
    }

    OsResult WriteFlushedFile(const std::string& path, std::string_view data) override {
        if (locked.count(path) || !InFolder(path))
            return Refused();
        files[path] = std::string(data);
        return OsResult::Done();
    }
    OsResult MoveReplacing(const std::string& from, const std::string& to) override {
        auto it = files.find(from);
        if (it == files.end() || !Movable(from) || !Movable(to) || !InFolder(to))
            return Refused();
        std::string data = std::move(it->second);
        files.erase(it);
        files[to] = std::move(data);
        return OsResult::Done();
    }
    // Neither name is written to in place afterwards, so a copy behaves as a
    // second name; whoever holds the file holds it under both.
    OsResult LinkFile(const std::string& existing, const std::string& link) override {
        auto it = files.find(existing);
        if (!hardLinks || it == files.end() || files.count(link))
            return Refused();
        files[link] = it->second;
        if (locked.count(existing))
            locked.insert(link);
        if (sharedWithoutDelete.count(existing))
            sharedWithoutDelete.insert(link);
        return OsResult::Done();
    }
    bool FileExists(const std::string& path) override { return files.count(path) > 0; }
    OsResult IsReplaceable(const std::string& path) override {
        return Answer(files.count(path) > 0 && Movable(path));
    }
    bool FolderExists(const std::string& folder) override {
        return folders.count(WithoutTrailingSeparator(folder)) > 0;
    }
    OsResult RemoveEmptyFolder(const std::string& folder) override {
        const std::string name = WithoutTrailingSeparator(folder);
        const std::string inside = name + "\\";
        auto within = [&inside](const std::string& path) { return path.rfind(inside, 0) == 0; };
        for (const auto& [path, data] : files)
            if (within(path))
                return Refused();
        for (const std::string& path : folders)
            if (within(path))
                return Refused();
        return Answer(folders.erase(name) > 0);
    }

    // Other names of files, each leading to the file of the name it maps to:
    // other spellings of its path, or second names. Only reading by identity
    // follows them.
    std::map<std::string, std::string> otherNames;

    OsResult ReadIdentifiedFile(const std::string& path, std::size_t limit, std::string& data,
                                FileIdentity& identity) override {
        auto other = otherNames.find(path);
        const std::string& name = other == otherNames.end() ? path : other->second;
        auto it = files.find(name);
        if (it == files.end())
            return OsResult::Failed(kFileNotFound);
        identity = {0, std::hash<std::string>()(name)};
        if (it->second.size() > limit)
            return OsResult::Failed(kFileTooLarge);
        data = it->second;
        return OsResult::Done();
    }

protected:
    OsResult Refused() const { return OsResult::Failed(failureCode); }
    OsResult Answer(bool done) const { return done ? OsResult::Done() : Refused(); }

private:
    static std::string WithoutTrailingSeparator(std::string path) {
        while (!path.empty() && path.back() == '\\') path.pop_back();
        return path;
    }
    bool Movable(const std::string& path) const {
        return !locked.count(path) && !sharedWithoutDelete.count(path);
    }
    bool InFolder(const std::string& path) const {
        const std::string folder = WithoutTrailingSeparator(FolderPart(path));
        return !strictFolders || folder.empty() || folder.back() == ':' || folders.count(folder);
    }
};
