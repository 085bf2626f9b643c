// A file system in memory that fails on purpose, for tests that an operation
// leaves a consistent state whichever of its steps goes wrong. Every change to
// files or folders counts as one step, and writing a file as three: creating
// it, writing its bytes, flushing them. The failing steps answer failureCode.
#pragma once

#include "support/MemoryFileSystem.h"

class FaultyFileSystem : public MemoryFileSystem {
public:
    enum class Fault {
        once,      // only step failAt fails, as a single refused call would
        diskFull,  // from step failAt on, every step that needs space fails
    };

    int failAt = 0;  // counted from 1; 0 fails nothing
    Fault fault = Fault::once;
    int steps = 0;  // taken so far

    // What a process stopped by force just before each step leaves on the
    // disk, when asked for: the files and folders as they were then.
    struct Snapshot {
        std::map<std::string, std::string> files;
        std::set<std::string> folders;
    };
    bool takeSnapshots = false;
    std::vector<Snapshot> snapshots;

    OsResult WriteFlushedFile(const std::string& path, std::string_view data) override {
        if (Fails(kNeedsSpace))  // not even created
            return Refused();
        if (OsResult created = MemoryFileSystem::WriteFlushedFile(path, {}); !created)
            return created;
        if (Fails(kNeedsSpace)) {  // what fitted stays behind
            files[path] = std::string(data.substr(0, data.size() / 2));
            return Refused();
        }
        files[path] = std::string(data);
        return Answer(!Fails(kNeedsSpace));  // whole, but not known to be on the disk
    }
    OsResult RealizeDirectory(const std::string& folder) override {
        return Fails(kNeedsSpace) ? Refused() : MemoryFileSystem::RealizeDirectory(folder);
    }
    OsResult RemoveFile(const std::string& path) override {
        return Fails(kNeedsNoSpace) ? Refused() : MemoryFileSystem::RemoveFile(path);
    }
    OsResult RenameFile(const std::string& from, const std::string& to) override {
        return Fails(kNeedsNoSpace) ? Refused() : MemoryFileSystem::RenameFile(from, to);
    }
    OsResult MoveReplacing(const std::string& from, const std::string& to) override {
        return Fails(kNeedsNoSpace) ? Refused() : MemoryFileSystem::MoveReplacing(from, to);
    }
    OsResult LinkFile(const std::string& existing, const std::string& link) override {
        return Fails(kNeedsNoSpace) ? Refused() : MemoryFileSystem::LinkFile(existing, link);
    }
    OsResult RemoveEmptyFolder(const std::string& folder) override {
        return Fails(kNeedsNoSpace) ? Refused() : MemoryFileSystem::RemoveEmptyFolder(folder);
    }
    OsResult CreateHeldFile(const std::string& path, std::string_view data,
                            std::unique_ptr<HeldFile>& held) override {
        return Fails(kNeedsSpace) ? Refused() : MemoryFileSystem::CreateHeldFile(path, data, held);
    }

protected:
    OsResult RewriteHeld(const std::string& path, std::string_view data) override {
        return Fails(kNeedsNoSpace) ? Refused() : MemoryFileSystem::RewriteHeld(path, data);
    }

private:
    static constexpr bool kNeedsSpace = true, kNeedsNoSpace = false;

    bool Fails(bool needsSpace) {
        if (takeSnapshots)
            snapshots.push_back({files, folders});
        ++steps;
        if (failAt == 0)
            return false;
        return fault == Fault::once ? steps == failAt : steps >= failAt && needsSpace;
    }
};
