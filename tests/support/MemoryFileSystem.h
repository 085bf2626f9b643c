// A file system in memory for native tests; paths are taken as plain strings.
#pragma once

#include <map>
#include <vector>
#include <set>
#include <string>

#include "win/FileSystem.h"
#include "win/Path.h"

class MemoryFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    std::set<std::string> locked;  // paths whose save fails, keeping the old content
    // What ListFolder answers for a folder, in the system's order; none: empty.
    std::map<std::string, std::vector<FolderEntry>> listings;

    bool SaveFile(const std::string& path, std::string_view data) override {
        if (locked.count(path))
            return false;
        files[path] = std::string(data);
        return true;
    }
    bool RealizeDirectory(const std::string& folder) override {
        for (const std::string& level : FolderLevels(folder)) folders.insert(level);
        return true;
    }
    bool ReadFile(const std::string& path, std::string& data) override {
        auto it = files.find(path);
        if (it == files.end())
            return false;
        data = it->second;
        return true;
    }
    bool RemoveFile(const std::string& path) override { return files.erase(path) > 0; }
    bool RenameFile(const std::string& from, const std::string& to) override {
        auto it = files.find(from);
        if (it == files.end() || files.count(to))
            return false;
        files[to] = std::move(it->second);
        files.erase(from);
        return true;
    }
    std::vector<FolderEntry> ListFolder(const std::string& folder) override {
        auto it = listings.find(folder);
        return it == listings.end() ? std::vector<FolderEntry>() : it->second;
    }
};
