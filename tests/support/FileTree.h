// Every file and folder below a root, read through the file-system port: one
// reader for the memory file systems of the unit tests and for the real disk
// under Wine, so that whole trees compare byte for byte in both.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>

#include "base/FileSystem.h"

struct FileTree {
    // Each path below the root, starting with a separator, with its bytes; a
    // folder's path ends with a separator and holds nothing.
    std::map<std::string, std::string> entries;

    bool operator==(const FileTree& other) const { return entries == other.entries; }
    bool operator!=(const FileTree& other) const { return !(*this == other); }
};

inline void AddFolder(FileSystem& fs, const std::string& folder, const std::string& below,
                      FileTree& tree) {
    for (const FolderEntry& entry : fs.ListFolder(folder)) {
        const std::string path = folder + "\\" + entry.name, key = below + "\\" + entry.name;
        if (entry.isFolder) {
            tree.entries[key + "\\"];
            AddFolder(fs, path, key, tree);
        } else if (!fs.ReadFile(path, tree.entries[key])) {
            ADD_FAILURE() << "cannot read " << path;
        }
    }
}

// What root holds now; a file that cannot be read fails the test.
inline FileTree ReadTree(FileSystem& fs, const std::string& root) {
    FileTree tree;
    AddFolder(fs, root, "", tree);
    return tree;
}

// Names and sizes only: what a failed comparison shows.
inline void PrintTo(const FileTree& tree, std::ostream* os) {
    for (const auto& [path, data] : tree.entries) *os << "\n  " << path << " " << data.size();
}
