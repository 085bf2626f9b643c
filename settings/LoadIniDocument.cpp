#include "settings/LoadIniDocument.h"

#include <set>
#include <utility>

#include "settings/IniDocument.h"
#include "settings/ParseIniDocument.h"
#include "base/FileSystem.h"

namespace {

// What the document can take for a file's bytes, at most. A file's bytes are
// held while it is parsed and again in its keys and values, which may grow to
// twice their length as they are read. Every line can become an entry, and
// lines end at control characters; every section begins at a "[". A section's
// entries are kept in blocks of 512 bytes (the standard library's deque, with
// its map of eight pointers), and every allocation carries the heap's own
// bookkeeping.
constexpr std::size_t kCopies = 3;
constexpr std::size_t kHeapOverhead = 16;
constexpr std::size_t kEntryCost = sizeof(IniEntry) + 2 * kHeapOverhead;
constexpr std::size_t kSectionCost =
    sizeof(IniSection) + 512 + 8 * sizeof(void*) + 2 * kHeapOverhead;

std::size_t MostMemoryFor(const std::string& bytes) {
    std::size_t lines = 1, sections = 0;
    for (const char c : bytes) {
        lines += static_cast<unsigned char>(c) < 0x20;
        sections += c == '[';
    }
    return kCopies * bytes.size() + lines * kEntryCost + sections * kSectionCost;
}

// The files one load reads: each at most once, whatever name leads to it, and
// all of them together within the budget.
class IniReading : public IniLinkReader {
public:
    explicit IniReading(FileSystem& fs) : fs_(fs) {}

    // The bytes of the file at path, unless it was read already or would
    // pass what is left of the budget.
    OsResult Take(const std::string& path, std::string& bytes) {
        FileIdentity identity;
        if (OsResult read = fs_.ReadIdentifiedFile(path, left_ / kCopies, bytes, identity); !read)
            return read;
        if (!read_.insert(identity).second)
            return OsResult::Failed();  // come back round to a file already read
        const std::size_t cost = MostMemoryFor(bytes);
        if (cost > left_)
            return OsResult::Failed(kFileTooLarge);
        left_ -= cost;
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
    std::set<FileIdentity> read_;
    std::size_t left_ = kIniLoadBudget;
    int links_ = 0;
};

IniFile Unread(const OsResult& why) {
    return why.error == kFileNotFound || why.error == kPathNotFound ? IniFile::missing
                                                                    : IniFile::unreadable;
}

}  // namespace

IniLoad LoadIniDocument(FileSystem& fs, const std::string& path, IniDocument& document) {
    IniReading reading(fs);
    std::string bytes;
    if (OsResult taken = reading.Take(path, bytes); !taken)
        return {Unread(taken), taken};
    document = ParseIniDocument(std::move(bytes), &reading);
    return {};
}
