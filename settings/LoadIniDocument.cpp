#include "settings/LoadIniDocument.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "settings/IniDocument.h"
#include "settings/ParseIniDocument.h"
#include "base/FileSystem.h"

namespace {

// The files one load reads: each at most once, whatever name leads to it, and
// all of them together within the limit.
class IniReading : public IniLinkReader {
public:
    IniReading(FileSystem& fs, std::size_t limit) : fs_(fs), left_(limit) {}

    // The bytes of the file at path, unless it was read already or would
    // pass what is left of the limit.
    OsResult Take(const std::string& path, std::string& bytes) {
        FileIdentity identity;
        if (OsResult read = fs_.ReadIdentifiedFile(path, left_, bytes, identity); !read)
            return read;
        if (std::find(read_.begin(), read_.end(), identity) != read_.end())
            return OsResult::Failed();  // come back round to a file already read
        read_.push_back(identity);
        left_ -= bytes.size();
        return OsResult::Done();
    }

    bool Read(const std::string& target, std::string& bytes) override {
        if (links_ >= kMaxIniLinks || !Take(target, bytes))
            return false;
        ++links_;
        return true;
    }

private:
    FileSystem& fs_;
    // At most kMaxIniLinks + 1 of them: a look along a list finds one about
    // as soon as a tree would, without linking a tree into the setup.
    std::vector<FileIdentity> read_;
    std::size_t left_;
    int links_ = 0;
};

IniFile Unread(const OsResult& why) {
    return why.error == kFileNotFound || why.error == kPathNotFound ? IniFile::missing
                                                                    : IniFile::unreadable;
}

}  // namespace

IniLoad LoadIniDocument(FileSystem& fs, const std::string& path, IniDocument& document,
                        std::size_t limit) {
    IniReading reading(fs, limit);
    std::string bytes;
    if (OsResult taken = reading.Take(path, bytes); !taken)
        return {Unread(taken), taken};
    document = ParseIniDocument(std::move(bytes), &reading);
    return {};
}
