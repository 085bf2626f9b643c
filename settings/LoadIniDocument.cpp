#include "settings/LoadIniDocument.h"

#include <set>
#include <utility>

#include "settings/IniDocument.h"
#include "settings/ParseIniDocument.h"
#include "base/FileSystem.h"

namespace {

// The files one load has read, so that a chain of links cannot go on forever.
class LinkTrail : public IniLinkReader {
public:
    LinkTrail(FileSystem& fs, const std::string& first) : fs_(fs), read_{first} {}

    // Reads the file a "LINK" line names, unless it was read already or the
    // chain is as long as it may be.
    bool Read(const std::string& target, std::string& bytes) override {
        if (links_ >= kMaxIniLinks || read_.count(target))
            return false;
        if (!fs_.ReadFile(target, bytes))
            return false;
        ++links_;
        read_.insert(target);
        return true;
    }

private:
    FileSystem& fs_;
    std::set<std::string> read_;
    int links_ = 0;
};

}  // namespace

bool LoadIniDocument(FileSystem& fs, const std::string& path, IniDocument& document) {
    std::string bytes;
    if (!fs.ReadFile(path, bytes))
        return false;
    LinkTrail trail(fs, path);
    document = ParseIniDocument(std::move(bytes), &trail);
    return true;
}
