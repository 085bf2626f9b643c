// A file system in memory for native tests; paths are taken as plain strings.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>
#include <set>
#include <string>

#include "base/FileSystem.h"
#include "base/Path.h"

class MemoryFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    std::set<std::string> locked;      // paths whose save fails, keeping the old content
    std::set<std::string> unreadable;  // there, but refused to readers
    // Held only for a while: each is let go (from locked, unreadable and
    // sharedWithoutDelete) once that many pauses before a retry have passed.
    std::map<std::string, int> releasedAfterPauses;
    int pausedMs = 0;  // the time the retries waited, all together
    // Called with the target of every move that succeeded: a scanner that
    // opens each fresh file, say.
    std::function<void(const std::string&)> afterMove;
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
        if (it == files.end() || unreadable.count(path))
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
    // A listing set for the folder, else what the folder holds, by name.
    std::vector<FolderEntry> ListFolder(const std::string& folder) override {
        auto it = listings.find(folder);
        if (it != listings.end())
            return it->second;
        std::vector<FolderEntry> entries;
        const std::string inside = WithoutTrailingSeparator(folder) + "\\";
        auto add = [&](const std::string& path, bool isFolder) {
            if (path.rfind(inside, 0) == 0 && path.find('\\', inside.size()) == std::string::npos)
                entries.push_back({path.substr(inside.size()), isFolder});
        };
        for (const std::string& path : folders) add(path, true);
        for (const auto& [path, data] : files) add(path, false);
        return entries;
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
        if (afterMove)
            afterMove(to);
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

    OsResult CreateHeldFile(const std::string& path, std::string_view data,
                            std::unique_ptr<HeldFile>& held) override {
        if (files.count(path) || !InFolder(path))
            return Refused();
        files[path] = std::string(data);
        sharedWithoutDelete.insert(path);
        held = std::make_unique<Held>(*this, path);
        return OsResult::Done();
    }
    void PauseBeforeRetry(int milliseconds) override {
        pausedMs += milliseconds;
        for (auto it = releasedAfterPauses.begin(); it != releasedAfterPauses.end();) {
            if (--it->second > 0) {
                ++it;
                continue;
            }
            locked.erase(it->first);
            unreadable.erase(it->first);
            sharedWithoutDelete.erase(it->first);
            it = releasedAfterPauses.erase(it);
        }
    }

    // What a process that ends by force leaves: nothing is held any more.
    void LetEverythingGo() { sharedWithoutDelete.clear(); }
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
        if (unreadable.count(name))
            return Refused();
        identity = {0, std::hash<std::string>()(name)};
        if (it->second.size() > limit)
            return OsResult::Failed(kFileTooLarge);
        data = it->second;
        return OsResult::Done();
    }

protected:
    // Holds its file as long as it lives, the way an open handle does.
    class Held : public HeldFile {
    public:
        Held(MemoryFileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {}
        ~Held() override { fs_.sharedWithoutDelete.erase(path_); }
        OsResult Rewrite(std::string_view data) override { return fs_.RewriteHeld(path_, data); }

    private:
        MemoryFileSystem& fs_;
        std::string path_;
    };
    virtual OsResult RewriteHeld(const std::string& path, std::string_view data) {
        files[path] = std::string(data);
        return OsResult::Done();
    }

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
