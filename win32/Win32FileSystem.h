// The real file system, through the wide file functions.
#pragma once

#include "base/FileSystem.h"

class Win32FileSystem : public FileSystem {
public:
    bool RealizeDirectory(const std::string& folder) override;
    bool ReadFile(const std::string& path, std::string& data) override;
    bool RemoveFile(const std::string& path) override;
    bool RenameFile(const std::string& from, const std::string& to) override;
    std::vector<FolderEntry> ListFolder(const std::string& folder) override;

    bool WriteFlushedFile(const std::string& path, std::string_view data) override;
    bool MoveReplacing(const std::string& from, const std::string& to) override;
    bool LinkFile(const std::string& existing, const std::string& link) override;
    bool FileExists(const std::string& path) override;
    bool IsReplaceable(const std::string& path) override;
    bool FolderExists(const std::string& folder) override;
    bool RemoveEmptyFolder(const std::string& folder) override;
};
