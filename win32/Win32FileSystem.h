// The real file system, through the wide file functions, at any path length
// (win32/WidePath.h).
#pragma once

#include "base/FileSystem.h"

class Win32FileSystem : public FileSystem {
public:
    // How the thread lets the time between two tries pass. A program with
    // windows hands in a wait that keeps them answering meanwhile (the layer
    // that owns the message loop has it); without one the thread sleeps.
    using Wait = void (*)(int milliseconds);
    explicit Win32FileSystem(Wait waitBeforeRetry = nullptr) : waitBeforeRetry_(waitBeforeRetry) {}

    OsResult RealizeDirectory(const std::string& folder) override;
    OsResult ReadFile(const std::string& path, std::string& data) override;
    OsResult RemoveFile(const std::string& path) override;
    OsResult RenameFile(const std::string& from, const std::string& to) override;
    std::vector<FolderEntry> ListFolder(const std::string& folder) override;

    OsResult WriteFlushedFile(const std::string& path, std::string_view data) override;
    OsResult MoveReplacing(const std::string& from, const std::string& to) override;
    OsResult LinkFile(const std::string& existing, const std::string& link) override;
    bool FileExists(const std::string& path) override;
    OsResult IsReplaceable(const std::string& path) override;
    bool FolderExists(const std::string& folder) override;
    OsResult RemoveEmptyFolder(const std::string& folder) override;
    OsResult CreateHeldFile(const std::string& path, std::string_view data,
                            std::unique_ptr<HeldFile>& held) override;
    void PauseBeforeRetry(int milliseconds) override;

    OsResult ReadIdentifiedFile(const std::string& path, std::size_t limit, std::string& data,
                                FileIdentity& identity) override;

private:
    Wait waitBeforeRetry_;
};
