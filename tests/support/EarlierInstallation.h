// An earlier installation for an update to run over, written through the
// file-system port: the same one for the unit tests' memory file systems and
// for the real disk under Wine.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/FileSystem.h"
#include "base/Path.h"
#include "base/ProductNames.h"
#include "settings/SettingsFile.h"
#include "support/SettingsExample.h"

// One file of a product: where it goes below the install folder
// ("Support\\AppIcons.icl") and its bytes.
struct ProductFile {
    std::string tail;
    std::string content;
};

// The file's earlier version: of the same size, its first bytes another text.
inline std::string EarlierVersion(std::string content) {
    const std::string mark = "earlier version ";
    return content.replace(0, std::min(mark.size(), content.size()), mark, 0, content.size());
}

inline bool WriteEarlierFile(FileSystem& fs, const std::string& path, const std::string& data) {
    if (fs.RealizeDirectory(FolderPart(path)) && fs.WriteFlushedFile(path, data))
        return true;
    ADD_FAILURE() << "cannot write " << path;
    return false;
}

// Writes into folder each of product's files in its earlier version, the
// user's settings (ExampleOldSettingsFile) in place of the product's, the
// configuration file, which only a completed update deletes, under the path
// the product gives it, and a file of the user's own, which every update leaves.
inline bool MakeEarlierInstallation(FileSystem& fs, const std::string& folder,
                                    const std::vector<ProductFile>& product) {
    const std::string settings = folder + kSettingsFileTail;
    bool written = WriteEarlierFile(fs, settings, ExampleOldSettingsFile());
    for (const ProductFile& file : product) {
        const std::string path = folder + "\\" + file.tail;
        if (path != settings)
            written = WriteEarlierFile(fs, path, EarlierVersion(file.content)) && written;
    }
    written = WriteEarlierFile(fs, ConfigFilePath(folder), "the earlier configuration") && written;
    return WriteEarlierFile(fs, folder + "\\Documentations\\my notes.txt", "the user's own") &&
           written;
}
