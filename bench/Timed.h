// Pass-through file system and progress display that add up the time spent
// in them, so that the benchmark can tell the extraction's phases apart.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/FileSystem.h"
#include "base/Progress.h"

double Seconds();

// Adds the seconds a call takes to a running sum.
class TimedScope {
public:
    explicit TimedScope(double& sum) : sum_(sum), start_(Seconds()) {}
    ~TimedScope() { sum_ += Seconds() - start_; }
    TimedScope(const TimedScope&) = delete;
    TimedScope& operator=(const TimedScope&) = delete;

private:
    double& sum_;
    double start_;
};

// Runs call, adding the seconds it takes to sum; answers what call answers.
template <typename Call>
auto Timed(double& sum, Call call) {
    TimedScope scope(sum);
    return call();
}

struct FileSystemTimes {
    double writes = 0;   // files created and written; the setup's also flushed
    double commit = 0;   // second names, moves, checks and removals
    double folders = 0;  // making and checking folders
};

class TimedFileSystem : public FileSystem {
public:
    TimedFileSystem(FileSystem& inner, FileSystemTimes& times) : inner_(inner), t_(times) {}

    OsResult RealizeDirectory(const std::string& folder) override {
        return Timed(t_.folders, [&] { return inner_.RealizeDirectory(folder); });
    }
    OsResult ReadFile(const std::string& path, std::string& data) override {
        return inner_.ReadFile(path, data);
    }
    OsResult RemoveFile(const std::string& path) override {
        return Timed(t_.commit, [&] { return inner_.RemoveFile(path); });
    }
    OsResult RenameFile(const std::string& from, const std::string& to) override {
        return Timed(t_.commit, [&] { return inner_.RenameFile(from, to); });
    }
    std::vector<FolderEntry> ListFolder(const std::string& folder) override {
        return inner_.ListFolder(folder);
    }
    OsResult WriteFlushedFile(const std::string& path, std::string_view data) override {
        return Timed(t_.writes, [&] { return inner_.WriteFlushedFile(path, data); });
    }
    OsResult MoveReplacing(const std::string& from, const std::string& to) override {
        return Timed(t_.commit, [&] { return inner_.MoveReplacing(from, to); });
    }
    OsResult LinkFile(const std::string& existing, const std::string& link) override {
        return Timed(t_.commit, [&] { return inner_.LinkFile(existing, link); });
    }
    bool FileExists(const std::string& path) override {
        return Timed(t_.commit, [&] { return inner_.FileExists(path); });
    }
    OsResult IsReplaceable(const std::string& path) override {
        return Timed(t_.commit, [&] { return inner_.IsReplaceable(path); });
    }
    bool FolderExists(const std::string& folder) override {
        return Timed(t_.folders, [&] { return inner_.FolderExists(folder); });
    }
    OsResult RemoveEmptyFolder(const std::string& folder) override {
        return Timed(t_.folders, [&] { return inner_.RemoveEmptyFolder(folder); });
    }
    OsResult CreateHeldFile(const std::string& path, std::string_view data,
                            std::unique_ptr<HeldFile>& held) override {
        return Timed(t_.folders, [&] { return inner_.CreateHeldFile(path, data, held); });
    }
    void PauseBeforeRetry(int milliseconds) override { inner_.PauseBeforeRetry(milliseconds); }
    OsResult ReadIdentifiedFile(const std::string& path, std::size_t limit, std::string& data,
                                FileIdentity& identity) override {
        return inner_.ReadIdentifiedFile(path, limit, data, identity);
    }

private:
    FileSystem& inner_;
    FileSystemTimes& t_;
};

// Every call the extraction makes on its progress display, the window's
// drawing and message pumping included.
class TimedProgress : public Progress {
public:
    TimedProgress(Progress& inner, double& seconds) : inner_(inner), t_(seconds) {}

    void SetTitle(const std::string& title) override {
        Timed(t_, [&] { inner_.SetTitle(title); });
    }
    void SetText(const std::string& text) override {
        Timed(t_, [&] { inner_.SetText(text); });
    }
    void SetTextAlignLeft() override {
        Timed(t_, [&] { inner_.SetTextAlignLeft(); });
    }
    void SetPos(int32_t pos, int32_t total) override {
        Timed(t_, [&] { inner_.SetPos(pos, total); });
    }
    void Refresh() override {
        Timed(t_, [&] { inner_.Refresh(); });
    }
    void Close() override {
        Timed(t_, [&] { inner_.Close(); });
    }

private:
    Progress& inner_;
    double& t_;
};
